#!/usr/bin/env bash
# Renders the icon's PNG sizes from icons/velmora.svg (needs rsvg-convert from
# librsvg2-bin). The PNGs are kept in the repository, so a build needs neither.
set -euo pipefail
cd "$(dirname "$0")/icons"
for size in 16 24 32 48 64 128 256 512; do
  rsvg-convert -w "$size" -h "$size" velmora.svg -o "velmora-$size.png"
done
