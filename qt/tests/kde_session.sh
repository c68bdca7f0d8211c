#!/usr/bin/env bash
# The real program on KDE's Wayland session: kwin_wayland on a virtual
# screen with its XWayland, the program on XWayland as such a desktop starts
# it. KWin makes no client area lower than its title bar, so the today
# panel's mode is higher than elsewhere; it must still come up at the top
# centre, painted to its last row, every time: the start runs three times,
# for a race shows only sometimes. Then the modes from the keyboard, and
# a user's window rule with a least height of its own.
#
# Usage: kde_session.sh PROGRAM SCREENSHOT_DIR
# Exits 77 (skipped) when kwin_wayland, XWayland or the tools are missing.
program=$1
shots=$2
wm=kwin_wayland
source "$(dirname "$0")/desktop.sh"
need kwin_wayland Xwayland xdotool xwininfo xprop import convert
mkdir -p "$shots"
rm -f "$shots"/kde-*.png "$shots/failure.png"
# XWayland keeps no picture of the whole screen.
screen_picture=window
# kwin_wayland carries a file capability, which a container may refuse to
# run; a copy without it runs the same.
cp "$(command -v kwin_wayland)" "$work/kwin_wayland"

# KWin starts the given program once its XWayland is up, with DISPLAY set:
# that one only tells which display KWin chose.
printf '#!/bin/sh\necho "$DISPLAY" >"%s/display"\n' "$work" >"$work/tell"
chmod +x "$work/tell"
start_kde() {
    rm -f "$work/display"
    "$work/kwin_wayland" --virtual --xwayland --width 1280 --height 800 --socket halvora \
        "$work/tell" >"$work/kwin.log" 2>&1 &
    pids+=($!)
    wait_for 30 test -s "$work/display" || fail "kwin_wayland did not start: $(tail -n 5 "$work/kwin.log")"
    DISPLAY=$(cat "$work/display")
    export DISPLAY
    start_program WAYLAND_DISPLAY=halvora XDG_SESSION_TYPE=wayland
    settle
}

for start in 1 2 3; do
    start_kde
    expect mini "start $start"
    ((start == 3)) || stop_all
done
shoot kde-mini
# The menu's places: Csak címsor 1, Normál 2, Keresés 3.
choose 3 Menu
expect teljes "Keresés"
shoot kde-teljes
choose 1 Menu
expect mini "Csak címsor, whose title bar alone is higher than 410 twips"
choose 3 Menu
choose 2 Menu
expect mini "Normál"

# A user's window rule that makes the window's client area at least 50
# pixels high: KWin then refuses the today panel's height without a word,
# and the window must still be painted whole, soon, at the top centre.
stop_all
mkdir -p "$HOME/.config"
printf '[General]\ncount=1\nrules=1\n\n[1]\nwmclass=halvora\nwmclassmatch=1\nminsize=1,50\nminsizerule=2\n' \
    >"$HOME/.config/kwinrulesrc"
start_kde
read -r _ _ _ h <<<"$(client)"
((h == 50)) || fail "the window rule gave a client area $h pixels high, not 50"
wait_for 5 painted || true
expect "Normál under a window rule" "a rule's least height"
shoot kde-ruled
echo "screenshots in $shots"
