#!/usr/bin/env bash
# Measures the Windows program under wine against a minimal Win32 program
# with the same controls and an idle 150 ms timer (baseline.cpp beside this
# script), on this machine in one run: the stripped size and imports, start-up
# to the first paint as the X server sees it, the resident set after start-up
# and the CPU time at rest. Prints a Markdown report and puts it into
# docs/performance.md.
#
#   bash tools/perf/windows/measure.sh [--runs N] [--cpu-runs N] [--span S] [--max-wait S] [--no-doc]
#
# --runs: start-up runs of each program (31); --cpu-runs: programs of each
# kind at rest, side by side (5); --span: seconds of CPU at rest (60);
# --max-wait: how long to wait for other builds and fuzzers to end (900);
# --no-doc: print only. Not a test: it takes about five minutes once built.
set -euo pipefail
cd "$(dirname "$0")/../../.."

runs=31
cpu_runs=5
span=60
settle=5
max_wait=900
write_doc=1
command_line="bash tools/perf/windows/measure.sh${*:+ $*}"
usage() {
    sed -n '2,15p' "$0" >&2
    exit 2
}
while (($#)); do
    case $1 in
    --no-doc)
        write_doc=0
        shift
        ;;
    --runs | --cpu-runs | --span | --max-wait)
        [[ ${2:-} =~ ^[1-9][0-9]*$ ]] || usage
        option=${1#--}
        printf -v "${option//-/_}" %s "$2" # --cpu-runs sets cpu_runs
        shift 2
        ;;
    *) usage ;;
    esac
done
say() { echo "== $*" >&2; }

bash scripts/install-deps.sh test perf
say "build: the measuring tool (preset perf), the programs (preset windows-perf)"
cmake --preset perf >/dev/null
cmake --build --preset perf --target halvora_measure >/dev/null
cmake --preset windows-perf >/dev/null
cmake --build --preset windows-perf >/dev/null
measure=$PWD/build/perf/tools/perf/program/launcher/halvora_measure
built=$PWD/build/windows-perf

source tools/perf/windows/wine_session.sh
work=$wine_session_work
# The programs as a user gets them: stripped.
strip=x86_64-w64-mingw32-strip
halvora=$work/halvora.exe
baseline=$work/halvora_baseline.exe
"$strip" -o "$halvora" "$built/winapp/halvora.exe"
"$strip" -o "$baseline" "$built/tools/perf/windows/halvora_baseline.exe"
# The loader itself, not the shell script in front of it, so that the
# process measured is the program's from its first instruction.
wine_loader=/usr/lib/wine/wine64
[[ -x $wine_loader ]] || wine_loader=$(command -v wine)

# Other helpers' builds and fuzzers would distort every figure.
busy() { pgrep -f 'fuzz_|ninja|cc1plus' | grep -vx "$$" || true; }
for ((waited = 0; waited < max_wait && $(busy | wc -l) > 0; waited += 30)); do
    ((waited == 0)) && say "waiting for builds and fuzzers to end"
    sleep 30
done
quiet_note="no builds or fuzzers running"
[[ -z $(busy) ]] || quiet_note="builds or fuzzers STILL RUNNING after ${max_wait} s: figures distorted"
load_before=$(cut -d' ' -f1-3 /proc/loadavg)
results=$work/results

say "start-up to first paint: $runs runs of each, alternating"
start_wine_session "$built/wine-measure"
"$wine_run" "$built/tools/perf/windows/keep_wine_running.exe" &
keeper=$!
first_paint() { # name exe
    local line
    line=$("$measure" x-first-paint -- "$wine_loader" "$2") || { echo "measure: $1 showed nothing" >&2; exit 1; }
    echo "start $1 $line" >>"$results"
}
first_paint warmup "$halvora"
first_paint warmup "$baseline"
for ((i = 0; i < runs; i++)); do
    if ((i % 2)); then
        first_paint baseline "$baseline"
        first_paint halvora "$halvora"
    else
        first_paint halvora "$halvora"
        first_paint baseline "$baseline"
    fi
done
kill "$keeper"
stop_wine_session

# Each kind in a wine of its own (prefix, wine server, X server), so that
# what the servers spend for it can be told apart.
say "at rest: $cpu_runs of each kind side by side, ${span} s after ${settle} s"
at_rest() { # name exe
    trap stop_wine_session EXIT
    start_wine_session "$built/wine-rest-$1"
    local pids=() before=() i server display
    for ((i = 0; i < cpu_runs; i++)); do
        "$wine_loader" "$2" >/dev/null 2>&1 &
        pids+=($!)
    done
    sleep "$settle"
    for i in "${!pids[@]}"; do
        before+=("$(process_cpu_ms "${pids[i]}")")
        echo "resident $1 rss_kib=$(awk '/^VmRSS:/ { print $2 }' /proc/"${pids[i]}"/status)" >>"$results"
    done
    server=$(process_cpu_ms "$wine_session_server")
    display=$(process_cpu_ms "$wine_session_display")
    sleep "$span"
    since() { awk -v a="$1" -v b="$(process_cpu_ms "$2")" 'BEGIN { print b - a }'; }
    for i in "${!pids[@]}"; do
        echo "rest $1 cpu_ms=$(since "${before[i]}" "${pids[i]}")" >>"$results"
    done
    echo "servers $1 wineserver_ms=$(since "$server" "$wine_session_server")" \
        "xvfb_ms=$(since "$display" "$wine_session_display")" >>"$results"
}
(at_rest halvora "$halvora") &
halvora_rest=$!
(at_rest baseline "$baseline") &
wait "$halvora_rest" $!
load_after=$(cut -d' ' -f1-3 /proc/loadavg)
cp "$results" "$built/measure-runs.txt"

# stats KIND NAME KEY: "median first-quartile third-quartile least most" of KEY.
stats() {
    awk -v kind="$1" -v name="$2" -v key="$3" '$1 == kind && $2 == name {
            for (i = 3; i <= NF; i++) if (split($i, pair, "=") == 2 && pair[1] == key) print pair[2]
        }' "$results" | sort -g | awk '
        { v[NR] = $1 }
        function at(q,  r) { r = int(q * NR + 0.999999); return v[r < 1 ? 1 : r] }
        END { if (NR == 0) { print "0 0 0 0 0"; exit }
              print (NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2), at(0.25), at(0.75), v[1], v[NR] }'
}
# row LABEL KIND KEY UNIT TARGET: Halvora's and the baseline's figures, their ratio, the verdict.
row() {
    awk -v label="$1" -v unit="$4" -v target="$5" -v a="$(stats "$2" halvora "$3")" \
        -v b="$(stats "$2" baseline "$3")" 'BEGIN {
            split(a, h, " "); split(b, r, " ")
            f = unit == "KiB" ? "%d" : "%.1f"
            ratio = r[1] > 0 ? h[1] / r[1] : 0
            verdict = target == "" ? "—" : ratio <= target + 1e-9 ? sprintf("≤ %.2f: met", target) : sprintf("≤ %.2f: **missed**", target)
            printf "| %s | " f " %s (" f "–" f "; " f "–" f ") | " f " %s (" f "–" f "; " f "–" f ") | %.3f | %s |\n",
                label, h[1], unit, h[2], h[3], h[4], h[5], r[1], unit, r[2], r[3], r[4], r[5], ratio, verdict
        }'
}
median() { stats "$@" | cut -d' ' -f1; }

size=$(stat -c %s "$halvora")
imports=$(x86_64-w64-mingw32-objdump -p "$halvora" | sed -n 's/^\s*DLL Name: //p' | sort -f | tr '\n' ' ')
report=$work/report.md
{
    echo "Measured $(date -u '+%Y-%m-%d %H:%M UTC') with \`$command_line\` on $(nproc) cores of"
    echo "$(awk -F': ' '/^model name/ { print $2; exit }' /proc/cpuinfo) ($(uname -sr), $(wine --version 2>/dev/null));"
    echo "$quiet_note; load average $load_before before, $load_after after."
    echo "Medians of $runs start-up runs and of $cpu_runs programs at rest of each kind, with"
    echo "the quartiles and then the least and the most in brackets; the ratio is that of the medians."
    echo
    echo "| Measure | Halvora | Baseline | Halvora ÷ baseline | Target |"
    echo "|---|---|---|---|---|"
    row "Start-up to first paint (seen by the X server)" start first_paint_ms ms 1.15
    row "Start-up to window mapped" start mapped_ms ms ""
    row "Resident set at the first paint" start peak_rss_kib KiB ""
    row "Resident set ${settle} s after start-up" resident rss_kib KiB ""
    row "CPU at rest over ${span} s, vs idle timer" rest cpu_ms ms ""
    echo
    echo "The servers' CPU time over the same ${span} s, for all ${cpu_runs} programs of a kind:"
    echo
    echo "| Server | Halvora | Baseline |"
    echo "|---|---|---|"
    echo "| wineserver | $(median servers halvora wineserver_ms) ms | $(median servers baseline wineserver_ms) ms |"
    echo "| Xvfb | $(median servers halvora xvfb_ms) ms | $(median servers baseline xvfb_ms) ms |"
    echo
    echo "The stripped \`halvora.exe\`: $size bytes ($(awk -v s="$size" 'BEGIN { printf "%.0f", s / 1024 }') KiB; at most 1 MiB: $( ((size <= 1048576)) && echo met || echo '**missed**')); it imports $imports(the system's own)."
} >"$report"
cat "$report"

if ((write_doc)); then
    write_figures docs/performance.md "$report" tools/perf/windows/measure.sh
    say "figures written to docs/performance.md"
fi
