# Shared by the tests that drive the real program on a virtual display:
# sourced, not run. Each display, window manager and program started here is
# stopped on exit; geometry is read from the X server, never from Qt.
#
# Each test brings up what a desktop session would have given it: a session
# bus of its own (window managers read their settings over it, and xfwm4
# ends at once without one), started with it and ended with it, and a
# runtime directory of its own. Nothing a desktop session or an earlier run
# left on the machine is used.
if [[ -z ${HALVORA_TEST_BUS:-} ]]; then
    command -v dbus-run-session >/dev/null || { echo "SKIP: dbus-run-session is not installed"; exit 77; }
    HALVORA_TEST_BUS=1 exec dbus-run-session -- bash "$0" "$@"
fi

set -euo pipefail

work=$(mktemp -d)
chmod 700 "$work"
# A home of its own too: no window manager reads the settings of the user
# who runs the tests.
export HOME=$work XDG_RUNTIME_DIR=$work
unset XDG_CONFIG_HOME XDG_DATA_HOME XDG_CACHE_HOME XDG_STATE_HOME
pids=()
stop_all() {
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
        kill "${pids[i]}" && timeout 5 tail --pid="${pids[i]}" -f /dev/null || kill -9 "${pids[i]}" || true
    done 2>/dev/null
    pids=()
}
trap 'stop_all; rm -rf "$work"' EXIT

# Exits 77 (skipped) unless every named tool is installed.
need() {
    for tool in "$@"; do
        command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
    done
}

fail() {
    echo "FAIL: $*" >&2
    [[ -n "${shots:-}" && -n "${DISPLAY:-}" ]] && timeout 10 import -window root "$shots/failure.png" 2>/dev/null
    exit 1
}

# Polls the command every 0.1 s for up to $1 seconds.
wait_for() {
    for ((tries = $1 * 10; tries > 0; tries--)); do
        "${@:2}" >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    return 1
}

# A display of 1280 x 800 at 96 dots per inch (15 twips to the pixel), chosen
# by the server itself, and a window manager on it.
start_desktop() {
    local wm=$1 tries
    # Xvfb takes the first number whose sockets it can bind, and says which
    # (with no lock file); the display is ours once a client is answered on
    # it. If none is, another start finds the number again, or another. It
    # must not reset when that first client leaves: a window manager that
    # connects during the reset is turned away.
    for ((tries = 3; tries > 0; tries--)); do
        rm -f "$work/display"
        Xvfb -displayfd 3 -screen 0 1280x800x24 -dpi 96 -nolisten tcp -noreset 3>"$work/display" >>"$work/xvfb.log" 2>&1 &
        pids+=($!)
        if wait_for 10 test -s "$work/display" &&
            wait_for 10 env DISPLAY=":$(head -n1 "$work/display")" timeout 5 xprop -root _NET_SUPPORTED; then
            break
        fi
        kill "${pids[-1]}" 2>/dev/null || true
        unset 'pids[-1]'
        echo "Xvfb on :$(cat "$work/display") answered no client; starting it again" >&2
    done
    ((tries > 0)) || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
    export DISPLAY=":$(head -n1 "$work/display")"
    unset QT_QPA_PLATFORM WAYLAND_DISPLAY
    # What the bus starts on demand (KWin's shortcut service) opens the display too.
    dbus-update-activation-environment DISPLAY XDG_RUNTIME_DIR
    case $wm in
    xfwm4) xfwm4 --compositor=off --sm-client-disable >"$work/wm.log" 2>&1 & ;;
    *) "$wm" >"$work/wm.log" 2>&1 & ;;
    esac
    pids+=($!)
    wait_for 10 sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"' ||
        fail "$wm did not start on $DISPLAY: $(cat "$work/wm.log") (Xvfb: $(cat "$work/xvfb.log"))"
}

# Starts the program with the given environment and waits for its window.
start_program() {
    env "$@" "$program" >"$work/halvora.log" 2>&1 &
    pids+=($!)
    wait_for 15 sh -c "xdotool search --onlyvisible --name '^Halvora\$'" ||
        fail "no Halvora window: $(cat "$work/halvora.log")"
    window=$(xdotool search --onlyvisible --name '^Halvora$' | head -n1)
}

# The client area's corner and size (of the main window, or the window named),
# then the outer frame: the client plus the window manager's frame extents.
client() {
    timeout 5 xwininfo -id "${1:-$window}" | awk '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4}
        /^ *Width:/ {w=$2} /^ *Height:/ {h=$2} END {print x, y, w, h}'
}
outer() {
    local x y w h left right top bottom
    read -r x y w h <<<"$(client)"
    read -r left right top bottom <<<"$(timeout 5 xprop -id "$window" _NET_FRAME_EXTENTS |
        sed 's/.*= //; s/,//g; s/.*not found.*/0 0 0 0/')"
    echo "$((x - left)) $((y - top)) $((w + left + right)) $((h + top + bottom))"
}

# Waits until the frame has stood still for 0.6 s.
settle() {
    local last="" now stable=0
    for ((tries = 100; tries > 0; tries--)); do
        now=$(outer)
        [[ "$now" == "$last" ]] && ((++stable >= 6)) && return 0
        [[ "$now" == "$last" ]] || stable=0 last=$now
        sleep 0.1
    done
    fail "the window does not settle: $last"
}

# Whether one of the program's popup menus is on the screen: a window of the
# program that the window manager leaves alone (override-redirect).
menu_open() {
    local id
    for id in $(timeout 5 xdotool search --onlyvisible --class halvora); do
        timeout 5 xwininfo -id "$id" | grep -q "Override Redirect State: yes" && return 0
    done
    return 1
}

# Opens the popup menu with a right click on the clock, or with the given key,
# then picks an item by its place in the list (Down presses from the top).
choose() {
    local downs=$1 key=${2:-} x y
    # A busy window manager may not yet have the window active: ask again.
    for ((tries = 3; tries > 0; tries--)); do
        if [[ -n "$key" ]]; then
            wait_for 5 timeout 5 xdotool windowactivate --sync "$window"
            timeout 5 xdotool key "$key"
        else
            read -r x y _ <<<"$(client)"
            timeout 5 xdotool mousemove $((x + 210)) $((y + 16)) sleep 0.2 click 3
        fi
        wait_for 5 menu_open && break
    done
    ((tries > 0)) || fail "no popup menu (${key:-right click})"
    for ((i = 0; i < downs; i++)); do
        timeout 5 xdotool key Down
    done
    timeout 5 xdotool key Return
    settle
}

# The window with a little of the screen around it; a taller crop for the
# about box below the window.
shoot() {
    local name=$1 below=${2:-0} x y w h frame
    if [[ ${screen_picture:-root} != root ]]; then
        # The window manager's frame around the window, title bar and all.
        frame=$(timeout 5 xwininfo -tree -id "$window" | sed -n 's/.*Parent window id: \(0x[0-9a-f]*\).*/\1/p')
        timeout 10 import -window "$frame" "$shots/$name.png"
        return
    fi
    read -r x y w h <<<"$(outer)"
    timeout 10 import -window root "$work/root.png"
    convert "$work/root.png" -crop "$((w + 16))x$((h + 8 + below))+$((x > 8 ? x - 8 : 0))+0" \
        +repage "$shots/$name.png"
}

# The darkest pixel (0 to 1) of a rectangle of the client area, from the
# screen; XWayland keeps no picture of the screen, only of each window.
darkest() {
    local x y
    if [[ ${screen_picture:-root} == root ]]; then
        read -r x y _ <<<"$(client)"
        timeout 10 import -window root "$work/root.png"
    else
        x=0 y=0
        timeout 10 import -window "$window" "$work/root.png"
    fi
    convert "$work/root.png" -crop "$3x$4+$((x + $1))+$((y + $2))" -format '%[fx:minima.intensity]' info:
}
brighter() { awk -v a="$1" -v b="$2" 'BEGIN { exit !(a > b) }'; }

# The outer height of the today panel's mode: 900 twips, 60 pixels. KWin
# makes no client area lower than its frame's edges together (the title bar,
# with Breeze), so there it is that twice where that is more.
mini_height() {
    local top bottom
    read -r _ _ top bottom <<<"$(timeout 5 xprop -id "$window" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')"
    if [[ $wm == kwin* ]] && ((2 * (top + bottom) > 60)); then
        echo $((2 * (top + bottom)))
    else
        echo 60
    fi
}

# The window in the given view mode: centred at the top of the screen (1280
# wide); the today panel's mode and the title bar alone 400 pixels wide
# (6000 twips) and as high as their rules say; nothing of the client area
# unpainted: its last row, where on the screen, is the window's own grey, not
# the server's black. Any other mode: only the place, caption and paint.
expect() {
    local mode=$1 why="$wm, $2" x y w h
    read -r x y w h <<<"$(outer)"
    ((y == 0)) || fail "$why: $mode not at the top: $x $y $w $h $(xprop -id "$window" _NET_WM_STATE)"
    ((x - (1280 - w) / 2 <= 1 && (1280 - w) / 2 - x <= 1)) || fail "$why: $mode not centred: $x $w"
    case $mode in
    mini) ((w == 400 && h == $(mini_height))) || fail "$why: mini is ${w}x$h, not 400x$(mini_height)" ;;
    cimsor) ((w == 400 && h * 15 <= 410)) || fail "$why: cimsor is ${w}x$h" ;;
    esac
    [[ $mode == cimsor ]] || [[ $(xdotool getwindowname "$window") == Halvora ]] ||
        fail "$why: caption $(xdotool getwindowname "$window")"
    painted || fail "$why: $mode has an unpainted band"
}
painted() {
    local y w h
    read -r _ y w h <<<"$(client)"
    ((y + h > 800)) || brighter "$(darkest 0 $((h - 1)) "$w" 1)" 0.5
}
