#!/usr/bin/env bash
# Without any display the program says so in one line and ends with status 1,
# instead of Qt's own error and an abort.
set -u
program=$1
errors=$(mktemp)
trap 'rm -f "$errors"' EXIT

env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM timeout 20 "$program" 2>"$errors" >/dev/null
status=$?
lines=$(wc -l <"$errors")
if [[ $status -ne 1 || $lines -ne 1 ]] || ! grep -q "no graphical display" "$errors"; then
    echo "expected status 1 and one line, got status $status and:" >&2
    cat "$errors" >&2
    exit 1
fi

# A display that is named but cannot be reached: the same one line.
env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY=:4093 timeout 20 "$program" 2>"$errors" >/dev/null
status=$?
lines=$(wc -l <"$errors")
if [[ $status -ne 1 || $lines -ne 1 ]] || ! grep -q "no graphical display" "$errors"; then
    echo "unreachable display: expected status 1 and one line, got status $status and:" >&2
    cat "$errors" >&2
    exit 1
fi
echo "ok: $(cat "$errors")"
