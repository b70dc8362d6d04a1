#!/bin/bash
# Times knollwork-cli end to end (read, operate, write) against netpbm's nearest
# equivalents on the same 4096 x 4096 field, in pairs (ours, then theirs) of PAIRS runs
# (nine unless given), and prints the median of each side and their ratio. Both sides
# read the same bytes: a P6 file through --open/--save and a 16-bit PGM through
# --import/--export; the smooths only the greymap. Every output goes to /dev/shm, so
# neither a disk nor our save's flush to it is timed. Then the peak resident memory of
# our runs, from /usr/bin/time -v.
# Usage: [PAIRS=n] bench/ops/compare_netpbm.sh [BUILD_DIR]   (default: build)
set -euo pipefail
cd "$(dirname "$0")/../.."
cli="$(realpath "${1:-build}")/tools/cli/knollwork-cli"
[ -x "$cli" ] || { echo "no knollwork-cli at $cli; build first" >&2; exit 1; }
command -v pamenlarge >/dev/null || { echo "netpbm is missing (apt-get install netpbm)" >&2; exit 1; }
[ -x /usr/bin/time ] || { echo "GNU time is missing (apt-get install time)" >&2; exit 1; }

work=$(mktemp -d -p /dev/shm)
trap 'rm -rf "$work"' EXIT
"$cli" --new 4096x4096:16 --fill 30000 --seed 1 --rough middle:20000 --smooth 2 \
    --save "$work/made.ppm" --export "$work/field.pgm"
# Our files end in one byte more, which netpbm would take for the start of a second image.
head -c -1 "$work/made.ppm" >"$work/field.ppm"

pairs=${PAIRS:-9}

source bench/best_of_runs.sh

# label, our steps between reading and writing, netpbm's command (reading $in, writing
# to standard output), the format (ppm or pgm)
compare() {
    local label=$1 steps=$2 theirs=$3 format=$4
    local in="$work/field.$format" ours=() netpbm=() read write
    if [ "$format" = ppm ]; then read=--open write=--save; else read=--import write=--export; fi
    for ((pair = 0; pair < pairs; ++pair)); do
        # shellcheck disable=SC2086
        ours+=("$(run_seconds "$cli" $read "$in" $steps $write "$work/ours.$format")")
        # shellcheck disable=SC2086
        netpbm+=("$(run_output="$work/theirs.$format" run_seconds ${theirs/IN/$in})")
    done
    awk -v l="$label" -v f="$format" -v o="$(median "${ours[@]}")" -v t="$(median "${netpbm[@]}")" -v c="${theirs%% *}" \
        'BEGIN { printf "%-14s %s  ours %5.0f ms   %-10s %5.0f ms   ours / netpbm = %4.2f\n", l, f, o * 1000, c, t * 1000, o / t }'
}

table() {
    local format=$1
    compare "copy"          ""                    "pamtopnm IN"                         "$format"
    # pnmsmooth averages each sample of the file: the three of a pixmap's pixel, the one
    # height of a greymap's. Only the greymap gives it the work ours does.
    if [ "$format" = pgm ]; then
        compare "smooth 1"  "--smooth 1"          "pnmsmooth IN"                        "$format"
        compare "smooth 10" "--smooth 10"         "pnmsmooth -width=21 -height=21 IN"   "$format"
    fi
    compare "inverse"       "--inverse"           "pnminvert IN"                        "$format"
    compare "flip lr"       "--flip lr"           "pamflip -lr IN"                      "$format"
    compare "flip tb"       "--flip ud"           "pamflip -tb IN"                      "$format"
    compare "shrink"        "--shrink"            "pamscale 0.5 IN"                     "$format"
    compare "expand"        "--expand"            "pamenlarge 2 IN"                     "$format"
    compare "rough vs copy" "--seed 1 --rough middle:100" "pamtopnm IN"                "$format"
}

echo "4096 x 4096, median of $pairs pairs"
table ppm
table pgm

peak() {
    local label=$1
    shift
    /usr/bin/time -v "$cli" "$@" 2>&1 >/dev/null |
        awk -v l="$label" '/Maximum resident/ { printf "%-22s %5.0f MiB\n", l, $NF / 1024 }'
}

echo "peak resident memory (one image 64 MiB, the file 48 MiB)"
peak "open + save" --open "$work/field.ppm" --save "$work/ours.ppm"
peak "with one edit" --open "$work/field.ppm" --inverse --save "$work/ours.ppm"
peak "selection and an edit" --open "$work/field.ppm" --select "100,100 4000,300 2000,4000" \
    --area inside --inverse --save "$work/ours.ppm"
peak "expand" --open "$work/field.ppm" --expand --save "$work/ours.ppm"
peak "import + export PGM" --import "$work/field.pgm" --export "$work/ours.pgm"
peak "PGM with smooth 1" --import "$work/field.pgm" --smooth 1 --export "$work/ours.pgm"
peak "PGM with smooth 10" --import "$work/field.pgm" --smooth 10 --export "$work/ours.pgm"
