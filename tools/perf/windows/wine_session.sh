# Shared by the Windows measurements: sourced, not run. start_wine_session
# brings up an X display of its own (Xvfb, 1280 x 800 at 96 dots per inch,
# no window manager) and a wine prefix without wine's virtual desktop, so
# that every top-level window of a Windows program is an X window of its own
# that the X server can watch. Its wine server is kept running until the end
# (wine_session_server), so that no measured start pays for starting it.
# stop_wine_session takes both down, and so does the end of the shell.

wine_session_work=$(mktemp -d)
wine_session_display=""
wine_session_server=""
wine_run=$(cd "$(dirname "${BASH_SOURCE[0]}")/../../../scripts" && pwd)/wine.sh

stop_wine_session() {
    [[ -z ${WINEPREFIX:-} ]] || timeout 10 wineserver -k 2>/dev/null || true
    local pid
    for pid in $wine_session_server $wine_session_display; do
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    wine_session_server="" wine_session_display=""
}
trap 'stop_wine_session; rm -rf "$wine_session_work"' EXIT

# Usage: start_wine_session PREFIX
start_wine_session() {
    local tool
    for tool in Xvfb wine wineserver xdotool xwininfo; do
        command -v "$tool" >/dev/null || { echo "$tool is not installed" >&2; exit 1; }
    done
    # -noreset: without it the server resets whenever its last client leaves,
    # and the next program waits for it.
    local display tries
    display=$(mktemp -p "$wine_session_work") # sessions may start side by side
    Xvfb -displayfd 3 -screen 0 1280x800x24 -dpi 96 -nolisten tcp -noreset \
        3>"$display" >/dev/null 2>&1 &
    wine_session_display=$!
    for ((tries = 100; tries > 0; tries--)); do
        [[ -s $display ]] && break
        sleep 0.1
    done
    [[ -s $display ]] || { echo "Xvfb did not start" >&2; exit 1; }
    export DISPLAY=":$(head -n1 "$display")"
    export WINEPREFIX=$1 WINEDEBUG=-all
    mkdir -p "$(dirname "$WINEPREFIX")"
    "$wine_run" reg delete 'HKCU\Software\Wine\Explorer' /v Desktop /f >/dev/null 2>&1 || true
    # Debian keeps wine's own fonts where wine 8 does not look for them.
    cp -n /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
    # The server the line above started must be gone before the session's own
    # starts, or that one finds it still there and ends at once.
    timeout 10 wineserver -k 2>/dev/null || true
    timeout 10 wineserver -w 2>/dev/null || true
    wineserver -f -p &
    wine_session_server=$!
    sleep 0.5
    kill -0 "$wine_session_server" 2>/dev/null || { echo "the wine server did not start" >&2; exit 1; }
}

# The process's CPU time so far, all its threads, in ms (the scheduler's own
# account in nanoseconds: /proc/PID/stat counts in 10 ms ticks).
process_cpu_ms() { # pid
    cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{ ns += $1 } END { printf "%.1f", ns / 1e6 }'
}

# The first mapped X window of the process that wine made for it.
window_of() { # pid
    local window
    for window in $(xdotool search --onlyvisible --pid "$1" 2>/dev/null); do
        echo "$window"
        return 0
    done
    return 1
}

wait_for_window() { # pid
    local tries
    for ((tries = 300; tries > 0; tries--)); do
        window_of "$1" >/dev/null && return 0
        kill -0 "$1" 2>/dev/null || return 1
        sleep 0.1
    done
    return 1
}

# "x y" of the process's window on the screen.
window_origin() { # pid
    xwininfo -id "$(window_of "$1")" |
        awk '/Absolute upper-left X/ { x = $NF } /Absolute upper-left Y/ { y = $NF } END { print x, y }'
}

# Puts a report between its two marker lines in a Markdown file (at its end
# the first time), leaving the rest as it is.
write_figures() { # doc report name
    local begin="<!-- figures from $3: begin -->" end="<!-- figures from $3: end -->"
    grep -qF "$begin" "$1" || printf '\n%s\n%s\n' "$begin" "$end" >>"$1"
    awk -v begin="$begin" -v end="$end" -v report="$2" '
        $0 == begin { print; while ((getline line < report) > 0) print line; skipping = 1; next }
        $0 == end { skipping = 0 }
        !skipping { print }' "$1" >"$wine_session_work/doc" && cp "$wine_session_work/doc" "$1"
}
