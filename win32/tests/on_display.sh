#!/usr/bin/env bash
# Runs a Windows program under wine on an X display and a wine desktop of its
# own, in the wine prefix named, and takes both down again.
#
# Usage: on_display.sh PREFIX PROGRAM [ARGUMENTS...]
# Exits 77 (skipped) when Xvfb or wine is missing.
source "$(dirname "$0")/wine_desktop.sh"
start_wine_desktop "$1"
shift
"$wine_run" "$@"
