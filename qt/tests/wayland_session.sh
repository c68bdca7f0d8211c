#!/usr/bin/env bash
# The real program in a Wayland session, with weston (headless) as the
# desktop: where the session offers XWayland the window goes there, to the top
# centre of the screen; without XWayland, or when the user chooses Wayland, it
# runs natively.
#
# Usage: wayland_session.sh PROGRAM SCREENSHOT_DIR
# Exits 77 (skipped) when weston, Xwayland or the tools are missing.
program=$1
shots=$2
source "$(dirname "$0")/desktop.sh"
need weston Xwayland weston-screenshooter xdotool convert
mkdir -p "$shots"

# Weston without its panel, on black, so that its own screenshots (which need
# --debug and a renderer that draws) show the window alone.
printf '[shell]\npanel-position=none\nbackground-image=\nbackground-color=0xff000000\n' >"$work/weston.ini"
weston --backend=headless-backend.so --use-pixman --debug --xwayland --socket=halvora \
    --width=1280 --height=800 --idle-time=0 --config="$work/weston.ini" >"$work/weston.log" 2>&1 &
pids+=($!)
wait_for 10 grep -q "xserver listening on display" "$work/weston.log" ||
    fail "weston did not start: $(cat "$work/weston.log")"
x_display=$(sed -n 's/.*xserver listening on display \(:[0-9]*\).*/\1/p' "$work/weston.log")

# Starts the program with the variables a Wayland session sets, changed by
# `$@` (assignments, or "env -u NAME"); Wayland's own log shows a native window.
start() {
    env -u QT_QPA_PLATFORM HOME="$work" XDG_SESSION_TYPE=wayland WAYLAND_DISPLAY=halvora \
        DISPLAY="$x_display" WAYLAND_DEBUG=1 "$@" "$program" >"$work/halvora.log" 2>&1 &
    pids+=($!)
}
stop_program() {
    kill "${pids[-1]}"
    timeout 5 tail --pid="${pids[-1]}" -f /dev/null || fail "the program did not end"
    unset 'pids[-1]'
}
on_x() { DISPLAY=$x_display timeout 5 xdotool search --onlyvisible --name '^Halvora$'; }
native() { grep -q 'xdg_toplevel@[0-9]*\.set_title("Halvora")' "$work/halvora.log"; }

start
wait_for 20 on_x || fail "no window on XWayland ($x_display): $(tail -n 5 "$work/halvora.log")"
! native || fail "a native Wayland window beside the X one"
# Weston's X window manager sets no frame extents and wraps the client in a
# frame with an invisible shadow, so no X client can tell the frame's true
# size. Weston's own screenshot shows what it draws: the frame must touch the
# top of the screen, centred for the 6000 twips (400 pixels) of its width.
drawn=none
stable=0
for ((tries = 0; tries < 50 && stable < 2; tries++)); do
    rm -f "$work"/*.png
    (cd "$work" && WAYLAND_DISPLAY=halvora timeout 5 weston-screenshooter) >/dev/null
    now=$(convert "$work"/*.png -fuzz 2% -format '%@' info:)
    [[ $now == "$drawn" ]] && ((++stable)) || { stable=0 drawn=$now; }
    sleep 0.1
done
cp "$work"/*.png "$shots/wayland-xwayland.png"
[[ $drawn == *+$(((1280 - 400) / 2))+0 ]] || fail "weston draws the window at $drawn, not at the top centre"
stop_program

# Natively: without XWayland, with the user's QT_QPA_PLATFORM, and when the
# X server the session names cannot be reached.
for change in "env -u DISPLAY" "QT_QPA_PLATFORM=wayland" "DISPLAY=:4093"; do
    read -ra assignments <<<"$change"
    start "${assignments[@]}"
    wait_for 20 native || fail "$change: no Wayland window: $(tail -n 5 "$work/halvora.log")"
    ! on_x >/dev/null || fail "$change: a window on XWayland"
    stop_program
done
