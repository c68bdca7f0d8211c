#!/usr/bin/env bash
# Redraws the committed pictures from halvora.svg, so the build itself needs no
# SVG renderer: the 32 x 32 16-colour PNG and the Windows .ico made from it.
# Needs rsvg-convert (librsvg2-bin), ImageMagick's convert and python3.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)

rsvg-convert --width 32 --height 32 "$here/halvora.svg" |
    convert - -depth 8 rgba:- |
    python3 "$here/to_16_colours.py" >"$here/halvora.png"
convert "$here/halvora.png" "$here/../windows/halvora.ico"
