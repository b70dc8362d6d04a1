#!/bin/bash
# Opens and saves the same 8192 x 8192 16-bit terrain through knollwork-cli as PNG and as
# PGM, in pairs, RUNS pairs (five unless given): the median of each side's times, their
# ratio, and each side's largest peak memory. The terrain is roughened and smoothed at
# four sizes with an expand between each, and roughened a little at the last, as an
# enlarged elevation model with its own detail.
# Usage: [RUNS=n] bench/interchange/png_against_pgm.sh [BUILD_DIR]   (default: build)
set -euo pipefail
cd "$(dirname "$0")/../.."
cli="${1:-build}/tools/cli/knollwork-cli"
[ -x "$cli" ] || { echo "no knollwork-cli at $cli; build first" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$cli" --new 1024x1024:16 --fill 20000 --seed 7 --rough middle:12000 --smooth 4 --expand \
    --rough middle:3000 --smooth 2 --expand --rough middle:800 --smooth 1 --expand --rough middle:200 \
    --export "$work/field.png" --export "$work/field.pgm"

runs=${RUNS:-5}

source bench/best_of_runs.sh

# Seconds and peak kilobytes of one open and save, "S KB".
open_and_save() {
    /usr/bin/time -f "%e %M" "$cli" --open "$work/field.$1" --save "$work/copy.$1" 2>&1 >/dev/null | tail -n 1
}

png_times=() pgm_times=() png_peak=0 pgm_peak=0
for ((run = 0; run < runs; ++run)); do
    read -r seconds peak < <(open_and_save png)
    png_times+=("$seconds") png_peak=$((peak > png_peak ? peak : png_peak))
    read -r seconds peak < <(open_and_save pgm)
    pgm_times+=("$seconds") pgm_peak=$((peak > pgm_peak ? peak : pgm_peak))
done
cmp -s "$work/field.png" "$work/copy.png" || echo "the PNG copy differs from the PNG opened" >&2
png=$(median "${png_times[@]}") pgm=$(median "${pgm_times[@]}")
awk -v a="$png" -v b="$pgm" -v pa="$png_peak" -v pb="$pgm_peak" -v n="$runs" 'BEGIN {
    printf "open and save, median of %d: PNG %.2f s, PGM %.2f s, PNG / PGM = %.2f\n", n, a, b, a / b
    printf "peak memory: PNG %.1f MiB, PGM %.1f MiB, difference %.1f MiB\n", pa / 1024, pb / 1024, (pa - pb) / 1024
}'
ls -l "$work"/field.* | awk '{ print $5, $NF }'
