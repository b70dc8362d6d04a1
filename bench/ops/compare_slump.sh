#!/bin/bash
# Times the batch tool's slump of 50 passes against its smooth of radius 10 on the same
# 4096 x 4096 16-bit field of roughened bumps, end to end (read, operate, write), in
# alternating pairs, and prints the medians of wall time, processor time and peak memory
# with their ratios. With a second build directory, also that build's slump against this
# one's, after checking that both give the same bytes.
# Usage: [PAIRS=n] bench/ops/compare_slump.sh [BUILD_DIR [OTHER_BUILD_DIR]]   (default: build; nine pairs)
set -euo pipefail
cd "$(dirname "$0")/../.."
cli="$(realpath "${1:-build}")/tools/cli/knollwork-cli"
[ -x "$cli" ] || { echo "no knollwork-cli at $cli; build first" >&2; exit 1; }
[ -x /usr/bin/time ] || { echo "GNU time is missing (apt-get install time)" >&2; exit 1; }
other=""
if [ $# -ge 2 ]; then
    other="$(realpath "$2")/tools/cli/knollwork-cli"
    [ -x "$other" ] || { echo "no knollwork-cli at $other" >&2; exit 1; }
fi

work=$(mktemp -d -p /dev/shm)
trap 'rm -rf "$work"' EXIT
"$cli" --new 4096x4096:16 --fill 30000 --seed 1 --rough middle:20000 --smooth 8 --rough middle:1500 \
    --save "$work/field.ppm"

runs=${PAIRS:-9}
source bench/best_of_runs.sh

slump="--open $work/field.ppm --erode slump:50 --save $work/slump.ppm"
echo "4096 x 4096, 16-bit, median of $runs pairs; $(uptime | sed 's/.*load/load/')"
pair "slump 50" "$cli $slump" "$cli --open $work/field.ppm --smooth 10 --save $work/smooth.ppm" "slump/smooth 10"
if [ -n "$other" ]; then
    "$cli" $slump && cp "$work/slump.ppm" "$work/ours.ppm"
    "$other" $slump
    cmp -s "$work/ours.ppm" "$work/slump.ppm" || { echo "the two builds' slumps differ" >&2; exit 1; }
    pair "slump 50" "$cli $slump" "$other $slump" "this/other build"
fi
