#!/usr/bin/env bash
# Builds the unit tests once more with AddressSanitizer and
# UndefinedBehaviorSanitizer (build-asan/) and runs them. Tests that start
# whole programs or GL drivers stay in the normal run.
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
build="$top/build-asan"
targets=(config_tests app_tests platform_tests creature_test particles_test random_test
         stage_test keyboard_test keynames_test renderer_common_tests renderer_headless_tests
         sound_loader_test quillet_logic_test renderer_headless sound_fmod game_data)

cmake -S "$top" -B "$build" -DCMAKE_BUILD_TYPE=Debug -DCORRALON_SANITIZE=ON >/dev/null
# The generator runs during the build; its libraries keep some memory for
# the life of the process, which is no concern of these tests.
ASAN_OPTIONS=detect_leaks=0 cmake --build "$build" -j "$(nproc)" --target "${targets[@]}"

export SDL_VIDEODRIVER=offscreen SDL_AUDIODRIVER=dummy
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
# The renderer plug-ins' objects live for the whole process by design.
export LSAN_OPTIONS=suppressions="$top/scripts/lsan.supp"
failed=0
for t in "${targets[@]}"; do
  case "$t" in game_data|renderer_headless|sound_fmod) continue ;; esac
  echo "== $t (ASan+UBSan)"
  (cd "$build/tests" && "./$t" --gtest_brief=1) || failed=1
done
exit $failed
