#!/usr/bin/env bash
# Builds everything and runs every check: the build with warnings as errors and
# all its tests, every logic test again under AddressSanitizer and
# UndefinedBehaviorSanitizer, clang-format and clang-tidy, and each fuzz target
# for a bounded time (FUZZ_SECONDS, default 60).
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

# Each ctest run's count, for the closing line.
passed=0
count_tests() {
    local log
    log=$(mktemp)
    ctest --preset "$1" | tee "$log"
    passed=$((passed + $(sed -n 's/.*tests passed, 0 tests failed out of \([0-9]*\).*/\1/p' "$log")))
    rm -f "$log"
}

echo "== build and test (warnings as errors)"
cmake --preset ci >/dev/null
cmake --build --preset ci
count_tests ci

echo "== build and test under AddressSanitizer + UndefinedBehaviorSanitizer"
cmake --preset sanitize >/dev/null
cmake --build --preset sanitize
count_tests sanitize

echo "== lint"
bash scripts/lint.sh build/ci

echo "== fuzz"
bash scripts/fuzz.sh
fuzz_targets=$(find fuzz -maxdepth 1 -name 'fuzz_*.cpp' | wc -l)

echo "checks: $((passed + fuzz_targets + 1)) passed, 0 failed"
