#!/bin/sh
# Runs a Windows program under wine, in a wine prefix of the build's own
# (WINEPREFIX, default build/windows/wine). Builds and tests call it as their
# emulator, so a Windows test runs like any other. Making a prefix takes wine
# some seconds; it is done once, into a template, which every prefix the
# build asks for is copied from.
# Plain sh: a locale the system lacks (LC_ALL=hu_HU.UTF-8 names wine's user
# locale, which wine knows by itself) would make bash warn.
set -eu
build=$(cd "$(dirname "$0")/.." && pwd)/build/windows
export WINEPREFIX="${WINEPREFIX:-$build/wine}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
template=$build/wine-template
# Several tests may start at once: one of them makes what is missing.
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    mkdir -p "$build"
    (
        flock 9
        if [ ! -f "$template/system.reg" ]; then
            rm -rf "$template"
            WINEPREFIX=$template wineboot --init >/dev/null 2>&1
            WINEPREFIX=$template wineserver --wait
        fi
        [ -f "$WINEPREFIX/system.reg" ] || cp -a "$template" "$WINEPREFIX"
    ) 9>"$build/wine.lock"
fi
exec wine "$@"
