#!/usr/bin/env bash
# Without a display, none named or one that cannot be reached, the program
# says so in one line that names what it could not reach, and ends with
# status 1, instead of Qt's own error and an abort.
program=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
chmod 700 "$work"
errors=$work/errors
failed=0
# The environment it starts with | what its one line must say.
while IFS='|' read -r environment expected; do
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM XDG_RUNTIME_DIR="$work" $environment \
        timeout 20 "$program" 2>"$errors" >/dev/null
    status=$?
    if ((status != 1)) || [[ $(wc -l <"$errors") != 1 ]] || ! grep -qF -- "$expected" "$errors"; then
        echo "FAIL: ${environment:-nothing named}: status $status and: $(cat "$errors")" >&2
        failed=1
    fi
done <<'EOF'
|no graphical display found; run it on a desktop (DISPLAY or WAYLAND_DISPLAY must be set)
DISPLAY=:4093|could not reach the display ":4093" (DISPLAY)
DISPLAY=:4093 WAYLAND_DISPLAY=nowhere-4093|could not reach the display ":4093" (DISPLAY) nor "nowhere-4093" (WAYLAND_DISPLAY)
WAYLAND_DISPLAY=nowhere-4093|could not reach the display "nowhere-4093" (WAYLAND_DISPLAY)
QT_QPA_PLATFORM=nonesuch|the platform "nonesuch" (QT_QPA_PLATFORM) could not be loaded
QT_QPA_PLATFORM=xcb DISPLAY=:4093|the platform "xcb" (QT_QPA_PLATFORM) could not be loaded or could not reach its display: DISPLAY is ":4093"
EOF
exit $failed
