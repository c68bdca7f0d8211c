#!/bin/sh
# Runs a Windows program under wine, in a wine prefix of the build's own
# (WINEPREFIX, default build/windows/wine), which the first run makes. Builds
# and tests call it as their emulator, so a Windows test runs like any other.
# Plain sh: a locale the system lacks (LC_ALL=hu_HU.UTF-8 names wine's user
# locale, which wine knows by itself) would make bash warn.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
export WINEPREFIX="${WINEPREFIX:-$root/build/windows/wine}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
# Several tests may start at once; the prefix is made by one of them.
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    mkdir -p "$WINEPREFIX"
    (
        flock 9
        [ -f "$WINEPREFIX/system.reg" ] || wineboot --init >/dev/null 2>&1
        wineserver --wait
    ) 9>"$WINEPREFIX.lock"
fi
exec wine "$@"
