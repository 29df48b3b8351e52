#!/usr/bin/env bash
# Installs what is missing, builds, generates the game data and runs every
# test: the layer check of the includes, the CTest suite, the unit tests again under AddressSanitizer and
# UndefinedBehaviorSanitizer, two minutes of the game's demo loop under them,
# 60 s of fuzzing of the creature reader and 20 s
# of the stage reader and picture tiler, 5 s of each small file reader.
# CORRALON_TEST_QUICK=1 runs the CTest suite only.
set -uo pipefail
top="$(cd "$(dirname "$0")" && pwd)"
"$top/scripts/setup.sh" || exit 1
export SDL_VIDEODRIVER=offscreen SDL_AUDIODRIVER=dummy
status=0
python3 "$top/scripts/check_layers.py" "$top" || status=1
ctest --test-dir "$top/build" --output-on-failure -j "$(nproc)" --timeout 300 "$@" || status=1
if [ "${CORRALON_TEST_QUICK:-0}" != 1 ]; then
  "$top/scripts/sanitized_tests.sh" || status=1
  # The sanitized game folder comes from sanitized_tests.sh. Memory is only
  # reported: under ASan the resident size follows its quarantine.
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    LSAN_OPTIONS=suppressions="$top/scripts/lsan.supp" CORRALON_SOAK_RSS_LIMIT_KB=0 \
    CORRALON_SOAK_GAME="$top/build-asan/game" "$top/scripts/soak.sh" 2 30 || status=1
  "$top/fuzz/run_creature_fuzz.sh" 60 || status=1
  "$top/fuzz/run_stage_fuzz.sh" 20 || status=1
  "$top/fuzz/run_readers_fuzz.sh" 5 || status=1
fi
exit $status
