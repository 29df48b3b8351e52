#!/usr/bin/env bash
# Installs what is missing, configures, builds and assembles build/game.
# Sourced by run.sh and test.sh; safe to run again (installs nothing twice,
# rebuilds only what changed).
set -euo pipefail
top="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

packages=(
  cmake g++ make pkg-config
  libsdl2-dev libsdl2-mixer-dev libenet-dev
  libx11-dev libgl-dev libegl-dev mesa-common-dev libgl1-mesa-dri libegl-mesa0 libglx-mesa0
  zlib1g-dev libgtest-dev libgmock-dev libbenchmark-dev
  libgtk-3-dev libcairo2-dev librsvg2-dev libfreetype-dev libvorbis-dev
  fonts-dejavu-core xvfb xauth xdotool
  clang libclang-rt-14-dev
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo_cmd=""
  [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $sudo_cmd apt-get update -q
  $sudo_cmd apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

build_type="${CORRALON_BUILD_TYPE:-RelWithDebInfo}"
cmake -S "$top" -B "$top/build" -DCMAKE_BUILD_TYPE="$build_type" >/dev/null
cmake --build "$top/build" -j "$(nproc)"
