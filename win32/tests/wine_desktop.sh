# Shared by the tests that run Windows programs under wine: sourced, not run.
# start_wine_desktop brings up an X display of its own (Xvfb, 1280 x 800 at 96
# dots per inch) and a wine prefix whose programs show on a desktop of wine's
# own drawing (a "virtual desktop" of the display's size), where wine draws
# the window frames itself, as Windows does, and no X window manager is asked
# anything. Both are taken down on exit, whatever happens.

set -uo pipefail

wine_work=$(mktemp -d)
wine_display_pid=""
stop_wine_desktop() {
    [[ -n ${WINEPREFIX:-} ]] && timeout 10 wineserver -k 2>/dev/null
    if [[ -n $wine_display_pid ]]; then
        kill "$wine_display_pid" 2>/dev/null
        wait "$wine_display_pid" 2>/dev/null
    fi
    rm -rf "$wine_work"
}
trap stop_wine_desktop EXIT

# Exits 77 (skipped) unless every named tool is installed.
need() {
    for tool in "$@"; do
        command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
    done
}

# Polls the command every 0.1 s for up to $1 seconds.
wait_for() {
    local tries
    for ((tries = $1 * 10; tries > 0; tries--)); do
        "${@:2}" >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    return 1
}

wine_run=$(cd "$(dirname "${BASH_SOURCE[0]}")/../../scripts" && pwd)/wine.sh

# Usage: start_wine_desktop PREFIX
start_wine_desktop() {
    need Xvfb wine wineserver
    Xvfb -displayfd 3 -screen 0 1280x800x24 -dpi 96 -nolisten tcp 3>"$wine_work/display" \
        >"$wine_work/xvfb.log" 2>&1 &
    wine_display_pid=$!
    for ((tries = 100; tries > 0; tries--)); do
        [[ -s $wine_work/display ]] && break
        sleep 0.1
    done
    [[ -s $wine_work/display ]] || { echo "FAIL: Xvfb did not start" >&2; exit 1; }
    export DISPLAY=":$(head -n1 "$wine_work/display")"
    export WINEPREFIX=$(realpath -m "$1")
    local desktops='HKCU\Software\Wine\Explorer\Desktops'
    if ! "$wine_run" reg query "$desktops" /v Default >/dev/null 2>&1; then
        # Debian keeps wine's own fonts (fonts-wine) where wine 8 does not
        # look: the window frames' symbols and the system's faces come from there.
        cp -n /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null
        "$wine_run" reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
        "$wine_run" reg add "$desktops" /v Default /d 1280x800 /f >/dev/null 2>&1
        timeout 10 wineserver -k 2>/dev/null # the desktop is read when wine starts
    fi
}
