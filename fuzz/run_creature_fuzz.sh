#!/bin/sh
# Fuzzes the creature file reader for the given number of seconds (60 by
# default) under AddressSanitizer and UndefinedBehaviorSanitizer, starting
# from generated seed files; a second argument runs that many fuzzing
# processes side by side. Exit status non-zero when the fuzzer finds
# something; the crashing input is left in build-fuzz/fuzz/.
#
# Memory limits make an allocation bomb a finding. A file may decode 128 MB
# of pixels and one texture is at most 64 MB; with the quarantine cut to
# 64 MB a sound input stays well below 1 GB.
# CORRALON_FUZZ_RUNS=N runs N executions instead of SECONDS (budget.sh).
set -e
seconds=${1:-60}
. "$(dirname "$0")/budget.sh"
workers=${2:-1}
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-fuzz"
"$root/fuzz/build.sh" creature_reader_fuzz creature_fuzz_seeds
out="$build/fuzz"
rm -rf "$out/seeds" "$out/corpus"
mkdir -p "$out/seeds" "$out/corpus"
"$out/creature_fuzz_seeds" "$out/seeds"
cd "$out"
limits="-max_len=262144 -rss_limit_mb=1024 -malloc_limit_mb=128"
export ASAN_OPTIONS=detect_leaks=1:quarantine_size_mb=64 UBSAN_OPTIONS=print_stacktrace=1
if [ "$workers" -gt 1 ]; then
    # Fork mode counts the executions of all its children in one line.
    ./creature_reader_fuzz $limits $budget -fork="$workers" \
        -ignore_ooms=0 -ignore_timeouts=0 -ignore_crashes=0 corpus seeds
else
    ./creature_reader_fuzz $limits $budget -print_final_stats=1 corpus seeds
fi
