#!/bin/sh
# Renders logo.svg to the 100 x 128 picture the About box shows: pure black on pure white, 24-bit
# RGB, so that the white ground can be keyed out exactly.
set -eu
cd "$(dirname "$0")"
rsvg-convert -w 100 -h 128 -b white logo.svg -o /tmp/quorlin-logo-aa.png
convert /tmp/quorlin-logo-aa.png -alpha off -colorspace Gray -threshold 50% -type TrueColor \
    -define png:color-type=2 -strip logo.png
rm -f /tmp/quorlin-logo-aa.png
