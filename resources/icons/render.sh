#!/usr/bin/env bash
# Renders the icon artwork to the PNG sizes the program embeds and installs. The renders are committed,
# so building never needs an SVG tool; run this again after editing the artwork.
# 16 px comes from a simplified, pixel-aligned drawing: the full one turns to mush at that size.
set -euo pipefail
cd "$(dirname "$0")"
rsvg-convert -w 16 -h 16 -o quorlin-16.png quorlin-small.svg
for size in 24 32 48 128 256; do
    rsvg-convert -w "$size" -h "$size" -o "quorlin-$size.png" quorlin.svg
done
