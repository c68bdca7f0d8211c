#!/usr/bin/env bash
# Builds everything and runs every check: the build with warnings as errors and
# all its tests, every logic test again under AddressSanitizer and
# UndefinedBehaviorSanitizer, clang-format and clang-tidy, and each fuzz target
# for a bounded time (FUZZ_SECONDS, default 60).
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

echo "== build and test (warnings as errors)"
cmake --preset ci >/dev/null
cmake --build --preset ci
ctest --preset ci

echo "== build and test under AddressSanitizer + UndefinedBehaviorSanitizer"
cmake --preset sanitize >/dev/null
cmake --build --preset sanitize
ctest --preset sanitize

echo "== lint"
bash scripts/lint.sh build/ci

echo "== fuzz"
bash scripts/fuzz.sh
