#!/usr/bin/env bash
# Installs what is missing, builds, generates the game data and starts the game.
set -euo pipefail
top="$(cd "$(dirname "$0")" && pwd)"
"$top/scripts/setup.sh"
cd "$top/build/game"
exec ./Corralon "$@"
