# Sourced by the comparison scripts. Prints the best wall time, in seconds, of $runs
# runs of the command given as arguments (its output is thrown away).
best_of_runs() {
    local best=""
    for ((run = 0; run < runs; ++run)); do
        local start end took
        start=$(date +%s.%N)
        "$@" >/dev/null
        end=$(date +%s.%N)
        took=$(awk -v a="$start" -v b="$end" 'BEGIN { print b - a }')
        if [ -z "$best" ] || awk -v t="$took" -v b="$best" 'BEGIN { exit !(t < b) }'; then best=$took; fi
    done
    echo "$best"
}
