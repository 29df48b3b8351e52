#!/usr/bin/env bash
# Runs every benchmark once, one after the other, and prints one table of
# the ratios they measured in this run (bench/ratios.py), with the machine
# and its load. Each benchmark's JSON and console output stay in OUT_DIR.
#
#   bench/run_all.sh [OUT_DIR]   (default build/bench/latest; CORRALON_BUILD
#                                 picks the build folder, default build)
set -uo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
build="${CORRALON_BUILD:-$top/build}"
out="${1:-$build/bench/latest}"
benches=(bench_fight bench_fight_gl bench_selection bench_startup bench_creature
         bench_core bench_particles bench_music bench_renderer)

mkdir -p "$out" && rm -f "$out"/*.json "$out"/*.txt
cmake --build "$build" -j "$(nproc)" --target "${benches[@]}" \
  Corralon renderer_gl renderer_headless sound_fmod Rana mosca flor game_data game_folders \
  >"$out/build.txt" 2>&1 || { echo "run_all: build failed, see $out/build.txt"; exit 1; }

export SDL_VIDEODRIVER=offscreen SDL_AUDIODRIVER=dummy
cat /proc/loadavg >"$out/load_start"
failed=0
# NAME REPETITIONS [ARGS...]: a Google Benchmark program, JSON into OUT_DIR.
run() {
  local name="$1" repetitions="$2"
  shift 2
  echo "run_all: $name" >&2
  (cd "$out" && "$build/bench/$name" --benchmark_repetitions="$repetitions" \
     --benchmark_report_aggregates_only=true \
     --benchmark_out="$out/$name.json" --benchmark_out_format=json "$@" \
     >"$out/$name.txt" 2>&1) || { echo "run_all: $name failed, see $out/$name.txt"; failed=1; }
}
run bench_fight 5
# The two sides of a GL comparison take turns, so a change of load weighs
# on both.
run bench_fight_gl 9 --benchmark_enable_random_interleaving=true
run bench_selection 5
run bench_creature 3
run bench_core 3
run bench_particles 3
run bench_music 1
run bench_renderer 5 --benchmark_enable_random_interleaving=true
echo "run_all: bench_startup" >&2
"$build/bench/bench_startup" 21 --json "$out/bench_startup.json" >"$out/bench_startup.txt" 2>&1 ||
  { echo "run_all: bench_startup failed, see $out/bench_startup.txt"; failed=1; }
cat /proc/loadavg >"$out/load_end"

python3 "$top/bench/ratios.py" "$out" "$build/game/logs/log.txt" || failed=1
exit $failed
