#!/usr/bin/env bash
# Runs every check, the quickest first, so that a slip fails early: clang-format
# and clang-tidy (which need a configured tree, not a build), then the build with
# warnings as errors and all its tests, every logic test again under
# AddressSanitizer and UndefinedBehaviorSanitizer, the Windows program, its
# installer and the logic's tests cross-built and run under wine, and each fuzz target for a
# bounded time (FUZZ_SECONDS, default 60). Builds, tests and fuzzers use as many
# jobs as the machine has cores.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh test

export CMAKE_BUILD_PARALLEL_LEVEL=${CMAKE_BUILD_PARALLEL_LEVEL:-$(nproc)}
export CTEST_PARALLEL_LEVEL=${CTEST_PARALLEL_LEVEL:-$(nproc)}

# Each stage's start, so a slow one shows.
stage() { echo "== $* (at $((SECONDS / 60))m$((SECONDS % 60))s)"; }

# Each workflow's test count, for the closing line.
passed=0
workflow() {
    local log
    log=$(mktemp)
    cmake --workflow --preset "$1" | tee "$log"
    passed=$((passed + $(sed -n 's/.*tests passed, 0 tests failed out of \([0-9]*\).*/\1/p' "$log")))
    rm -f "$log"
}

stage "lint"
bash scripts/lint.sh build/ci

stage "build and test (warnings as errors)"
workflow ci

stage "build and test under AddressSanitizer + UndefinedBehaviorSanitizer"
workflow sanitize

stage "Windows: cross-build, and test under wine"
workflow windows

stage "fuzz"
bash scripts/fuzz.sh
fuzz_targets=$(find fuzz -maxdepth 1 -name 'fuzz_*.cpp' | wc -l)

stage "done"
echo "checks: $((passed + fuzz_targets + 1)) passed, 0 failed"
