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
