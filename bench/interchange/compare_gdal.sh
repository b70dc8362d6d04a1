#!/bin/bash
# Times knollwork-cli opening an 8192 x 8192 GeoTIFF and saving it as GeoTIFF against
# gdal_translate copying it to the same format and options: 32-bit float heights (mapped
# onto 16 bits and back), 16-bit integers (taken as they are) and floats compressed with
# LZW, on every core for both. The pairs run in turn, RUNS of them (five unless given),
# and the medians of the wall time, the processor time and the peak memory are compared.
# Given the build before GDAL came in, it then compares knollwork-cli --version and a
# PPM copy of a 4096 x 4096 field between the two builds the same way.
# Usage: [RUNS=n] bench/interchange/compare_gdal.sh [BUILD_DIR [BUILD_BEFORE_GDAL]]
set -euo pipefail
cd "$(dirname "$0")/../.."
cli="${1:-build}/tools/cli/knollwork-cli"
before="${2:+$2/tools/cli/knollwork-cli}"
[ -x "$cli" ] || { echo "no knollwork-cli at $cli; build first" >&2; exit 1; }
command -v gdal_translate >/dev/null || { echo "gdal-bin is missing (apt-get install gdal-bin)" >&2; exit 1; }
runs=${RUNS:-5}
source bench/best_of_runs.sh

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$cli" --new 4096x4096:16 --fill 30000 --seed 1 --rough middle:20000 --smooth 2 --expand \
    --export "$work/field.pgm" --new 4096x4096:16 --fill 30000 --rough middle:20000 --save "$work/field.ppm" \
    2>/dev/null
place=(-a_srs EPSG:32617 -a_ullr 500000 4100000 745760 3854240)
gdal_translate -q -ot Float32 -scale 0 65535 236 1076 -a_nodata -9999 "${place[@]}" "$work/field.pgm" "$work/float.tif"
gdal_translate -q -ot UInt16 "${place[@]}" "$work/field.pgm" "$work/uint16.tif"
gdal_translate -q -co COMPRESS=LZW "$work/float.tif" "$work/float-lzw.tif"

echo "load: $(uptime)"
for source in float uint16 float-lzw; do
    options=()
    # knollwork-cli compresses and decodes on every core; so does gdal_translate here.
    [ "$source" = float-lzw ] && options=(-co COMPRESS=LZW -co NUM_THREADS=ALL_CPUS --config GDAL_NUM_THREADS ALL_CPUS)
    pair "$source" "'$cli' --open '$work/$source.tif' --save '$work/ours.tif'" \
        "gdal_translate -q ${options[*]} '$work/$source.tif' '$work/theirs.tif'" knollwork-cli/gdal_translate
done
if [ -n "$before" ]; then
    [ -x "$before" ] || { echo "no knollwork-cli at $before" >&2; exit 1; }
    pair "--version" "'$cli' --version" "'$before' --version" "with/before GDAL"
    pair "PPM copy" "'$cli' --open '$work/field.ppm' --save '$work/copy.ppm'" \
        "'$before' --open '$work/field.ppm' --save '$work/copy.ppm'" "with/before GDAL"
fi
