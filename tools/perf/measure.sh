#!/usr/bin/env bash
# Measures the real program against a plain Qt window with the same widgets and
# a 150 ms timer (program/ beside this script): start-up to the first frame,
# peak memory and CPU at rest, as medians over repeated runs on this machine in
# one run. Prints a Markdown report and puts it into docs/performance.md.
#
#   bash tools/perf/measure.sh [--runs N] [--cpu-runs N] [--span S] [--max-wait S] [--no-doc]
#
# --runs: start-up runs per program and display (31); --cpu-runs: CPU runs per
# program and display (5), all run side by side; --span: seconds of CPU at rest
# (60); --max-wait: how long to wait for other builds and fuzzers to end (900);
# --no-doc: print only. Not a test: it takes about two minutes once built.
set -euo pipefail
cd "$(dirname "$0")/../.."

runs=31
cpu_runs=5
span=60
warmup=5
max_wait=900
write_doc=1
command_line="bash tools/perf/measure.sh${*:+ $*}"
while (($#)); do
    case $1 in
    --runs | --cpu-runs | --span | --max-wait)
        [[ ${2:-} =~ ^[1-9][0-9]*$ ]] || {
            echo "measure: $1 takes a positive whole number" >&2
            exit 2
        }
        case $1 in
        --runs) runs=$2 ;;
        --cpu-runs) cpu_runs=$2 ;;
        --span) span=$2 ;;
        --max-wait) max_wait=$2 ;;
        esac
        shift 2
        ;;
    --no-doc)
        write_doc=0
        shift
        ;;
    *)
        sed -n '2,13p' "$0" >&2
        exit 2
        ;;
    esac
done

say() { echo "== $*" >&2; }

bash scripts/install-deps.sh perf
build=build/perf
say "build (preset perf, Release) in $build"
cmake --preset perf >/dev/null
cmake --build --preset perf --target halvora halvora_baseline halvora_measure >/dev/null

halvora=$build/app/halvora
baseline=$build/tools/perf/program/baseline/halvora_baseline
measure=$build/tools/perf/program/launcher/halvora_measure
for program in "$halvora" "$baseline" "$measure"; do
    [[ -x $program ]] || {
        echo "measure: $program was not built" >&2
        exit 1
    }
done

work=$(mktemp -d)
servers=()
cleanup() {
    local pid
    for pid in "${servers[@]}"; do
        kill "$pid" 2>/dev/null || true
    done
    rm -rf "$work"
}
trap cleanup EXIT

# Other helpers' builds and fuzzers would distort every figure.
busy_processes() { pgrep -f 'fuzz_|ninja|cc1plus' | grep -vx "$$" || true; }
waited=0
while [[ -n $(busy_processes) ]] && ((waited < max_wait)); do
    ((waited == 0)) && say "waiting for builds and fuzzers to end (load $(cut -d' ' -f1-3 /proc/loadavg))"
    sleep 30
    waited=$((waited + 30))
done
quiet_note="no builds or fuzzers running"
[[ -z $(busy_processes) ]] || quiet_note="builds or fuzzers STILL RUNNING after ${max_wait} s: figures distorted"
load_before=$(cut -d' ' -f1-3 /proc/loadavg)

export LC_ALL=C.UTF-8
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
results=$work/results

# A virtual X server of our own on the first free display from $display on;
# sets display and server (its process id). Without -noreset the server resets
# whenever its last client leaves, and the next program waits some 50 ms for it.
start_server() {
    while [[ -e /tmp/.X$display-lock || -e /tmp/.X11-unix/X$display ]]; do
        display=$((display + 1))
    done
    Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp -noreset >/dev/null 2>&1 &
    server=$!
    servers+=("$server")
    local tries=0
    until [[ -S /tmp/.X11-unix/X$display ]]; do
        ((++tries < 100)) || {
            echo "measure: Xvfb :$display did not start" >&2
            exit 1
        }
        sleep 0.05
    done
}

# record MODE VARIANT KIND COMMAND...: one measurement, appended to the results.
record() {
    local mode=$1 variant=$2 kind=$3
    shift 3
    local line
    if line=$("$measure" "$kind" -- "$@" 2>>"$work/errors"); then
        echo "$mode $variant $line" >>"$results"
    else
        echo "measure: $mode $variant failed; see below" >&2
        tail -5 "$work/errors" >&2
        exit 1
    fi
}

say "start-up, Xvfb: $runs runs each"
display=90
start_server
(
    unset QT_QPA_PLATFORM WAYLAND_DISPLAY
    export DISPLAY=:$display
    record warmup halvora x-first-paint "$halvora"
    record warmup baseline x-first-paint "$baseline"
    for ((i = 0; i < runs; i++)); do
        if ((i % 2)); then
            record xvfb-seen baseline x-first-paint "$baseline"
            record xvfb-seen halvora x-first-paint "$halvora"
        else
            record xvfb-seen halvora x-first-paint "$halvora"
            record xvfb-seen baseline x-first-paint "$baseline"
        fi
    done
)

say "CPU at rest: ${span} s after ${warmup} s, $cpu_runs runs of each, all side by side"
pids=()
for ((i = 0; i < cpu_runs; i++)); do
    for variant in halvora baseline busy; do
        case $variant in
        halvora) command=("$halvora") ;;
        baseline) command=("$baseline") ;;
        busy) command=("$baseline" --busy) ;;
        esac
        (
            export QT_QPA_PLATFORM=offscreen
            line=$("$measure" rest --warmup "$warmup" --span "$span" -- "${command[@]}")
            echo "rest-offscreen $variant $line" >>"$results"
        ) 2>>"$work/errors" &
        pids+=($!)
        display=$((display + 1))
        start_server
        (
            unset QT_QPA_PLATFORM WAYLAND_DISPLAY
            export DISPLAY=:$display
            line=$("$measure" rest --warmup "$warmup" --span "$span" --server "$server" -- "${command[@]}")
            echo "rest-xvfb $variant $line" >>"$results"
        ) 2>>"$work/errors" &
        pids+=($!)
    done
done
failed=0
for pid in "${pids[@]}"; do
    wait "$pid" || failed=1
done
if ((failed)); then
    echo "measure: a CPU run failed:" >&2
    tail -5 "$work/errors" >&2
    exit 1
fi
load_after=$(cut -d' ' -f1-3 /proc/loadavg)
# Every single measurement, for a closer look at the spread.
cp "$results" "$build/measure-runs.txt"

# stats MODE VARIANT KEY: "median first-quartile third-quartile" of KEY=value
# over the matching lines (nearest rank), or "n/a".
stats() {
    awk -v mode="$1" -v variant="$2" -v key="$3" '
        $1 == mode && $2 == variant {
            for (i = 3; i <= NF; i++) {
                split($i, pair, "=")
                if (pair[1] == key) print pair[2]
            }
        }' "$results" | sort -g | awk '
        function rank(q) { r = int(q * NR + 0.999999); return v[r < 1 ? 1 : r] }
        { v[NR] = $1 }
        END {
            if (NR == 0) { print "n/a"; exit }
            median = (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
            print median, rank(0.25), rank(0.75)
        }'
}

median() { stats "$@" | cut -d' ' -f1; }

# row LABEL UNIT MODE KEY [TARGET] [OTHER]: Halvora against the baseline (or the
# OTHER variant): medians with their quartiles, the ratio of the medians and,
# given a TARGET ratio, whether it is met.
row() {
    local label=$1 unit=$2 mode=$3 key=$4 target=${5:-} other=${6:-baseline}
    local ours theirs
    ours=$(stats "$mode" halvora "$key")
    theirs=$(stats "$mode" "$other" "$key")
    awk -v label="$label" -v unit="$unit" -v a="$ours" -v b="$theirs" -v target="$target" '
        function shown(figures, parts) {
            split(figures, parts, " ")
            if (unit == "KiB") return sprintf("%d KiB (%d–%d)", parts[1], parts[2], parts[3])
            return sprintf("%.1f ms (%.1f–%.1f)", parts[1], parts[2], parts[3])
        }
        BEGIN {
            split(a, ours, " "); split(b, theirs, " ")
            ratio = (theirs[1] > 0) ? ours[1] / theirs[1] : 0
            verdict = "—"
            if (target != "") verdict = (ratio <= target + 1e-9) ? sprintf("≤ %.2f: met", target) : sprintf("≤ %.2f: **missed**", target)
            printf "| %s | %s | %s | %.3f | %s |\n", label, shown(a), shown(b), ratio, verdict
        }'
}

server_row() {
    local label=$1 mode=$2
    printf '| %s | %.1f ms | %.1f ms | %.1f ms |\n' "$label" \
        "$(median "$mode" halvora server_cpu_ms)" "$(median "$mode" baseline server_cpu_ms)" \
        "$(median "$mode" busy server_cpu_ms)"
}

cpu_model=$(awk -F': ' '/^model name/ { print $2; exit }' /proc/cpuinfo)
qt_version=$(dpkg-query -W -f='${Version}' libqt6widgets6 2>/dev/null || echo unknown)
report=$work/report.md
{
    echo "Measured $(date -u '+%Y-%m-%d %H:%M UTC') with \`$command_line\` on $(nproc) cores of"
    echo "$cpu_model ($(uname -sr), Qt $qt_version, $(awk '/MemTotal/ { printf "%.0f GiB", $2 / 1048576 }' /proc/meminfo));"
    echo "$quiet_note; load average $load_before before, $load_after after."
    echo "Medians of $runs start-up runs and of $cpu_runs CPU runs per program and display, with"
    echo "the first and third quartiles in brackets; the ratio is that of the medians."
    echo
    echo "| Measure | Halvora | Baseline | Halvora ÷ baseline | Target |"
    echo "|---|---|---|---|---|"
    row "Start-up to first frame, Xvfb (real binaries, seen by the X server)" ms xvfb-seen first_paint_ms 1.15
    row "Start-up to window mapped, Xvfb (real binaries)" ms xvfb-seen mapped_ms
    row "Peak memory over ${warmup} + ${span} s, offscreen (real binaries)" KiB rest-offscreen peak_rss_kib 1.10
    row "Peak memory over ${warmup} + ${span} s, Xvfb (real binaries)" KiB rest-xvfb peak_rss_kib 1.10
    row "CPU at rest over ${span} s, offscreen, vs idle timer" ms rest-offscreen cpu_ms 1.00
    row "CPU at rest over ${span} s, Xvfb, vs idle timer" ms rest-xvfb cpu_ms 1.00
    row "CPU at rest over ${span} s, offscreen, vs busy timer" ms rest-offscreen cpu_ms 1.00 busy
    row "CPU at rest over ${span} s, Xvfb, vs busy timer" ms rest-xvfb cpu_ms 1.00 busy
    echo
    echo "The X server's own CPU time over the same ${span} s, each program on a server of its own:"
    echo
    echo "| Display | Halvora | Baseline, idle timer | Baseline, busy timer |"
    echo "|---|---|---|---|"
    server_row "Xvfb" rest-xvfb
} >"$report"

cat "$report"

if ((write_doc)); then
    doc=docs/performance.md
    begin='<!-- figures from tools/perf/measure.sh: begin -->'
    end='<!-- figures from tools/perf/measure.sh: end -->'
    if [[ ! -f $doc ]] || ! grep -qF "$begin" "$doc"; then
        mkdir -p docs
        printf '# Performance\n\n%s\n%s\n' "$begin" "$end" >>"$doc"
    fi
    awk -v begin="$begin" -v end="$end" -v report="$report" '
        $0 == begin { print; while ((getline line < report) > 0) print line; skipping = 1; next }
        $0 == end { skipping = 0 }
        !skipping { print }' "$doc" >"$work/doc" && cp "$work/doc" "$doc"
    say "figures written to $doc"
fi
