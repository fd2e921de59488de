#!/usr/bin/env bash
# Draws the PNG icons from packaging/icons/zaldrun.svg (run after changing the drawing; the PNGs
# are kept in the repository so a build needs no drawing tools). Needs rsvg-convert (librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")/../packaging/icons"
for size in 16 32 48 64 128 256; do
  rsvg-convert --width "$size" --height "$size" zaldrun.svg --output "zaldrun-$size.png"
done
