#!/bin/sh
# Renders logo.svg to the 100 x 128 picture the About box shows, and to the 200 x 256 one it shows on
# screens of twice the density: pure black on pure white, 24-bit RGB, so that the white ground can be
# keyed out exactly.
set -eu
cd "$(dirname "$0")"
render() {
    rsvg-convert -w "$1" -h "$2" -b white logo.svg -o /tmp/quorlin-logo-aa.png
    convert /tmp/quorlin-logo-aa.png -alpha off -colorspace Gray -threshold 50% -type TrueColor \
        -define png:color-type=2 -strip "$3"
    rm -f /tmp/quorlin-logo-aa.png
}
render 100 128 logo.png
render 200 256 logo@2x.png
