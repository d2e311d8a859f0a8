#!/usr/bin/env bash
# Renders the program's icon, resources/icons/pronos.svg, into the PNG sizes of
# the desktop's icon theme (resources/icons/hicolor/NxN/apps/pronos.png).
# The PNGs are committed, so building needs none of this; run it again only
# after changing the SVG. Needs rsvg-convert (Debian package librsvg2-bin).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
svg="$root/resources/icons/pronos.svg"
command -v rsvg-convert >/dev/null || { echo "rsvg-convert is missing: apt-get install librsvg2-bin" >&2; exit 1; }
for size in 16 32 48 64 128 256; do
  out="$root/resources/icons/hicolor/${size}x${size}/apps"
  mkdir -p "$out"
  rsvg-convert -w "$size" -h "$size" "$svg" -o "$out/pronos.png"
  echo "$out/pronos.png"
done
