#!/usr/bin/env bash
# The real program in a Wayland session, with weston (headless) as the
# desktop: where the session offers XWayland the window goes there, to the top
# centre of the screen; without XWayland, or when the user chooses Wayland, it
# runs natively.
#
# Usage: wayland_session.sh PROGRAM [SCREENSHOT_DIR]
# Exits 77 (skipped) when weston, Xwayland or the tools are missing.
set -euo pipefail

program=$1
shots=${2:-}

for tool in weston Xwayland weston-screenshooter xdotool convert; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "SKIP: $tool is not installed (scripts/install-deps.sh installs it)"
        exit 77
    fi
done

work=$(mktemp -d)
chmod 700 "$work"
pids=()
cleanup() {
    local pid
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
        kill "${pids[i]}" 2>/dev/null || true
    done
    for pid in "${pids[@]}"; do
        timeout 5 tail --pid="$pid" -f /dev/null 2>/dev/null || kill -9 "$pid" 2>/dev/null || true
    done
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Polls `$@` every 0.1 s for up to $1 seconds.
wait_for() {
    local seconds=$1
    shift
    local tries=$((seconds * 10))
    while ((tries-- > 0)); do
        if "$@" >/dev/null 2>&1; then
            return 0
        fi
        sleep 0.1
    done
    return 1
}

# Weston without its panel, on black, so that its own screenshots (which need
# --debug and a renderer that draws) show the window alone.
cat >"$work/weston.ini" <<'EOF'
[shell]
panel-position=none
background-image=
background-color=0xff000000
EOF
export XDG_RUNTIME_DIR=$work
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
    halvora=$!
    pids+=("$halvora")
}
stop() {
    kill "$halvora"
    timeout 5 tail --pid="$halvora" -f /dev/null || fail "the program did not end"
}
on_x() { DISPLAY=$x_display timeout 5 xdotool search --onlyvisible --name '^Halvora$'; }
native() {
    grep -q 'xdg_toplevel@[0-9]*\.set_title("Halvora")' "$work/halvora.log"
}

# --- XWayland: the window is an X window.
start
wait_for 20 on_x || fail "no window on XWayland ($x_display): $(tail -n 5 "$work/halvora.log")"
! native || fail "a native Wayland window beside the X one"

# Weston's X window manager sets no _NET_FRAME_EXTENTS, and the frame window
# it wraps the client in carries an invisible 32-pixel shadow, so no X client
# can tell the frame's true size. What weston draws shows in its own
# screenshot: the frame must touch the top of the screen, its left edge where
# the program put it, centred for the 6000 twips (400 px at 96 dpi) it takes
# for its width.
mkdir "$work/shots"
drawn=none
# Waits until what weston draws has stood still for three screenshots.
settled() {
    local now stable=0 tries=50
    while ((tries-- > 0)); do
        rm -f "$work"/shots/*.png
        (cd "$work/shots" && WAYLAND_DISPLAY=halvora timeout 5 weston-screenshooter) >/dev/null
        now=$(convert "$work"/shots/*.png -fuzz 2% -format '%@' info:)
        if [[ "$now" == "$drawn" ]]; then
            ((++stable >= 2)) && return 0
        else
            stable=0
            drawn=$now
        fi
        sleep 0.1
    done
    fail "what weston draws does not settle: $drawn"
}
settled
[[ $drawn == *+$(((1280 - 400) / 2))+0 ]] || fail "weston draws the window at $drawn, not at the top centre"
echo "XWayland: drawn at $drawn (width x height + left + top)"
if [[ -n "$shots" ]]; then
    mkdir -p "$shots"
    cp "$work"/shots/*.png "$shots/wayland-xwayland.png"
fi
stop

# --- Natively: without XWayland, with the user's QT_QPA_PLATFORM, and when
# the X server the session names cannot be reached.
for change in "env -u DISPLAY" "QT_QPA_PLATFORM=wayland" "DISPLAY=:4093"; do
    read -ra assignments <<<"$change"
    start "${assignments[@]}"
    wait_for 20 native || fail "$change: no Wayland window: $(tail -n 5 "$work/halvora.log")"
    ! on_x >/dev/null || fail "$change: a window on XWayland"
    echo "$change: a native Wayland window"
    stop
done
