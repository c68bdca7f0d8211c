#!/usr/bin/env bash
# clang-format and clang-tidy over the project's own sources; fails on any finding.
set -euo pipefail
cd "$(dirname "$0")/.."

build_dir=${1:-build/ci}
mapfile -t sources < <(git ls-files '*.cpp' '*.h' | grep -v '^fuzz/corpus/')
mapfile -t tidy_sources < <(printf '%s\n' "${sources[@]}" | grep -v '^fuzz/')

echo "== clang-format"
clang-format --dry-run --Werror "${sources[@]}"

echo "== clang-tidy"
mapfile -t units < <(printf '%s\n' "${tidy_sources[@]}" | grep '\.cpp$' | grep -v '/tests/')
printf '%s\n' "${units[@]}" |
    xargs -P 2 -n 4 clang-tidy -p "$build_dir" --quiet 2>/dev/null
echo "lint: clean"
