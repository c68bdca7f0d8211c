#!/usr/bin/env bash
# clang-format and clang-tidy over the project's own sources; fails on any finding.
#
#   bash scripts/lint.sh [BUILD_DIR]    (default build/ci)
#
# clang-format needs nothing and runs first. clang-tidy needs only the compile
# commands of a configured tree, not a build: a tree not yet configured is
# configured with the preset of its name (every preset builds in build/NAME).
# It checks the sources that tree compiles, so the perf kit is checked only in
# build/perf.
set -euo pipefail
cd "$(dirname "$0")/.."

build_dir=${1:-build/ci}
mapfile -t sources < <(git ls-files '*.cpp' '*.h' | grep -v '^fuzz/corpus/')

echo "== clang-format"
clang-format --dry-run --Werror "${sources[@]}"

echo "== clang-tidy"
if [[ -f $build_dir/CMakeCache.txt ]]; then
    cmake "$build_dir" >/dev/null # picks up sources added since it was configured
else
    cmake --preset "$(basename "$build_dir")" >/dev/null
fi
mapfile -t units < <(
    comm -12 \
        <(git ls-files '*.cpp' | grep -v -e '^fuzz/' -e '/tests/' | sort) \
        <(sed -n "s|^ *\"file\": \"$PWD/\\(.*\\)\",\?\$|\\1|p" "$build_dir/compile_commands.json" |
            sort -u)
)
printf '%s\n' "${units[@]}" |
    xargs -P "$(nproc)" -n 4 clang-tidy -p "$build_dir" --quiet 2>/dev/null

# The Windows binding and program, from the Windows build's compile commands,
# as clang reads them for Windows, with the C++ library of mingw-w64's GCC.
windows_dir=$(dirname "$build_dir")/windows
[[ -f $windows_dir/CMakeCache.txt ]] || cmake --preset windows >/dev/null
mapfile -t windows_units < <(git ls-files 'win32/src/*.cpp' 'winapp/*.cpp')
mingw_args=(--extra-arg=--target=x86_64-w64-mingw32)
while read -r directory; do
    mingw_args+=("--extra-arg=-isystem$directory")
done < <(x86_64-w64-mingw32-g++-posix -xc++ -E -v /dev/null 2>&1 |
    sed -n '/search starts here:/,/End of search list/{s/^ //p}' | grep '/c++')
printf '%s\n' "${windows_units[@]}" |
    xargs -P "$(nproc)" -n 4 clang-tidy -p "$windows_dir" "${mingw_args[@]}" --quiet 2>/dev/null
echo "lint: clean (${#sources[@]} files formatted, $((${#units[@]} + ${#windows_units[@]})) sources tidy)"
