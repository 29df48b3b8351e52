#!/usr/bin/env bash
# Installs what is missing, builds, generates the game data and runs every
# test: the layer check of the includes and the CTest suite (the sanitized
# and fuzz builds made beside it), then the unit tests again under
# AddressSanitizer and UndefinedBehaviorSanitizer, a short fuzzing of every
# reader (30 s the creature file, 15 s the stage, 4 s each small reader; the
# long runs are fuzz/run_all.sh) and, beside both, two minutes of the game's
# demo loop under the sanitizers. Prints how long each step took.
# CORRALON_TEST_QUICK=1 runs the CTest suite only.
set -uo pipefail
top="$(cd "$(dirname "$0")" && pwd)"
step_start=$SECONDS
took() { echo "test.sh: $1 took $((SECONDS - step_start)) s"; step_start=$SECONDS; }
"$top/scripts/setup.sh" || exit 1
took "set-up and build"
export SDL_VIDEODRIVER=offscreen SDL_AUDIODRIVER=dummy
status=0
quick=${CORRALON_TEST_QUICK:-0}
if [ "$quick" != 1 ]; then
  # The sanitized and fuzz builds take what CPU the CTest suite leaves (its
  # tests wait on programs and windows much of the time).
  mkdir -p "$top/build-asan"
  (nice -n 19 "$top/scripts/sanitized_tests.sh" build && nice -n 19 "$top/fuzz/build.sh") \
    >"$top/build-asan/build.log" 2>&1 &
  builds=$!
fi
python3 "$top/scripts/check_layers.py" "$top" || status=1
ctest --test-dir "$top/build" --output-on-failure -j "$(nproc)" --timeout 300 "$@" || status=1
took "layer check and CTest suite"
if [ "$quick" != 1 ]; then
  wait "$builds" || { tail -60 "$top/build-asan/build.log"; exit 1; }
  took "rest of the sanitized and fuzz builds"
  # The soak plays for two minutes of wall time whatever else runs, so the
  # sanitized tests and the fuzzers share the machine with it. Memory is
  # only reported: under ASan the resident size follows its quarantine.
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    LSAN_OPTIONS=suppressions="$top/scripts/lsan.supp" CORRALON_SOAK_RSS_LIMIT_KB=0 \
    CORRALON_SOAK_GAME="$top/build-asan/game" "$top/scripts/soak.sh" 2 30 >"$top/build-asan/soak.log" 2>&1 &
  soak=$!
  "$top/scripts/sanitized_tests.sh" run || status=1
  took "sanitized tests"
  # The fuzzers run two at a time on what was built above.
  export CORRALON_FUZZ_PREBUILT=1
  "$top/fuzz/run_creature_fuzz.sh" 30 >"$top/build-fuzz/creature.log" 2>&1 &
  creature=$!
  "$top/fuzz/run_stage_fuzz.sh" 15 >"$top/build-fuzz/stage.log" 2>&1 || {
    status=1; tail -60 "$top/build-fuzz/stage.log"; }
  "$top/fuzz/run_readers_fuzz.sh" 4 || status=1
  wait "$creature" || { status=1; tail -60 "$top/build-fuzz/creature.log"; }
  for t in creature stage; do
    echo "fuzz $t: $(sed -n 's/^stat::number_of_executed_units: *//p' "$top/build-fuzz/$t.log") executions"
  done
  took "fuzzing"
  wait "$soak" || status=1
  cat "$top/build-asan/soak.log"
  took "rest of the soak"
fi
exit $status
