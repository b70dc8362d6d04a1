#!/bin/bash
# Times knollwork-cli end to end (load, operate, save) against ImageMagick's nearest
# equivalents on the same 16-bit 4096 x 4096 PPM field, best of RUNS runs each (three unless given).
# Usage: [RUNS=n] bench/ops/compare_imagemagick.sh [BUILD_DIR]   (default: build)
# ImageMagick's 21x21 mean takes minutes a run, so RUNS=1 keeps the whole under ten.
set -euo pipefail
cd "$(dirname "$0")/../.."
cli="${1:-build}/tools/cli/knollwork-cli"
[ -x "$cli" ] || { echo "no knollwork-cli at $cli; build first" >&2; exit 1; }
convert=/usr/bin/convert
[ -x "$convert" ] || { echo "ImageMagick's convert is missing (apt-get install imagemagick)" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
field="$work/field.ppm"
"$cli" --new 4096x4096:16 --fill 30000 --seed 1 --rough middle:20000 --smooth 2 --save "$field"

runs=${RUNS:-3}

source bench/best_of_runs.sh

compare() {
    local label=$1 ours=$2 theirs=$3
    local our_time their_time
    # shellcheck disable=SC2086
    our_time=$(best_of_runs "$cli" --open "$field" $ours --save "$work/ours.ppm")
    # shellcheck disable=SC2086
    their_time=$(best_of_runs "$convert" "$field" $theirs "$work/theirs.ppm")
    awk -v l="$label" -v o="$our_time" -v t="$their_time" \
        'BEGIN { printf "%-12s knollwork-cli %6.2f s   convert %6.2f s   convert / ours = %5.1f\n", l, o, t, t / o }'
}

compare "mean 3x3"   "--smooth 1"  "-statistic Mean 3x3"
compare "mean 21x21" "--smooth 10" "-statistic Mean 21x21"
compare "negate"     "--inverse"   "-negate"
compare "flop"       "--flip lr"   "-flop"
compare "resize 200%" "--expand"   "-resize 200%"
