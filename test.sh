#!/usr/bin/env bash
# Installs what is missing, builds, generates the game data and runs every test.
set -euo pipefail
top="$(cd "$(dirname "$0")" && pwd)"
"$top/scripts/setup.sh"
export SDL_VIDEODRIVER=offscreen SDL_AUDIODRIVER=dummy
ctest --test-dir "$top/build" --output-on-failure -j "$(nproc)" "$@"
