#!/usr/bin/env bash
# Builds Halvora, installing what is missing, and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default

program=build/default/app/halvora
if [[ ! -x "$program" ]]; then
    echo "Halvora built; there is no window to start yet."
    exit 0
fi

if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" && -z "${QT_QPA_PLATFORM:-}" ]]; then
    echo "Halvora needs a graphical desktop: no display was found (DISPLAY and WAYLAND_DISPLAY are unset)." >&2
    exit 1
fi
exec "$program"
