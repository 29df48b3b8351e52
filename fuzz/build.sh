#!/bin/sh
# Configures build-fuzz/ with clang and builds the named fuzz targets (all
# of them when none is named). With CORRALON_FUZZ_PREBUILT=1 it does
# nothing: the caller built them already, and fuzzers running side by side
# must not configure the same folder at once.
set -e
[ "${CORRALON_FUZZ_PREBUILT:-0}" = 1 ] && exit 0
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-fuzz"
[ $# -gt 0 ] || set -- creature_reader_fuzz creature_fuzz_seeds stage_fuzz config_reader_fuzz \
    saved_files_fuzz session_fuzz character_list_fuzz net_packet_fuzz
CC=clang CXX=clang++ cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCORRALON_FUZZ=ON >"$build.configure.log" 2>&1 || { cat "$build.configure.log"; exit 1; }
cmake --build "$build" --target "$@" -j "$(nproc)" >"$build.build.log" 2>&1 || {
    tail -60 "$build.build.log"; exit 1; }
