#!/usr/bin/env bash
# The real program under real window managers, driven as a person drives it:
# pointer drags of the border in few and many motions, another program's
# resize, maximize and restore, in each view mode and again and again, for a
# race shows only sometimes. After each the window must stand at its mode's
# size, centred at the top of the screen, and be painted to its bottom edge.
# Openbox draws maximize and minimize buttons whatever a window asks; xfwm4
# honours the window's wish to have neither; KWin makes no client area lower
# than its title bar. Screenshots of each view mode are left for a person to
# look at.
#
# Usage: window_managers.sh PROGRAM SCREENSHOT_DIR openbox|xfwm4|kwin_x11
# Exits 77 (skipped) when a display, window manager or X tool is missing.
program=$1
shots=$2
wm=$3
source "$(dirname "$0")/desktop.sh"
need Xvfb "$wm" xdotool xwininfo xprop wmctrl import convert
mkdir -p "$shots"
rm -f "$shots/$wm"-*.png "$shots/failure.png"

# Presses on an edge ("bottom" or "right") and moves by each offset in turn.
drag() {
    local edge=$1 pause=$2 x y w h px py offset
    shift 2
    read -r x y w h <<<"$(outer)"
    if [[ $edge == bottom ]]; then px=$((x + w / 2)) py=$((y + h - 1)); else px=$((x + w - 1)) py=$((y + h / 2)); fi
    timeout 5 xdotool mousemove $px $py sleep 0.2 mousedown 1
    for offset in "$@"; do
        if [[ $edge == bottom ]]; then xdotool mousemove $px $((py + offset)); else xdotool mousemove $((px + offset)) $py; fi
        sleep "$pause"
    done
    timeout 5 xdotool mouseup 1
}
maximize_and_restore() {
    if [[ $wm == openbox ]]; then
        # The maximize button, left of the close button.
        read -r x y w _ <<<"$(outer)"
        for _ in 1 2 3; do
            timeout 5 xdotool mousemove $((x + w - 27)) $((y + 9)) sleep 0.2 click 1
            settle
        done
    else
        wmctrl -i -r "$window" -b add,maximized_vert,maximized_horz
        settle
        wmctrl -i -r "$window" -b remove,maximized_vert,maximized_horz
    fi
}
actions=(
    "drag bottom 0.05 13 33" "drag bottom 0.05 13 33" "drag bottom 0.05 13 33"
    "drag bottom 0.005 10 40 80 120" "drag bottom 0.02 $(seq -s ' ' 3 3 45)"
    "drag right 0.05 20 60"
    'xdotool windowsize "$window" 1280 800' maximize_and_restore
)

start_desktop "$wm"
if [[ $wm == openbox ]]; then
    # The program runs from a copy in a directory whose name is not UTF-8,
    # beside its help file, with a stand-in for xdg-open that notes the path
    # it is given and finds nothing to open it with, as on a desktop without
    # a viewer for the help file.
    home="$work/hal"$'\xff'"vora"
    mkdir "$home" "$work/bin"
    cp "$program" "$home/halvora"
    : >"$home/tartalom.hlp"
    printf '#!/bin/sh\nprintf %%s "$1" >"$0.path"\nexit 3\n' >"$work/bin/xdg-open"
    chmod +x "$work/bin/xdg-open"
    program="$home/halvora" start_program PATH="$work/bin:$PATH"
else
    start_program
fi
hints=$(xprop -id "$window" _MOTIF_WM_HINTS | sed 's/.*= //; s/,//g')
read -r flags functions _ <<<"$hints"
(((flags & 1) == 1 && (functions & 0x18) == 0)) || fail "hints allow minimize or maximize: $hints"
settle
expect mini "start"
shoot "$wm-mini"
# Normál, Keresés, Csak címsor: the places of the items in the menu.
for mode in mini teljes cimsor; do
    case $mode in mini) downs=2 ;; teljes) downs=3 ;; cimsor) downs=1 ;; esac
    choose 2 Menu # from Normál: Csak címsor from a wider window falls back to it
    choose $downs
    # A title bar alone higher than 410 twips falls back to mini at once.
    read -r _ _ top bottom <<<"$(xprop -id "$window" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')"
    if [[ $mode == cimsor ]] && (((top + bottom + 1) * 15 > 410)); then
        expect mini "a title bar of $((top + bottom)) pixels alone"
        continue
    fi
    expect $mode "chosen"
    [[ $mode == mini ]] || shoot "$wm-$mode"
    for action in "${actions[@]}"; do
        # Each action ends in a fall-back to mini; with the title bar alone
        # only the keyboard reaches the menu.
        [[ $mode == cimsor ]] && choose 1 shift+F10
        eval "$action"
        settle
        expect "$([[ $mode == cimsor ]] && echo mini || echo $mode)" "$mode, $action"
    done
done
[[ $wm == openbox ]] || exit 0

# The about box: borderless, 660 and 640 twips (44 and 43 pixels) from the
# main window's corner; a click on its contents closes it, a right click or
# one on its margin does not. Shown again while open, it stays where it is.
choose 3
about_open() { xdotool search --onlyvisible --name '^Névjegy$'; }
choose 5
wait_for 5 about_open || fail "the about box did not open"
about=$(about_open | head -n1)
read -r x y _ _ <<<"$(outer)"
read -r ax ay aw ah <<<"$(client "$about")"
((ax == x + 44 && ay == y + 43 && aw == 312 && ah == 207)) || fail "about box ${aw}x$ah at $ax,$ay"
shoot about 250
choose 5
timeout 5 xdotool mousemove $((ax + 2)) $((ay + 100)) click 1 mousemove $((ax + 163)) $((ay + 100)) click 3
sleep 0.5
[[ $(about_open) == "$about" && $(client "$about") == "$ax $ay $aw $ah" ]] ||
    fail "the about box moved or closed"
timeout 5 xdotool key Escape mousemove $((ax + 163)) $((ay + 100)) click 1
wait_for 5 sh -c "! xdotool search --onlyvisible --name '^Névjegy\$'" || fail "a click did not close the about box"

# Súgó, Tartalom: the file beside the program reaches the launcher byte for
# byte; the launcher's failure ends in the program's message.
choose 4
timeout 5 xdotool key Return
wait_for 5 test -e "$work/bin/xdg-open.path" || fail "Súgó, Tartalom started no launcher"
cmp -s "$work/bin/xdg-open.path" <(printf %s "$home/tartalom.hlp") ||
    fail "the launcher was given $(od -c "$work/bin/xdg-open.path"), not the file beside the program"
boxes() { (($(xdotool search --onlyvisible --name '^Halvora$' | wc -l) == $1)); }
wait_for 5 boxes 2 || fail "no message when nothing opens the help file"
shoot help-message 100
timeout 5 xdotool key Return
wait_for 5 boxes 1 || fail "the message did not close"

# The title bar alone carries the today panel's summary.
choose 1
title=$(xdotool getwindowname "$window")
[[ "$title" =~ ^[0-9]{4}\.\ \ [^\ ].*\ \ \ [0-9]{1,2}\.\ \ .+\ \ [0-9]{2}.[0-9]{2}\ \  ]] ||
    fail "the title bar does not carry the summary: \"$title\""

# Kilépés, the menu's last item, ends the program.
wait_for 5 timeout 5 xdotool windowactivate --sync "$window"
timeout 5 xdotool key Menu && wait_for 5 menu_open && timeout 5 xdotool key Up Return
wait_for 5 sh -c "! kill -0 ${pids[-1]}" || fail "Kilépés did not end the program"

# At twice the scale the window manager's title bar stays as it was, so more
# of the client area fits into the same outer height: nothing of the search
# panels may show below the today panel (which ends at 375 twips, 50 pixels).
stop_all
start_desktop "$wm"
start_program QT_SCALE_FACTOR=2
settle
shoot scaled-mini
read -r _ _ w h <<<"$(client)"
brighter "$(darkest 0 52 "$w" $((h - 52)))" 0.8 || fail "at 2x the today panel's mode shows more than it"
echo "screenshots in $shots"
