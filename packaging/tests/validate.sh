#!/bin/sh
# Validates the desktop entry or the AppStream metainfo, counting warnings (and,
# for the metainfo, remarks) as failures: both tools exit 0 on them by default.
# Hints and pedantic remarks are let through.
#   validate.sh desktop FILE | validate.sh metainfo FILE
set -u
kind=$1
file=$2

case "$kind" in
desktop)
    output=$(desktop-file-validate "$file" 2>&1)
    status=$?
    bad=$(printf '%s\n' "$output" | grep -E ': (error|warning):')
    ;;
metainfo)
    output=$(appstreamcli validate --no-color --no-net --strict "$file" 2>&1)
    status=$?
    bad=
    ;;
*)
    echo "unknown kind: $kind" >&2
    exit 2
    ;;
esac

printf '%s\n' "$output"
if [ "$status" -ne 0 ] || [ -n "$bad" ]; then
    echo "FAILED: $file is not clean" >&2
    exit 1
fi
