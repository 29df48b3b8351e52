#!/bin/sh
# Records the expectations of the replayed sessions anew (all of them, or
# the ones named) after a deliberate change, and shows what changed.
# Review the difference before committing it.
set -e
root=$(cd "$(dirname "$0")/.." && pwd)
cmake --build "$root/build" --target session_suite_test Corralon renderer_headless -j2 >/dev/null
filter="Sessions/SessionSuite.*"
[ $# -gt 0 ] && filter=$(printf 'Sessions/SessionSuite.ReplaysAsReviewed/%s:' "$@")
cd "$root/build/tests"
CORRALON_RERECORD=1 SDL_VIDEODRIVER=offscreen SDL_AUDIODRIVER=dummy \
    ./session_suite_test --gtest_filter="$filter" >/dev/null
cd "$root"
git --no-pager diff --stat -- tests/sessions/expected
git --no-pager diff -- tests/sessions/expected
git status --short -- tests/sessions/expected
