#!/usr/bin/env bash
# Builds what a Windows user downloads, installing what building it needs:
# the program, stripped (halvora.exe), and its installer, both into
# build/windows-program/dist/. Cross-built here with mingw-w64 and NSIS; the
# tests of the Windows program run in the test command, under wine.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh windows
cmake --preset windows-program >/dev/null
cmake --build --preset windows-program
echo "for Windows, in build/windows-program/dist/:"
ls -l build/windows-program/dist/
