#!/usr/bin/env bash
# Builds the libFuzzer targets (preset "fuzz", clang with AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs each for FUZZ_SECONDS (default 60) on a
# copy of its seed corpus, so the repository never gains generated inputs.
# Fails if any target finds a crash; the reproducers are kept under
# build/fuzz/artifacts/. As many targets run at once as the machine has cores
# (FUZZ_JOBS), each on one core, so each gets the same time as alone.
#
# The mutations follow FUZZ_SEED (default 1), so that a run on one machine
# repeats on the next and a gate does not fail by chance; FUZZ_SEED=0 draws a
# new seed each time, for exploring with a longer FUZZ_SECONDS.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${FUZZ_SECONDS:-60}
seed=${FUZZ_SEED:-1}
parallel=${FUZZ_JOBS:-$(nproc)}
targets=(fuzz_napszerint fuzz_nevszerint fuzz_day_conversion fuzz_form1)
# Longest input per target: two short texts, one name, a typed day text long
# enough to pass the digits the conversion keeps, a long event sequence.
declare -A max_len=(
    [fuzz_napszerint]=64
    [fuzz_nevszerint]=256
    [fuzz_day_conversion]=2048
    [fuzz_form1]=4096
)

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

artifacts=build/fuzz/artifacts
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$artifacts"

# Runs one target; its log and exit status land in the work folder.
run() {
    local target=$1 corpus="$work/$1"
    mkdir -p "$corpus"
    # The whole-window target's seeds are written by the build from the scenario scripts.
    local seeds=build/fuzz/fuzz/corpus/$target
    [[ -d $seeds ]] || seeds=fuzz/corpus/$target
    cp "$seeds"/* "$corpus"/
    local status=0
    ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
        build/fuzz/fuzz/"$target" "$corpus" \
        -max_total_time="$seconds" -seed="$seed" -max_len="${max_len[$target]}" -timeout=10 \
        -artifact_prefix="$artifacts/$target-" -print_final_stats=1 2>"$work/$target.log" ||
        status=$?
    echo "$status" >"$work/$target.status"
}

for target in "${targets[@]}"; do
    while (($(jobs -rp | wc -l) >= parallel)); do
        wait -n || true
    done
    echo "== $target for ${seconds}s, seed $seed"
    run "$target" &
done
wait

failed=()
for target in "${targets[@]}"; do
    echo "== $target"
    if [[ $(cat "$work/$target.status" 2>/dev/null) != 0 ]]; then
        tail -n 40 "$work/$target.log" >&2
        failed+=("$target")
    else
        grep -E '^(Done|stat::number_of_executed_units|stat::peak_rss_mb)' "$work/$target.log" || true
    fi
done

if ((${#failed[@]} > 0)); then
    echo "fuzz: crashes in ${failed[*]}; reproducers in $artifacts/" >&2
    exit 1
fi
echo "fuzz: clean"
