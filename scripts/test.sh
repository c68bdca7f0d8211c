#!/usr/bin/env bash
# Builds everything and runs every test: the normal build with warnings as
# errors, then the logic's tests again under AddressSanitizer and
# UndefinedBehaviorSanitizer.
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
