#!/bin/bash
# Renders the icon drawing knollwork.svg into the PNG sizes menus look for; the PNGs are
# committed, so only a change of the drawing needs this (and librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")"
for size in 16 24 32 48 64 128 256; do
    rsvg-convert -w "$size" -h "$size" knollwork.svg -o "knollwork-$size.png"
done
