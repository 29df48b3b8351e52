#!/bin/sh
# Runs every fuzz target for the given number of seconds each (60 by
# default) and prints the executions and findings of each. Exit status
# non-zero when any target finds something. CORRALON_FUZZ_RUNS=N runs N
# executions of each instead.
root=$(cd "$(dirname "$0")" && pwd)
seconds=${1:-60}
status=0
report() {  # name, log
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$2" | tail -1)
    echo "fuzz $1: ${runs:-?} executions, findings: $3"
}
for t in creature stage; do
    log=$(mktemp)
    if "$root/run_${t}_fuzz.sh" "$seconds" >"$log" 2>&1; then found=0; else found=1; status=1; fi
    report "$t" "$log" "$found"
    [ "$found" = 0 ] || tail -40 "$log"
    rm -f "$log"
done
"$root/run_readers_fuzz.sh" "$seconds" || status=1
exit $status
