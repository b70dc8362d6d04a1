# Sourced by the comparison scripts.

# Prints the wall time, in seconds, of one run of the command given as arguments; its
# standard output goes to $run_output, /dev/null unless set.
run_seconds() {
    local start end
    start=$(date +%s%N)
    "$@" >"${run_output:-/dev/null}" 2>/dev/null
    end=$(date +%s%N)
    awk -v a="$start" -v b="$end" 'BEGIN { print (b - a) / 1e9 }'
}

# Prints the best wall time, in seconds, of $runs runs of the command given as arguments.
best_of_runs() {
    local best="" took
    for ((run = 0; run < runs; ++run)); do
        took=$(run_seconds "$@")
        if [ -z "$best" ] || awk -v t="$took" -v b="$best" 'BEGIN { exit !(t < b) }'; then best=$took; fi
    done
    echo "$best"
}

# Prints the median of the numbers given as arguments.
median() {
    printf '%s\n' "$@" | sort -g | awk '{ v[NR] = $1 } END { print NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

# One run of the command given as arguments: "wall user+system peak-KiB".
measure() {
    /usr/bin/time -f "%e %U %S %M" -o /dev/fd/3 "$@" 3>&1 >/dev/null 2>&1 | awk '{ print $1, $2 + $3, $4 }'
}

# Runs the two shell commands in turn $runs times and prints the medians of their wall
# time, processor time and peak memory side by side, with the ratios of the times.
# Usage: pair LABEL OURS THEIRS [NAMES]   (NAMES says which is which, "ours/theirs")
pair() {
    local label=$1 ours=$2 theirs=$3 names=${4:-ours/theirs}
    local -a ow oc om tw tc tm
    local w c m
    for ((run = 0; run < runs; ++run)); do
        read -r w c m < <(measure bash -c "$ours")
        ow+=("$w") oc+=("$c") om+=("$m")
        read -r w c m < <(measure bash -c "$theirs")
        tw+=("$w") tc+=("$c") tm+=("$m")
    done
    awk -v l="$label" -v n="$names" -v ow="$(median "${ow[@]}")" -v tw="$(median "${tw[@]}")" \
        -v oc="$(median "${oc[@]}")" -v tc="$(median "${tc[@]}")" \
        -v om="$(median "${om[@]}")" -v tm="$(median "${tm[@]}")" \
        'BEGIN { printf "%-10s %s  wall %.2f/%.2f s = %.2f  cpu %.2f/%.2f s = %.2f  peak %.1f/%.1f MiB\n",
                 l, n, ow, tw, ow / tw, oc, tc, oc / tc, om / 1024, tm / 1024 }'
}
