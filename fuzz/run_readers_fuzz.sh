#!/bin/sh
# Fuzzes the small file readers (the text reader, cfg\config.cfg and
# cfg\tecladoDI.cfg, the replay session, the character list, a peer's
# datagram) for the given
# number of seconds each (10 by default) under AddressSanitizer and
# UndefinedBehaviorSanitizer, from the seeds in fuzz/seeds. A second argument
# names one target. Prints the executions of each; exit status non-zero when
# one finds something (the input is left in build-fuzz/fuzz/<target>/).
# CORRALON_FUZZ_RUNS=N runs N executions instead of SECONDS (budget.sh).
set -e
seconds=${1:-10}
. "$(dirname "$0")/budget.sh"
only=${2:-}
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-fuzz"
targets="config_reader saved_files session character_list net_packet"
for t in $targets; do
    [ -z "$only" ] || [ "$only" = "$t" ] || continue
    "$root/fuzz/build.sh" "${t}_fuzz"
done
export ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1
status=0
for t in $targets; do
    [ -z "$only" ] || [ "$only" = "$t" ] || continue
    work="$build/fuzz/$t"
    rm -rf "$work/corpus"
    mkdir -p "$work/corpus"
    cd "$work"
    if "$build/fuzz/${t}_fuzz" $budget -max_len=16384 \
        -rss_limit_mb=1024 -malloc_limit_mb=256 -print_final_stats=1 \
        "$work/corpus" "$root/fuzz/seeds/$t" >"$work/log.txt" 2>&1; then
        found=0
    else
        found=1
        status=1
    fi
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$work/log.txt")
    echo "fuzz $t: ${runs:-?} executions, findings: $found"
    [ "$found" = 0 ] || tail -40 "$work/log.txt"
done
exit $status
