#!/usr/bin/env bash
# The Windows programs' memory over a long run under wine: each program is
# started on an X display of its own making (Xvfb, no window manager, no
# wine desktop) and left alone with its clock running; its resident set and
# CPU time are read from Linux (/proc/PID/status and schedstat: a program
# under wine is one Linux process) after start-up and then once a minute.
# Halvora runs twice: as it starts ("Normál", the running title out of
# sight) and switched to "Keresés" through its right-click menu, where the
# running title is painted on every tick.
#
#   bash tools/perf/windows/working_set.sh [--minutes N] [--prefix DIR] [--no-doc] HALVORA.EXE [BASELINE.EXE]
#
# Prints one line per sample ("minute program rss_kib anon_kib file_kib
# cpu_ms") and, at the end, a Markdown report, which it also puts into
# docs/performance.md unless --no-doc. Not a test: it takes N minutes (60).
# The wine prefix (DIR, default build/windows-perf/wine-long) is made on the
# first run.
set -euo pipefail
root=$(cd "$(dirname "$0")/../../.." && pwd)

minutes=60
prefix=$root/build/windows-perf/wine-long
write_doc=1
command_line="bash tools/perf/windows/working_set.sh${*:+ $*}"
while [[ ${1:-} == --* ]]; do
    case $1 in
    --minutes)
        [[ ${2:-} =~ ^[1-9][0-9]*$ ]] || { echo "working_set: --minutes takes a whole number" >&2; exit 2; }
        minutes=$2
        shift 2
        ;;
    --prefix)
        prefix=$2
        shift 2
        ;;
    --no-doc)
        write_doc=0
        shift
        ;;
    *)
        sed -n '2,18p' "$0" >&2
        exit 2
        ;;
    esac
done
(($# >= 1 && $# <= 2)) || { sed -n '2,18p' "$0" >&2; exit 2; }
halvora=$(realpath "$1")
baseline=${2:+$(realpath "$2")}

source "$(dirname "$0")/wine_session.sh"
start_wine_session "$prefix"

# Starts a program, waits for its window; sets `started` to its process id.
start() { # exe
    "$wine_run" "$1" >/dev/null 2>&1 &
    started=$!
    wait_for_window "$started" || { echo "working_set: no window from $1" >&2; exit 1; }
}

declare -A pids
start "$halvora"
# Keresés: the third item of the menu that a right click on the today panel opens.
read -r x y < <(window_origin "$started")
xdotool mousemove $((x + 200)) $((y + 15)) click 3 sleep 0.5 key Down Down Down Return sleep 1
height=$(xwininfo -id "$(window_of "$started")" | awk '/^ *Height:/ { print $2 }')
((height > 200)) || { echo "working_set: Keresés did not open (the window is $height high)" >&2; exit 1; }
pids[halvora-keresés]=$started
start "$halvora"
pids[halvora-normál]=$started
if [[ -n $baseline ]]; then
    start "$baseline"
    pids[baseline]=$started
fi

samples=$wine_session_work/samples
sample() { # minute
    local name pid
    for name in "${!pids[@]}"; do
        pid=${pids[$name]}
        [[ -r /proc/$pid/status ]] || { echo "working_set: $name ended" >&2; exit 1; }
        echo "$1 $name $(awk '/^VmRSS:/ { r = $2 } /^RssAnon:/ { a = $2 } /^RssFile:/ { f = $2 }
            END { print r, a, f }' "/proc/$pid/status") $(process_cpu_ms "$pid")"
    done | sort -k2 | tee -a "$samples"
}

sleep 5
sample 0
for ((minute = 1; minute <= minutes; minute++)); do
    sleep 60
    sample "$minute"
done

report=$wine_session_work/report.md
{
    echo "Measured $(date -u '+%Y-%m-%d %H:%M UTC') with \`$command_line\` on $(nproc) cores of"
    echo "$(awk -F': ' '/^model name/ { print $2; exit }' /proc/cpuinfo) ($(uname -sr), $(wine --version 2>/dev/null))."
    echo
    echo "| Program | Resident after start-up | after $minutes min | of which private, start → end | CPU per minute over the run |"
    echo "|---|---|---|---|---|"
    awk -v last="$minutes" '
        $1 == 0 { rss0[$2] = $3; anon0[$2] = $4; cpu0[$2] = $6 }
        $1 == last { rss[$2] = $3; anon[$2] = $4; cpu[$2] = $6 }
        END {
            for (name in rss)
                printf "| %s | %d KiB | %d KiB | %d → %d KiB | %.1f ms |\n", name, rss0[name],
                    rss[name], anon0[name], anon[name], (cpu[name] - cpu0[name]) / last
        }' "$samples" | sort
} >"$report"
echo
cat "$report"
((write_doc == 0)) || write_figures "$root/docs/performance.md" "$report" tools/perf/windows/working_set.sh
