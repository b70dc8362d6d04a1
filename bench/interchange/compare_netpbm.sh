#!/bin/bash
# Times knollwork-cli's 16-bit PNG import and export against netpbm's pngtopam and
# pamtopng on the same 4096 x 4096 field, best of RUNS runs each (three unless given).
# Both sides of a pair read and write the same formats: PNG to nothing (ours) or to
# /dev/null (theirs), and PGM to PNG.
# Usage: [RUNS=n] bench/interchange/compare_netpbm.sh [BUILD_DIR]   (default: build)
set -euo pipefail
cd "$(dirname "$0")/../.."
cli="${1:-build}/tools/cli/knollwork-cli"
[ -x "$cli" ] || { echo "no knollwork-cli at $cli; build first" >&2; exit 1; }
command -v pngtopam >/dev/null || { echo "netpbm is missing (apt-get install netpbm)" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$cli" --new 4096x4096:16 --fill 30000 --seed 1 --rough middle:20000 --smooth 2 \
    --export "$work/field.png" --export "$work/field.pgm"

runs=${RUNS:-3}

source bench/best_of_runs.sh

compare() {
    local label=$1 ours=$2 theirs=$3
    local our_time their_time
    our_time=$(best_of_runs bash -c "$ours")
    their_time=$(best_of_runs bash -c "$theirs")
    awk -v l="$label" -v o="$our_time" -v t="$their_time" \
        'BEGIN { printf "%-8s knollwork-cli %6.2f s   netpbm %6.2f s   ours / netpbm = %4.2f\n", l, o, t, o / t }'
}

compare "import" "'$cli' --import '$work/field.png'" "pngtopam '$work/field.png'"
compare "export" "'$cli' --import '$work/field.pgm' --export '$work/ours.png'" \
    "pamtopng '$work/field.pgm' > '$work/theirs.png'"
ls -l "$work"/*.png | awk '{ print $5, $NF }'
