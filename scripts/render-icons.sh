#!/usr/bin/env bash
# Renders the program icon (packaging/icons/*.svg) into the PNG sizes of the
# hicolor icon theme. The PNGs are committed, so a build needs nothing of
# this; run it again after changing the SVG (needs librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")/../packaging/icons"
id=com.example.maltwise.calculator
command -v rsvg-convert >/dev/null || { echo "rsvg-convert is missing: apt-get install librsvg2-bin" >&2; exit 1; }
for size in 16 22 24 32 48 64 128 256; do
  mkdir -p "${size}x${size}"
  rsvg-convert -w "$size" -h "$size" "$id.svg" -o "${size}x${size}/$id.png"
  echo "${size}x${size}/$id.png"
done
