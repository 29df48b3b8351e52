#!/usr/bin/env bash
# Soak test: the real program in demo mode, headless, 1/60 s a frame as fast
# as it goes, for MINUTES minutes (default 60); memory sampled every
# SAMPLE_SECONDS (default 60). Checks flat memory, textures given back after
# every fight and a log without errors (scripts/soak.py says how).
# CORRALON_SOAK_GAME picks the game folder (default build/game; ./test.sh
# runs two minutes of build-asan/game).
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
minutes="${1:-60}"
sample="${2:-60}"
game="${CORRALON_SOAK_GAME:-$top/build/game}"
exec python3 "$top/scripts/soak.py" "$minutes" "$game" "$sample"
