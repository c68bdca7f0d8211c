#!/bin/sh
# Validates the desktop entry or the AppStream metainfo. Warnings count as
# failures: desktop-file-validate exits 0 on them, so its output is read.
#   validate.sh desktop FILE | validate.sh metainfo FILE
set -u
case $1 in
desktop)
    output=$(desktop-file-validate "$2" 2>&1) &&
        ! printf '%s\n' "$output" | grep -qE ': (error|warning):'
    ;;
metainfo) output=$(appstreamcli validate --no-color --no-net --strict "$2" 2>&1) ;;
*) echo "unknown kind: $1" >&2 && exit 2 ;;
esac
status=$?
printf '%s\n' "$output"
[ "$status" -eq 0 ] || { echo "FAILED: $2 is not clean" >&2 && exit 1; }
