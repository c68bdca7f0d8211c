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
shared=""
[ -n "${WINEPREFIX:-}" ] || shared=yes
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
        # Copied aside, then renamed into place: a program that starts
        # meanwhile finds the whole prefix or none.
        if [ ! -e "$WINEPREFIX" ]; then
            rm -rf "$WINEPREFIX.copy"
            cp -a "$template" "$WINEPREFIX.copy"
            mv "$WINEPREFIX.copy" "$WINEPREFIX"
        elif [ ! -f "$WINEPREFIX/system.reg" ]; then
            cp -a "$template/." "$WINEPREFIX"
        fi
    ) 9>"$build/wine.lock"
fi
# The build's own prefix, which the tests share, keeps one wine server while
# programs come and go, and half a minute after the last: when each
# program's start and end starts and stops a server, a program that connects
# just as one stops fails ("Connection reset by peer"). Mostly one is running
# already, and this says so. A caller's own prefix keeps its own ways.
if [ -n "$shared" ]; then
    wineserver -p30 </dev/null >/dev/null 2>&1 || true
fi
exec wine "$@"
