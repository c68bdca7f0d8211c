#!/usr/bin/env bash
# Without a display, none named or one that cannot be reached, the program
# says so in one line and ends with status 1, instead of Qt's own error and an
# abort.
program=$1
errors=$(mktemp)
trap 'rm -f "$errors"' EXIT
for display in "-u DISPLAY" "DISPLAY=:4093"; do
    env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM $display timeout 20 "$program" 2>"$errors" >/dev/null
    status=$?
    if ((status != 1)) || [[ $(wc -l <"$errors") != 1 ]] || ! grep -q "no graphical display" "$errors"; then
        echo "FAIL: $display: status $status and: $(cat "$errors")" >&2
        exit 1
    fi
done
