#!/bin/sh
# Fuzzes the creature file reader for the given number of seconds (60 by
# default) under AddressSanitizer and UndefinedBehaviorSanitizer, starting
# from generated seed files. Exit status non-zero when the fuzzer finds
# something; the crashing input is left in build-fuzz/fuzz/.
set -e
seconds=${1:-60}
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-fuzz"
CC=clang CXX=clang++ cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCORRALON_FUZZ=ON >"$build.configure.log" 2>&1 || { cat "$build.configure.log"; exit 1; }
cmake --build "$build" --target creature_reader_fuzz creature_fuzz_seeds -j2
out="$build/fuzz"
rm -rf "$out/seeds" "$out/corpus"
mkdir -p "$out/seeds" "$out/corpus"
"$out/creature_fuzz_seeds" "$out/seeds"
cd "$out"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ./creature_reader_fuzz -max_total_time="$seconds" -max_len=65536 -timeout=10 \
    -print_final_stats=1 corpus seeds
