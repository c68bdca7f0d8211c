#!/usr/bin/env bash
# The real program as a screen reader meets it: through AT-SPI, on the
# test's own session bus, under Xvfb with openbox.
#
# Usage: screen_reader.sh PROGRAM
# Exits 77 (skipped) when the display, the bus or the AT-SPI tools are missing.
program=$1
source "$(dirname "$0")/desktop.sh"
need Xvfb openbox xdotool
# Debian's own Python, which has the AT-SPI bindings.
python=/usr/bin/python3
"$python" -c 'import pyatspi' 2>/dev/null || { echo "SKIP: python3-pyatspi is not installed"; exit 77; }
start_desktop openbox
start_program QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
timeout 60 "$python" "$(dirname "$0")/screen_reader.py"
