#!/usr/bin/env bash
# Builds the unit tests once more with AddressSanitizer and
# UndefinedBehaviorSanitizer (build-asan/) and runs them, together with the
# behaviour, sound and viewer tests and the sanitized plug-ins and programs
# they load or start. "build" only builds, "run" only runs (test.sh runs the
# soak beside them).
set -euo pipefail
step=${1:-all}
top="$(cd "$(dirname "$0")/.." && pwd)"
build="$top/build-asan"
tests=(base_tests app_tests platform_tests input_tests creature_test particles_test
       stage_test fight_test menus_test renderer_common_tests renderer_headless_tests
       sound_loader_test quillet_logic_test actions_test sound_plugin_test sound_game_test
       viewer_test)
# What the tests load or start: plug-ins, behaviour libraries, programs, data.
needed=(renderer_headless renderer_gl sound_fmod Rana mosca flor viewer Corralon game_data
        creature_test_behaviour)

if [ "$step" != run ]; then
  # The game data comes from build/ (run after setup.sh), not from a
  # sanitized generator.
  cmake -S "$top" -B "$build" -DCMAKE_BUILD_TYPE=Debug -DCORRALON_SANITIZE=ON \
    -DCORRALON_GAME_DATA_FROM="$top/build/game" >/dev/null
  cmake --build "$build" -j "$(nproc)" --target "${tests[@]}" "${needed[@]}"
fi
[ "$step" != build ] || exit 0

export SDL_VIDEODRIVER=offscreen SDL_AUDIODRIVER=dummy
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
# The renderer plug-ins' objects live for the whole process by design.
export LSAN_OPTIONS=suppressions="$top/scripts/lsan.supp"
# As many tests at a time as there are cores, each into its own log, shown
# when it fails.
run_one() {
  local t=$1 options=$ASAN_OPTIONS log="$build/tests/$1.sanitized.log"
  # Mesa's drivers keep a few KB to the end of the process.
  case "$t" in viewer_test) options="$options:detect_leaks=0" ;; esac
  if (cd "$build/tests" && ASAN_OPTIONS="$options" "./$t" --gtest_brief=1) >"$log" 2>&1; then
    echo "== $t (ASan+UBSan): passed"
  else
    echo "== $t (ASan+UBSan): FAILED"
    cat "$log"
    return 1
  fi
}
export -f run_one
export build
printf '%s\n' "${tests[@]}" | xargs -P "$(nproc)" -I{} bash -c 'run_one "$1"' _ {}
