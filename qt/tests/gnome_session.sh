#!/usr/bin/env bash
# The real program on GNOME's Wayland session, Debian's default desktop:
# mutter headless on a virtual monitor, with its XWayland, and the program on
# XWayland as such a desktop starts it. mutter's frames answer only input that
# comes through mutter itself, so the hand here is mutter's remote desktop
# interface (remote_input.py); the geometry comes from the X server. Each drag
# runs three times, for a race shows only sometimes.
#
# Usage: gnome_session.sh PROGRAM SCREENSHOT_DIR
# Exits 77 (skipped) when mutter, XWayland or the tools are missing.
program=$1
shots=$2
wm=mutter
source "$(dirname "$0")/desktop.sh"
need mutter Xwayland xdotool xwininfo xprop import convert
python=/usr/bin/python3 # Debian's own, with GLib's bindings
"$python" -c 'from gi.repository import Gio' 2>/dev/null || { echo "SKIP: python3-gi is not installed"; exit 77; }
mkdir -p "$shots"
rm -f "$shots"/gnome-*.png "$shots/failure.png"
# XWayland keeps no picture of the whole screen.
screen_picture=window

# mutter takes the first display number that no other X server holds (each
# server claims its number with a lock file) and says which.
mutter --wayland --headless --virtual-monitor 1280x800 --wayland-display=halvora \
    >"$work/mutter.log" 2>&1 &
pids+=($!)
wait_for 20 grep -q "Using public X11 display" "$work/mutter.log" ||
    fail "mutter did not start: $(tail -n 5 "$work/mutter.log")"
DISPLAY=$(sed -n 's/.*Using public X11 display \(:[0-9]*\).*/\1/p' "$work/mutter.log")
XAUTHORITY=$(ls "$XDG_RUNTIME_DIR"/.mutter-Xwaylandauth.*)
export DISPLAY XAUTHORITY
wait_for 10 sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"' ||
    fail "no window manager on XWayland: $(tail -n 5 "$work/mutter.log")"
start_program WAYLAND_DISPLAY=halvora XDG_SESSION_TYPE=wayland

coproc hand_process { exec "$python" "$(dirname "$0")/remote_input.py" 2>&1; }
pids+=("$hand_process_PID")
# One command to the hand (see remote_input.py); it answers when it is done.
hand() {
    local reply
    echo "$*" >&"${hand_process[1]}"
    read -r -t 10 reply <&"${hand_process[0]}" && [[ $reply == ok ]] ||
        fail "mutter's input: $* gave ${reply:-no answer}"
}

# Whether the window's outer size is W x H.
size_is() {
    local w h
    read -r _ _ w h <<<"$(outer)"
    ((w == $1 && h == $2))
}

# Opens the menu with the given keys, then picks an item by its place in the
# list (Down presses from the top), and waits until the window has the size
# W x H and stands still: a drag begun while the program still works at the
# mode's size would be taken for the window manager's answer.
choose_by_keys() {
    local keys=$1 downs=$2 w=$3 h=$4
    for ((tries = 3; tries > 0; tries--)); do
        hand key "$keys"
        wait_for 3 menu_open && break
    done
    ((tries > 0)) || fail "no popup menu ($keys)"
    for ((i = 0; i < downs; i++)); do
        hand key Down
    done
    hand key Return
    wait_for 5 size_is "$w" "$h" || fail "after $keys and $downs Down: $(outer), not ${w}x$h"
    settle
}

# Presses 2 pixels outside an edge ("bottom" or "right"), on mutter's
# invisible border, moves by each offset in turn and lets go. While the
# button is held the window must keep the width and place it had: the
# program leaves a drag alone until it ends.
drag() {
    local edge=$1 x y w h px py offset
    shift
    read -r x y w h <<<"$(outer)"
    local before="$x $w"
    if [[ $edge == bottom ]]; then px=$((x + w / 2)) py=$((y + h + 2)); else px=$((x + w + 2)) py=$((y + h / 2)); fi
    hand move $px $py
    hand press 1
    for offset in "$@"; do
        if [[ $edge == bottom ]]; then hand move $px $((py + offset)); else hand move $((px + offset)) $py; fi
        sleep 0.15
        read -r x _ w _ <<<"$(outer)"
        [[ $edge == right || "$x $w" == "$before" ]] ||
            fail "while the bottom edge is held the window went from $before to $x $w"
        [[ $edge == bottom || $x == "${before% *}" ]] ||
            fail "while the right edge is held the window moved from ${before% *} to $x"
    done
    sleep 0.3
    hand release 1
    settle
}

settle
expect mini "start"
# The menu's places: Csak címsor 1, Normál 2, Keresés 3; Keresés is 400 x 300.
choose_by_keys Menu 3 400 300
expect teljes "Keresés"
shoot gnome-teljes
# mutter's title bar alone is higher than 410 twips: back to the today panel.
choose_by_keys shift+F10 1 400 60
expect mini "Csak címsor"
choose_by_keys Menu 2 400 60
expect mini "Normál"
shoot gnome-mini
for round in 1 2 3; do
    drag bottom 13 33
    expect mini "bottom edge dragged, round $round"
    choose_by_keys Menu 3 400 300
    drag right 50 100
    expect teljes "right edge dragged, round $round"
    size_is 500 300 || fail "Keresés after the drag, round $round: $(outer), not 500x300"
    choose_by_keys shift+F10 2 400 60
done
echo "screenshots in $shots"
