#!/usr/bin/env bash
# Builds Halvora, installing what building and running it needs, and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh program
cmake --preset program >/dev/null
cmake --build --preset program

if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" && -z "${QT_QPA_PLATFORM:-}" ]]; then
    echo "Halvora needs a graphical desktop: no display was found (DISPLAY and WAYLAND_DISPLAY are unset)." >&2
    exit 1
fi
exec build/program/app/halvora
