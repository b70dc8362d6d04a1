#!/bin/bash
# Times knollwork-cli on an 8192 x 8192 16-bit PNG: its open and save against the same
# field through PGM (the streamed format PNG must keep up with: at most twice the time,
# peak memory within 16 MiB), and the same for a PNG netpbm wrote, then its PNG read, write and copy against netpbm, and the
# copy against ImageMagick and gdal_translate. The two sides of each pair run in turn,
# RUNS pairs (three unless given), and the medians of the wall time, the processor time
# and the peak memory are compared; the sizes of the PNG files each tool wrote follow.
# A pipeline's peak is that of its largest process.
# The terrain is roughened and smoothed at four sizes with an expand between each, as an
# enlarged elevation model with its own detail.
# Usage: [RUNS=n] bench/interchange/compare_png.sh [BUILD_DIR]   (default: build)
set -euo pipefail
cd "$(dirname "$0")/../.."
cli="${1:-build}/tools/cli/knollwork-cli"
[ -x "$cli" ] || { echo "no knollwork-cli at $cli; build first" >&2; exit 1; }
for tool in pngtopam pngcheck /usr/bin/convert gdal_translate; do
    command -v "$tool" >/dev/null || { echo "$tool is missing (apt-get install netpbm pngcheck imagemagick gdal-bin)" >&2; exit 1; }
done
runs=${RUNS:-3}
source bench/best_of_runs.sh

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$cli" --new 1024x1024:16 --fill 20000 --seed 7 --rough middle:12000 --smooth 4 --expand \
    --rough middle:3000 --smooth 2 --expand --rough middle:800 --smooth 1 --expand --rough middle:200 \
    --export "$work/field.png" --export "$work/field.pgm" 2>/dev/null

echo "load: $(uptime)"
pair "open+save" "'$cli' --open '$work/field.png' --save '$work/copy.png'" \
    "'$cli' --open '$work/field.pgm' --save '$work/copy.pgm'" PNG/PGM
cmp -s "$work/field.png" "$work/copy.png" || echo "the PNG copy differs from the PNG opened" >&2
pngcheck -q "$work/copy.png" >/dev/null || echo "pngcheck finds the PNG copy invalid" >&2
# A PNG this program did not write is read through libpng, a row at a time.
pamtopng "$work/field.pgm" >"$work/netpbm.png"
pair "open+save" "'$cli' --open '$work/netpbm.png' --save '$work/copy.png'" \
    "'$cli' --open '$work/field.pgm' --save '$work/copy.pgm'" "netpbm's PNG/PGM"
pair "read" "'$cli' --import '$work/field.png'" "pngtopam '$work/field.png'" knollwork-cli/netpbm
pair "write" "'$cli' --import '$work/field.pgm' --export '$work/ours.png'" \
    "pamtopng '$work/field.pgm' > '$work/netpbm.png'" knollwork-cli/netpbm
pair "copy" "'$cli' --open '$work/field.png' --save '$work/copy.png'" \
    "pngtopam '$work/field.png' | pamtopng > '$work/netpbm.png'" knollwork-cli/netpbm
pair "copy" "'$cli' --open '$work/field.png' --save '$work/copy.png'" \
    "/usr/bin/convert '$work/field.png' '$work/imagemagick.png'" knollwork-cli/ImageMagick
pair "copy" "'$cli' --open '$work/field.png' --save '$work/copy.png'" \
    "gdal_translate -q -of PNG '$work/field.png' '$work/gdal.png'" knollwork-cli/gdal_translate
ls -l "$work"/*.png | awk '{ sub(".*/", "", $NF); printf "%s %d\n", $NF, $5 }'
