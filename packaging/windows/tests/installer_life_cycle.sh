#!/usr/bin/env bash
# The Windows installer's whole life under wine, as the user and the system
# see it: a silent install for the user alone; the program, its uninstaller,
# the Start-menu shortcut and the entry in the installed-programs list where
# Windows keeps them, and nothing outside the user's own; the program started
# from that shortcut (its window, and the file its process runs, read by the
# probe); an uninstall, and an install again, refused while the program runs;
# installed again once it has closed; a silent uninstall, as the
# installed-programs list would run it. Then the same through the pages, in
# Hungarian, as a user clicks through them: the installer's, which start the
# program at the end, and the uninstaller's, from the installed-programs list,
# each page on a screenshot. After both, once the system has started again,
# nothing is left behind, in files or registry.
#
# Usage: installer_life_cycle.sh INSTALLER PROGRAM PROBE PREFIX SCREENSHOT_DIR
# PROGRAM is the executable the installer ships. Exits 77 (skipped) when a
# display, wine or an X tool is missing.
installer=$1
program=$2
probe=$3
prefix=$4
shots=$5
# A shortcut made in wine's Start menu would become a menu entry of the Linux desktop.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
source "$(dirname "$0")/../../../win32/tests/wine_desktop.sh"
need Xvfb wine winepath xdotool import convert
mkdir -p "$shots"
rm -f "$shots"/*.png # the folder is this test's own

fail() {
    echo "FAIL: $*" >&2
    timeout 10 import -window root "$shots/installer-failure.png" 2>/dev/null
    exit 1
}

win() { "$wine_run" "$@" 2>/dev/null | tr -d '\r'; }
# A folder as the system names it: LOCALAPPDATA, APPDATA, TEMP.
folder() { win cmd /c echo "%$1%"; }
unix_path() { winepath -u "$1" 2>/dev/null; }
seen() { timeout 10 "$wine_run" "$probe" | tr -d '\r'; }
halvora_shows() { seen | grep -q '^window HalvoraForm1 .*visible=1'; }
halvora_gone() { ! seen | grep -q '^window HalvoraForm1'; }
# A page of the installer or the uninstaller, by the button that goes on from it.
page_shows() { seen | tr -d "&" | grep -qx "button \"$1\""; }
# A window of the class (the program's, or a dialog's: #32770), with a little
# of the screen around it.
shoot() { # class name
    local x y w h
    IFS=, read -r x y w h <<<"$(seen | sed -n "s/^window $1 .* outer=\([-0-9,]*\) .*visible=1/\1/p" | head -n1)"
    timeout 10 import -window root "$wine_work/root.png"
    convert "$wine_work/root.png" -crop "$((w + 16))x$((h + 16))+$((x > 8 ? x - 8 : 0))+$((y > 8 ? y - 8 : 0))" \
        +repage "$shots/$2.png"
}

start_wine_desktop "$prefix"
home="$(folder LOCALAPPDATA)\\Programs\\Halvora"
shortcut="$(folder APPDATA)\\Microsoft\\Windows\\Start Menu\\Programs\\Halvora.lnk"
key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Halvora'
profile=$(unix_path "$(folder USERPROFILE)")
[[ -d $profile ]] || fail "no user profile in the prefix"

# An earlier run that failed may have left an installation, the list's empty
# key or the uninstaller's copy in the prefix, which is the test's own: they go first.
rm -rf "$(unix_path "$home")" "$(unix_path "$shortcut")" "$(unix_path "$(folder TEMP)")"/~nsu*
rmdir "$(unix_path "$(folder LOCALAPPDATA)\\Programs")" 2>/dev/null
win reg delete "${key%\\*}" /f >/dev/null

# Every file of drive C: and every registry value, one line each, read with
# the wine server stopped, which then has written the registry out. A key's
# line carries the time it was last written, and the display driver's date
# changes at every start: both are left out.
snapshot() { # name
    timeout 30 wineserver -k
    timeout 30 wineserver -w
    (cd "$WINEPREFIX/drive_c" && find . | sort | sed 's/^/file /') >"$wine_work/$1"
    for hive in HKCU:user HKLM:system; do
        sed -e 's/^\(\[.*\]\) [0-9]*$/\1/' -e '/^#time=/d' -e '/^"DriverDateData"=/d' \
            -e "s/^/${hive%:*} /" "$WINEPREFIX/${hive#*:}.reg" >>"$wine_work/$1"
    done
}
# What changed from one snapshot to the other: "< line" gone, "> line" new.
changes() { diff "$wine_work/$1" "$wine_work/$2" | grep '^[<>]'; }

# A new prefix registers its display on the first start of a window: that
# happens before the first snapshot, so that it is not taken for the install's.
seen >/dev/null
snapshot before
"$wine_run" "$installer" /S >/dev/null 2>&1
status=$?
((status == 0)) || fail "the silent install ended with $status"
install_dir=$(unix_path "$home")
[[ $(ls "$install_dir" | tr '\n' ' ') == "eltavolito.exe halvora.exe " ]] ||
    fail "the program's folder holds: $(ls "$install_dir")"
cmp -s "$program" "$install_dir/halvora.exe" || fail "the installed program is not the one shipped"
[[ -f $(unix_path "$shortcut") ]] || fail "no Start-menu shortcut at $shortcut"

# The entry in the installed-programs list, as the system lists it.
[[ $(win uninstaller --list) == *'Halvora|||Halvora'* ]] || fail "Halvora is not in the installed-programs list"
value() { win reg query "$key" /v "$1" | sed -n "s/^ *$1 *REG_[A-Z]* *//p"; }
while IFS='|' read -r name wanted; do
    [[ $(value "$name") == "$wanted" ]] || fail "the entry's $name is \"$(value "$name")\", not \"$wanted\""
done <<EOF
DisplayName|Halvora
DisplayVersion|1.00
Publisher|Dorvanta
DisplayIcon|$home\\halvora.exe,0
InstallLocation|$home
UninstallString|"$home\\eltavolito.exe"
QuietUninstallString|"$home\\eltavolito.exe" /S
NoModify|0x1
NoRepair|0x1
EOF

# For the user alone: no administrator asked, and nothing written outside the
# user's own files and registry.
[[ $(strings "$installer") == *'<requestedExecutionLevel level="asInvoker"'* ]] ||
    fail "the installer asks for an administrator"
snapshot installed
outside=$(changes before installed | grep -v -e "^> file ./users/$(basename "$profile")/" -e '^> HKCU ')
[[ -z $outside ]] || fail "the install changed what is not the user's own: $outside"

# Started from its shortcut, the program runs from where it was installed.
"$wine_run" start "$shortcut" >/dev/null 2>&1
wait_for 20 halvora_shows || fail "the shortcut started no Halvora window"
[[ $(seen | sed -n 's/^program "\(.*\)"/\1/p') == "$home\\halvora.exe" ]] ||
    fail "the window's program is $(seen | sed -n 's/^program //p'), not the installed one"
shoot HalvoraForm1 windows-installed

# While it runs, the uninstaller (here run in place, so that its answer is
# seen) gives up and takes nothing away.
"$wine_run" "$home\\eltavolito.exe" /S "_?=$home" >/dev/null 2>&1
status=$?
((status != 0)) || fail "uninstalling the running program reported success"
[[ -f $install_dir/halvora.exe && -f $install_dir/eltavolito.exe && -f $(unix_path "$shortcut") ]] ||
    fail "an uninstall that gave up took files away"
[[ -n $(value DisplayName) ]] || fail "an uninstall that gave up took the list's entry away"

# Nor can it be installed again over itself while it runs: the installer
# says so by its exit code. Once the program has closed (as from its title
# bar), installing again replaces it, and the list still holds one entry.
"$wine_run" "$installer" /S >/dev/null 2>&1
status=$?
((status != 0)) || fail "installing over the running program reported success"
win taskkill /im halvora.exe >/dev/null
wait_for 10 halvora_gone || fail "the program did not close"
"$wine_run" "$installer" /S >/dev/null 2>&1
status=$?
((status == 0)) || fail "installing again ended with $status"
cmp -s "$program" "$install_dir/halvora.exe" || fail "installed again, the program is not the one shipped"
[[ $(win reg query "${key%\\*}" /s | grep -c DisplayName) == 1 ]] ||
    fail "installed again, the list holds more than one entry"

# Uninstalled silently, as the list does it.
[[ $(value QuietUninstallString) =~ ^\"(.*)\"\ (.*)$ ]] || fail "no quiet uninstall command"
"$wine_run" "${BASH_REMATCH[1]}" "${BASH_REMATCH[2]}" >/dev/null 2>&1
gone() { [[ ! -e $install_dir && ! -e $(unix_path "$shortcut") && -z $(value DisplayName) ]]; }
wait_for 20 gone || fail "the silent uninstall left: $(ls "$install_dir" 2>&1)"
[[ $(win uninstaller --list) != *Halvora* ]] || fail "Halvora is still in the installed-programs list"

# Through the installer's pages: Tovább, Telepítés, and Befejezés, which
# starts the program, as its box is ticked.
"$wine_run" "$installer" >/dev/null 2>&1 &
for step in "Tovább >:windows-installer-welcome" "Telepítés:" "Befejezés:windows-installer-finish"; do
    wait_for 20 page_shows "${step%%:*}" || fail "no installer page with \"${step%%:*}\""
    [[ $(seen) == *'window #32770 "Halvora Telepítő'* ]] || fail "the installer's title: $(seen | grep '#32770')"
    [[ -z ${step#*:} ]] || shoot '#32770' "${step#*:}"
    timeout 5 xdotool key Return
done
wait_for 20 halvora_shows || fail "the installer's last page started no Halvora window"
[[ $(seen | sed -n 's/^program "\(.*\)"/\1/p') == "$home\\halvora.exe" ]] ||
    fail "the installer started $(seen | sed -n 's/^program //p')"
win taskkill /im halvora.exe >/dev/null
wait_for 10 halvora_gone || fail "the program did not close"

# Removed from the installed-programs list, through the uninstaller's pages.
"$wine_run" uninstaller --remove Halvora >/dev/null 2>&1 &
for step in "Eltávolítás:windows-uninstaller" "Bezárás:"; do
    wait_for 20 page_shows "${step%%:*}" || fail "no uninstaller page with \"${step%%:*}\""
    [[ $(seen) == *'window #32770 "Halvora Eltávolító'* ]] || fail "the uninstaller's title: $(seen | grep '#32770')"
    [[ -z ${step#*:} ]] || shoot '#32770' "${step#*:}"
    timeout 5 xdotool key Return
done
wait_for 20 gone || fail "the uninstall through its pages left: $(ls "$install_dir" 2>&1)"

# The uninstaller's own copy, which cannot delete itself, goes when the
# system starts again; then nothing at all is left.
timeout 30 wineserver -w
timeout 60 "$wine_run" wineboot --restart >/dev/null 2>&1
snapshot after
left=$(changes before after)
[[ -z $left ]] || fail "the uninstalls left behind: $left"
echo "installed, started, refused while running, uninstalled, silently and through the pages; nothing left"
