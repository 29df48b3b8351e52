#!/usr/bin/env bash
# Installs what is missing, configures, builds and assembles build/game.
# `setup.sh play` (run.sh) needs only what building and playing the game
# takes, `setup.sh package` (package.sh) adds the packaging tools and
# `setup.sh` (test.sh) the test tools. Safe to run again: it
# installs nothing twice, rebuilds only what changed, and for play skips
# the build altogether when no source changed since the last one.
set -euo pipefail
top="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
purpose="${1:-test}"

play_packages=(
  cmake g++ make pkg-config
  libsdl2-dev libsdl2-mixer-dev libenet-dev
  libx11-dev libgl-dev libegl-dev mesa-common-dev libgl1-mesa-dri libegl-mesa0 libglx-mesa0
  zlib1g-dev libgtk-3-dev libcairo2-dev librsvg2-dev libfreetype-dev libvorbis-dev
  fonts-dejavu-core
)
test_packages=(
  libgtest-dev libgmock-dev libbenchmark-dev xvfb xauth xdotool
  clang libclang-rt-14-dev dpkg-dev file
)
packages=("${play_packages[@]}")
case "$purpose" in
  play) ;;
  package) packages+=(dpkg-dev file) ;;  # dpkg-shlibdeps, and file, which cpack asks
  *) packages+=("${test_packages[@]}") ;;
esac

# One query for all of them: a second ./run.sh has to be quick.
installed="$(dpkg-query -W -f='${Package} ${Status}\n' "${packages[@]}" 2>/dev/null || true)"
missing=()
for p in "${packages[@]}"; do
  grep -qx "$p install ok installed" <<<"$installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo_cmd=""
  if [ "$(id -u)" -ne 0 ]; then
    if ! command -v sudo >/dev/null 2>&1; then
      echo "Missing Debian packages: ${missing[*]}" >&2
      echo "Install them as root, then run this again:" >&2
      echo "  apt-get install --no-install-recommends ${missing[*]}" >&2
      exit 1
    fi
    sudo_cmd="sudo"
  fi
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  $sudo_cmd apt-get update -q
  $sudo_cmd apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

build_type="${CORRALON_BUILD_TYPE:-RelWithDebInfo}"
stamp="$top/build/setup.stamp"
stamp_text="$top $build_type"
# Nothing newer than the last build's stamp (folders count: a file added or
# removed changes its folder), the same checkout and build type: nothing to do.
if [ "$purpose" != test ] && [ -x "$top/build/game/Corralon" ] && [ -f "$stamp" ] &&
   [ "$(cat "$stamp")" = "$stamp_text" ] &&
   [ -z "$(find "$top" \( -path "$top/build*" -o -path "$top/.git" \) -prune -o \
                -newer "$stamp" -print -quit)" ]; then
  exit 0
fi

# A checkout moved to another folder: CMake refuses a cache made elsewhere,
# and the old build's files name the old paths, so every build starts over.
for b in build build-asan build-fuzz; do
  cache="$top/$b/CMakeCache.txt"
  if [ -f "$cache" ] &&
     [ "$(sed -n 's/^CMAKE_HOME_DIRECTORY:INTERNAL=//p' "$cache")" != "$top" ]; then
    echo "The checkout moved: $b/ is built again."
    rm -rf "${top:?}/$b"
  fi
done

rm -f "$stamp"
cmake -S "$top" -B "$top/build" -DCMAKE_BUILD_TYPE="$build_type" >/dev/null
cmake --build "$top/build" -j "$(nproc)"
echo "$stamp_text" >"$stamp"
