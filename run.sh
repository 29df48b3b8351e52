#!/usr/bin/env bash
# Installs what is missing, builds, generates the game data and starts the game.
set -euo pipefail
top="$(cd "$(dirname "$0")" && pwd)"
"$top/scripts/setup.sh" play
cd "$top/build/game"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${SDL_VIDEODRIVER:-}" ]; then
  echo "No display found: the game needs one (SDL_VIDEODRIVER=offscreen runs it unseen; Ctrl-C ends it)." >&2
fi
exec ./Corralon "$@"
