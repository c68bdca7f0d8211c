#!/usr/bin/env bash
# The real Windows program under wine, driven as a person drives it (the mouse
# and the keyboard through the X server), with what it shows read by a
# separate probe program, as another Windows program sees its windows: start
# in the today panel's mode at the top centre, the three modes through the
# right-click menu and the keyboard, drags of the border, both searches with
# each of their messages, the Tab order, the about box, the help's messages,
# the today panel on a Hungarian and on an English system, and the exit.
# Screenshots of each view are left for a person to look at.
#
# Usage: real_window.sh PROGRAM PROBE PREFIX SCREENSHOT_DIR
# Exits 77 (skipped) when a display, wine or an X tool is missing.
program=$1
probe=$2
prefix=$3
shots=$4
source "$(dirname "$0")/wine_desktop.sh"
need Xvfb wine xdotool import convert
mkdir -p "$shots"
rm -f "$shots"/windows-*.png "$shots/failure.png"

fail() {
    echo "FAIL: $*" >&2
    timeout 10 import -window root "$shots/failure.png" 2>/dev/null
    echo "the probe saw:" >&2
    seen >&2
    exit 1
}

seen() { timeout 10 "$wine_run" "$probe" | tr -d '\r'; }
# The outer rectangle of the program's window of a class: "x y w h".
outer() { seen | sed -n "s/^window $1 .* outer=\([-0-9]*\),\([-0-9]*\),\([0-9]*\),\([0-9]*\) .*visible=1/\1 \2 \3 \4/p" | head -n1; }
title() { seen | sed -n 's/^window HalvoraForm1 "\(.*\)" outer=.*/\1/p'; }
# A control's text, by its number.
text_of() { seen | sed -n "s/^control [A-Za-z]* id=$1 \"\(.*\)\" at=.*/\1/p" | head -n1; }
field() { seen | sed -n "s/^control [A-Za-z]* id=$1 .* $2=\([-0-9,]*\).*/\1/p" | head -n1; }
message() { seen | sed -n 's/^message "\(.*\)"/\1/p'; }
focused() { seen | sed -n 's/^focus [A-Za-z0-9]* id=\([0-9]*\)/\1/p'; }
menu_open() { seen | grep -q '^window #32768 '; }
menu_closed() { ! menu_open; }
message_open() { [[ -n $(message) ]]; }
message_closed() { ! message_open; }
shows() { [[ -n $(outer "$1") ]]; }
gone() { ! shows "$1"; }

# Waits until the main window stands still.
settle() {
    local last="" now stable=0
    for ((tries = 60; tries > 0; tries--)); do
        now=$(outer HalvoraForm1)
        [[ -n $now && $now == "$last" ]] && ((++stable >= 3)) && return 0
        [[ $now == "$last" ]] || stable=0 last=$now
        sleep 0.1
    done
    fail "the window does not settle: $last"
}

# The window's mode by its size: 6000 twips wide (400 pixels at 96 dots per
# inch), at the top of the 1280-pixel screen, centred; mini 900 twips high,
# teljes 4500, cimsor the title bar alone, at most 410.
expect() {
    local mode=$1 why=$2 width=${3:-400} x y w h
    read -r x y w h <<<"$(outer HalvoraForm1)"
    ((y == 0)) || fail "$why: $mode not at the top: $x $y $w $h"
    ((x == (1280 - w) / 2)) || fail "$why: $mode not centred: $x $y $w $h"
    ((w == width)) || fail "$why: $mode is $w wide, not $width"
    case $mode in
    mini) ((h == 60)) || fail "$why: mini is ${w}x$h, not 400x60" ;;
    teljes) ((h == 300)) || fail "$why: teljes is ${w}x$h, not 400x300" ;;
    cimsor) ((h * 15 <= 410)) || fail "$why: cimsor is ${w}x$h" ;;
    esac
    if [[ $mode == cimsor ]]; then
        [[ $(title) =~ ^[0-9]{4}\.\ \ [^\ ].*\ \ \ [0-9]{1,2}\.\ \ .+\ \ [0-9]{2}:[0-9]{2}\ \ .* ]] ||
            fail "$why: the title bar does not carry the summary: \"$(title)\""
    else
        [[ $(title) == Halvora ]] || fail "$why: caption \"$(title)\""
    fi
}

# The main window with a little of the screen around it, and whatever other
# windows are named (the about box, a message box), on one picture.
shoot() { # name [class...]
    local left=1280 top=800 right=0 bottom=0 x y w h class
    for class in HalvoraForm1 "${@:2}"; do
        read -r x y w h <<<"$(outer "$class")"
        [[ -n $x ]] || continue
        ((x < left)) && left=$x
        ((y < top)) && top=$y
        ((x + w > right)) && right=$((x + w))
        ((y + h > bottom)) && bottom=$((y + h))
    done
    left=$((left > 8 ? left - 8 : 0)) top=$((top > 8 ? top - 8 : 0))
    timeout 10 import -window root "$wine_work/root.png"
    convert "$wine_work/root.png" -crop "$((right + 8 - left))x$((bottom + 8 - top))+$left+$top" \
        +repage "$shots/windows-$1.png"
}

# The centre of a control, in screen pixels.
centre_of() {
    local x y w h
    IFS=, read -r x y w h <<<"$(field "$1" at)"
    echo "$((x + w / 2)) $((y + h / 2))"
}
click_on() { # control [button]
    local x y
    read -r x y <<<"$(centre_of "$1")"
    timeout 5 xdotool mousemove "$x" "$y" sleep 0.1 click "${2:-1}"
    sleep 0.3
}

# Opens the popup menu with a right click on the clock, or with the given
# keys, and picks an item by Down presses from the top.
choose() {
    local downs=$1 keys=${2:-}
    if [[ -n $keys ]]; then
        timeout 5 xdotool key "$keys"
    else
        click_on 202 3
    fi
    wait_for 5 menu_open || fail "no popup menu (${keys:-right click})"
    for ((i = 0; i < downs; i++)); do
        timeout 5 xdotool key Down
    done
    timeout 5 xdotool key Return
    sleep 0.3
    settle
}
# The menu's items, from the top: 1 Csak címsor, 2 Normál, 3 Keresés, 4 Súgó,
# 5 Névjegy, 6 Kilépés.

# A message box is the program's: titled Halvora, saying `text`; Enter closes it.
answer() {
    local text=$1 why=$2
    wait_for 5 message_open || fail "$why: no message \"$text\""
    [[ $(message) == "$text" ]] || fail "$why: the message says \"$(message)\", not \"$text\""
    seen | grep -q '^window #32770 "Halvora"' || fail "$why: the message box's title"
    [[ ${shot_message:-} ]] || { shoot message '#32770'; shot_message=1; }
    timeout 5 xdotool key Return
    wait_for 5 message_closed || fail "$why: the message did not close"
}

# Replaces the text of a list's field with `text` (plain ASCII: the keys of
# the display's layout), then presses Enter, which searches.
type_into() { # list text
    click_on "$1"
    timeout 5 xdotool key Home shift+End BackSpace
    [[ -n $2 ]] && timeout 5 xdotool type --delay 30 "$2"
    sleep 0.2
}

# Today as each system names it: Hungarian, or English that the program translates.
today_as_shown() {
    local months=(január február március április május június július augusztus szeptember október november december)
    local hungarian=(hétfő kedd szerda csütörtök péntek szombat vasárnap)
    local english=(Hétfõ Kedd Szerda Csütörtök Péntek Szombat Vasárnap)
    local month weekday
    month=$(date +%-m) weekday=$(date +%u)
    [[ $1 == hu ]] && weekday=${hungarian[weekday - 1]} || weekday=${english[weekday - 1]}
    echo "$(date +%Y). |${months[month - 1]}| $(date +%-d).|$weekday"
}

start_program() { # locale folder
    LC_ALL=$1 "$wine_run" "$2/halvora.exe" >"$wine_work/halvora.log" 2>&1 &
    halvora=$!
    wait_for 20 shows HalvoraForm1 || fail "no Halvora window: $(cat "$wine_work/halvora.log")"
    settle
}
stop_program() {
    kill "$halvora" 2>/dev/null
    wait "$halvora" 2>/dev/null
}

start_wine_desktop "$prefix"
# On an English system the program runs from a folder whose name is not plain
# ASCII, without a help file; wine reads such a name only with a UTF-8
# locale of the system's, and the Hungarian one may be missing there (wine
# knows its names by itself): on a Hungarian system it runs from another.
home="$wine_work/Halvóra ő"
mkdir -p "$home" "$wine_work/hu"
cp "$program" "$home/halvora.exe"
cp "$program" "$wine_work/hu/halvora.exe"
help_file="Z:$(echo "$home" | tr / '\\')\\tartalom.hlp"

for system in hu en; do
    if [[ $system == hu ]]; then
        start_program hu_HU.UTF-8 "$wine_work/hu"
    else
        start_program C.UTF-8 "$home"
    fi
    expect mini "start, $system"
    wanted=$(today_as_shown $system)
    shown="$(text_of 204)|$(text_of 200)|$(text_of 205)|$(text_of 201)"
    [[ $shown == "$wanted" ]] || [[ $shown == "$(today_as_shown $system)" ]] ||
        fail "$system: the today panel shows \"$shown\", not \"$wanted\""
    [[ $(text_of 203) == *" napja" && $(text_of 202) =~ ^[0-9]{2}:[0-9]{2}$ ]] ||
        fail "$system: names \"$(text_of 203)\", clock \"$(text_of 202)\""
    [[ $system == en ]] || stop_program
done
shoot mini

# The modes through the right-click menu, again and again: a race shows only sometimes.
for round in 1 2; do
    choose 3
    expect teljes "Keresés, round $round"
    [[ $(focused) == 101 ]] || fail "Keresés: the focus is on $(focused), not on the first option"
    choose 1
    expect cimsor "Csak címsor, round $round"
    # With the title bar alone only the keyboard reaches the menu.
    choose 2 shift+F10
    expect mini "Normál from Shift+F10, round $round"
done
choose 1 Menu
expect cimsor "Csak címsor from the menu key"
shoot cimsor
timeout 5 xdotool key shift+F10
wait_for 5 menu_open || fail "Shift+F10 opened no menu"
timeout 5 xdotool key Escape
wait_for 5 menu_closed || fail "Esc did not close the menu"
choose 2 shift+F10
expect mini "Normál"

# Drags of the border: left alone while the button is held, then back to the
# mode's size at the top centre; the whole window keeps any size it is given.
drag() { # edge pause offsets...
    local edge=$1 pause=$2 x y w h px py offset
    shift 2
    read -r x y w h <<<"$(outer HalvoraForm1)"
    if [[ $edge == bottom ]]; then px=$((x + w / 2)) py=$((y + h - 2)); else px=$((x + w - 2)) py=$((y + h / 2)); fi
    timeout 5 xdotool mousemove $px $py sleep 0.2 mousedown 1
    for offset in "$@"; do
        if [[ $edge == bottom ]]; then xdotool mousemove $px $((py + offset)); else xdotool mousemove $((px + offset)) $py; fi
        sleep "$pause"
    done
    held=$(outer HalvoraForm1)
    timeout 5 xdotool mouseup 1
    sleep 0.3
    settle
}
for round in 1 2 3; do
    drag bottom 0.1 15 40
    read -r x _ _ h <<<"$held"
    ((h == 100 && x == 440)) || fail "a drag, round $round: held at $held, not left alone at 440 x 100"
    expect mini "after a bottom drag, round $round"
done
drag bottom 0.01 5 10 20 30 40 50 60 70
expect mini "after a quick drag of many motions"
choose 3
drag right 0.1 40 100
expect teljes "after a right drag" 500
drag right 0.1 -100
expect teljes "after a drag back" 400

# Tab through the controls: the order of the design, past the disabled name list.
click_on 101
for id in 102 103 104 106 107 101; do
    timeout 5 xdotool key Tab
    sleep 0.1
    [[ $(focused) == "$id" ]] || fail "Tab: the focus is on $(focused), not on $id"
done

# Search by date: the answer, and each message with what it empties.
click_on 106
[[ $(text_of 210) == Fruzsina ]] || fail "január 1 gives \"$(text_of 210)\""
type_into 103 Marcius
click_on 106
answer "Ilyen hónap nem létezik!" "a month typed without its accent"
[[ -z $(text_of 103) ]] || fail "the month list's text stays: $(text_of 103)"
click_on 106
answer "Állíts be egy dátumot!" "an empty month"
click_on 103
# Down walks the list's items (from which one on, the system decides): to február.
for ((downs = 0; downs < 3 && $(field 103 items) == 12; downs++)); do
    timeout 5 xdotool key Down
    [[ $(text_of 103) == február ]] && break
done
[[ $(text_of 103) == február ]] || fail "Down picks \"$(text_of 103)\", not február"
timeout 5 xdotool key Tab # leaving the month list fits the day list to it
sleep 0.3
[[ $(field 104 items) == 28 ]] || fail "the day list holds $(field 104 items) days for február"
timeout 5 xdotool type 30
timeout 5 xdotool key Return
answer "Ilyen nap nem létezik!" "február 30"
[[ -z $(text_of 104) ]] || fail "the day list's text stays: $(text_of 104)"
timeout 5 xdotool type 14
timeout 5 xdotool key Return
sleep 0.3
[[ $(text_of 210) == "Bálint, Valentin" ]] || fail "február 14 gives \"$(text_of 210)\""
shoot teljes

# Search by name.
click_on 102
[[ $(field 105 enabled) == 1 && $(field 103 enabled) == 0 && -z $(text_of 210) ]] ||
    fail "the name search is not the active one"
click_on 106
answer "Válassz nevet a listából!" "an empty name"
type_into 105 abel
timeout 5 xdotool key Return
answer "Ilyen név nem létezik!" "a name in lower case"
click_on 105
timeout 5 xdotool key Down Return
sleep 0.3
[[ $(text_of 105) == Abigél && $(text_of 211) == " február 9." ]] ||
    fail "Abigél gives \"$(text_of 211)\" (the list says \"$(text_of 105)\")"
click_on 101
[[ -z $(text_of 211) && -z $(text_of 105) ]] || fail "back to the date search, the name's texts stay"

# The running title, a label the mouse goes through to the window: a click
# stops it on its still text, a double click sets it running again (once).
still='   Dorvanta ™   '
click_on 212
[[ $(text_of 212) == "$still" ]] || fail "a click left the running title at \"$(text_of 212)\""
read -r x y <<<"$(centre_of 212)"
timeout 5 xdotool mousemove "$x" "$y" sleep 0.1 click --repeat 2 --delay 80 1
sleep 0.5
[[ $(text_of 212) != "$still" ]] || fail "a double click left the running title still"

# The about box, 660 and 640 twips (44 and 43 pixels) from the window's corner;
# a click on its contents closes it.
choose 5
wait_for 5 shows HalvoraAbout || fail "no about box"
read -r x y _ _ <<<"$(outer HalvoraForm1)"
read -r ax ay aw ah <<<"$(outer HalvoraAbout)"
((ax == x + 44 && ay == y + 43 && aw == 312 && ah == 207)) || fail "the about box is ${aw}x$ah at $ax,$ay"
shoot about HalvoraAbout
timeout 5 xdotool mousemove $((ax + 150)) $((ay + 60)) click 1
wait_for 5 gone HalvoraAbout || fail "a click left the about box open"

# Help: without the file, then with it and nothing on the system that opens it.
timeout 5 xdotool key F1
answer "A súgófájl nem található: $help_file" "help without its file"
: >"$home/tartalom.hlp"
"$wine_run" reg delete 'HKCR\.hlp' /f >/dev/null 2>&1
choose 4
timeout 5 xdotool key Right Return
answer "A súgófájl nem nyitható meg: $help_file" "help that nothing opens"

# Kilépés ends the program.
click_on 107
wait_for 10 sh -c "! kill -0 $halvora" || fail "Kilépés did not end the program"
echo "screenshots in $shots"
