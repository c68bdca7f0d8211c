#!/usr/bin/env bash
# The real program on a virtual X server under a real window manager: its
# frame, "mini" at 900 twips outer height touching the top of the screen,
# "cimsor" with the summary in the title bar, and screenshots of each view
# mode for a person to look at.
#
# Usage: xvfb_smoke.sh PROGRAM SCREENSHOT_DIR
# Exits 77 (skipped) when Xvfb, openbox or the X tools are missing.
set -euo pipefail

program=$1
shots=$2

for tool in Xvfb openbox xdotool xwininfo xprop import convert; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "SKIP: $tool is not installed (scripts/install-deps.sh installs it)"
        exit 77
    fi
done

work=$(mktemp -d)
pids=()
cleanup() {
    local pid
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
        pid=${pids[i]}
        kill "$pid" 2>/dev/null || true
    done
    for pid in "${pids[@]}"; do
        timeout 5 tail --pid="$pid" -f /dev/null 2>/dev/null || kill -9 "$pid" 2>/dev/null || true
    done
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    if [[ -n "${DISPLAY:-}" ]]; then
        timeout 10 import -window root "$shots/failure.png" 2>/dev/null || true
        echo "screen at the failure: $shots/failure.png" >&2
    fi
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

mkdir -p "$shots"
rm -f "$shots"/*.png

# A free display, chosen by the server itself. At 96 dots per inch a pixel is
# 15 twips.
Xvfb -displayfd 3 -screen 0 1280x800x24 -dpi 96 -nolisten tcp 3>"$work/display" \
    >"$work/xvfb.log" 2>&1 &
pids+=($!)
wait_for 10 test -s "$work/display" || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
export DISPLAY=":$(head -n1 "$work/display")"
unset QT_QPA_PLATFORM WAYLAND_DISPLAY

# Openbox draws the title bar buttons its configuration names and does not
# read a window's wish to have no minimize and no maximize function (the
# program states that wish in its Motif hints, checked below). This
# configuration shows the buttons the program asks for: icon, title, close.
config=/etc/xdg/openbox/rc.xml
if [[ -r "$config" ]]; then
    sed 's|<titleLayout>[A-Z]*</titleLayout>|<titleLayout>NLC</titleLayout>|' "$config" \
        >"$work/rc.xml"
    openbox --config-file "$work/rc.xml" >"$work/openbox.log" 2>&1 &
else
    openbox >"$work/openbox.log" 2>&1 &
fi
pids+=($!)
wait_for 10 sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"' ||
    fail "openbox did not start: $(cat "$work/openbox.log")"

HOME="$work" "$program" >"$work/halvora.log" 2>&1 &
pids+=($!)
find_window() { timeout 5 xdotool search --onlyvisible --name '^Halvora$' | head -n1; }
wait_for 15 sh -c "timeout 5 xdotool search --onlyvisible --name '^Halvora\$'" ||
    fail "no Halvora window: $(cat "$work/halvora.log")"
window=$(find_window)

# The outer frame: the client's place and size plus the window manager's
# frame extents (left, right, top, bottom).
outer() {
    local info extents left right top bottom x y w h
    info=$(timeout 5 xwininfo -id "$window")
    x=$(awk '/Absolute upper-left X/ {print $4}' <<<"$info")
    y=$(awk '/Absolute upper-left Y/ {print $4}' <<<"$info")
    w=$(awk '/^ *Width:/ {print $2}' <<<"$info")
    h=$(awk '/^ *Height:/ {print $2}' <<<"$info")
    extents=$(timeout 5 xprop -id "$window" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
    read -r left right top bottom <<<"${extents:-0 0 0 0}"
    echo "$((x - left)) $((y - top)) $((w + left + right)) $((h + top + bottom))"
}
# Waits until the frame has stood still for half a second.
settle() {
    local last="" now stable=0 tries=100
    while ((tries-- > 0)); do
        now=$(outer)
        if [[ "$now" == "$last" ]]; then
            ((++stable >= 5)) && return 0
        else
            stable=0
            last=$now
        fi
        sleep 0.1
    done
    fail "the window does not settle: $last"
}
# The window with a little of the screen around it; a taller crop for the
# about box below the window.
shoot() {
    local name=$1 below=${2:-0} x y w h
    read -r x y w h <<<"$(outer)"
    timeout 10 import -window root "$work/root.png"
    convert "$work/root.png" -crop "$((w + 16))x$((h + 8 + below))+$((x > 8 ? x - 8 : 0))+0" \
        +repage "$shots/halvora-$name.png"
}
# Whether one of the program's popup menus is on the screen: a window of the
# program that the window manager leaves alone (override-redirect).
menu_open() {
    local id
    for id in $(timeout 5 xdotool search --onlyvisible --class halvora); do
        if timeout 5 xwininfo -id "$id" | grep -q "Override Redirect State: yes"; then
            return 0
        fi
    done
    return 1
}
# Right click on the clock of the today panel, then an item of the popup menu
# by its place in the list (Down presses from the top).
choose() {
    local downs=$1 x y
    read -r x y <<<"$(timeout 5 xwininfo -id "$window" |
        awk '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4} END {print x, y}')"
    timeout 5 xdotool mousemove $((x + 3000 / 15 + 10)) $((y + 120 / 15 + 8)) sleep 0.2 click 3
    wait_for 5 menu_open || fail "no popup menu on a right click"
    for ((i = 0; i < downs; i++)); do
        timeout 5 xdotool key Down
    done
    timeout 5 xdotool key Return
    sleep 0.3
}

screen_width=1280

# --- The program's own wish: no minimize, no maximize.
hints=$(timeout 5 xprop -id "$window" _MOTIF_WM_HINTS | sed 's/.*= //; s/,//g')
read -r flags functions decorations _ <<<"$hints"
if (((flags & 1) == 0 || (functions & 0x18) != 0)); then
    fail "Motif hints allow minimize or maximize: $hints"
fi

# --- "mini": 900 twips = 60 pixels high, 6000 twips = 400 wide, at the top, centred.
settle
read -r x y w h <<<"$(outer)"
echo "mini: outer ${w}x${h} at ${x},${y}"
((h == 60)) || fail "mini outer height $h px, expected 60 (900 twips)"
((w == 400)) || fail "mini outer width $w px, expected 400 (6000 twips)"
((y == 0)) || fail "mini does not touch the top of the screen: y=$y"
((x == (screen_width - w) / 2)) || fail "mini is not centred: x=$x"
sleep 0.5 # a few ticks of the running title
shoot mini

# --- "teljes": the whole window, 4500 twips = 300 pixels.
choose 3
settle
read -r x y w h <<<"$(outer)"
echo "teljes: outer ${w}x${h} at ${x},${y}"
((h == 300)) || fail "teljes outer height $h px, expected 300 (4500 twips)"
((y == 0)) || fail "teljes does not touch the top of the screen: y=$y"
shoot teljes

# --- The about box: borderless, 660 and 640 twips (44 and 43 pixels) from
# the main window's corner; a click on its contents closes it.
choose 5
about_box() { timeout 5 xdotool search --onlyvisible --name '^Névjegy$' | head -n1; }
wait_for 5 sh -c "timeout 5 xdotool search --onlyvisible --name '^Névjegy\$'" ||
    fail "the about box did not open"
about=$(about_box)
about_info=$(timeout 5 xwininfo -id "$about")
ax=$(awk '/Absolute upper-left X/ {print $4}' <<<"$about_info")
ay=$(awk '/Absolute upper-left Y/ {print $4}' <<<"$about_info")
aw=$(awk '/^ *Width:/ {print $2}' <<<"$about_info")
ah=$(awk '/^ *Height:/ {print $2}' <<<"$about_info")
echo "about: ${aw}x${ah} at ${ax},${ay}"
((ax == x + 44 && ay == y + 43)) || fail "about box at $ax,$ay, expected $((x + 44)),$((y + 43))"
((aw == 312 && ah == 207)) || fail "about box is ${aw}x${ah}, expected 312x207"
shoot about $((ay + ah - h))
# The version line: 2040 + 100 twips from the left, 1320 + 40 from the top.
timeout 5 xdotool mousemove $((ax + 2140 / 15 + 20)) $((ay + 1360 / 15 + 10)) sleep 0.2 click 1
wait_for 5 sh -c "! timeout 5 xdotool search --onlyvisible --name '^Névjegy\$'" ||
    fail "a click on the version line did not close the about box"

# --- "cimsor": the title bar alone, carrying the summary.
choose 1
settle
read -r x y w h <<<"$(outer)"
title=$(timeout 5 xdotool getwindowname "$window")
echo "cimsor: outer ${w}x${h} at ${x},${y}, title \"$title\""
if [[ "$title" =~ ^[0-9]{4}\.\ \ [^\ ].*\ \ \ [0-9]{1,2}\.\ \ .+\ \ [0-9]{2}.[0-9]{2}\ \  ]]; then
    ((h * 15 <= 410)) || fail "cimsor outer height $h px is over 410 twips"
    ((y == 0)) || fail "cimsor does not touch the top of the screen: y=$y"
else
    fail "the title bar does not carry the summary: \"$title\""
fi
shoot cimsor

# Back to "mini" from the title bar alone: a right click on the caption is the
# window manager's, so the user drags the window higher; it falls back.
timeout 5 xdotool windowsize "$window" 400 200
settle
read -r x y w h <<<"$(outer)"
title=$(timeout 5 xdotool getwindowname "$window")
echo "after a drag: outer ${w}x${h}, title \"$title\""
((h == 60)) || fail "no fall-back to mini: outer height $h px"
[[ "$title" == "Halvora" ]] || fail "caption after the fall-back: \"$title\""

timeout 10 import -window root "$shots/screen.png"
echo "screenshots in $shots"
