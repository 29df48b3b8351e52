#!/usr/bin/env bash
# Builds the Debian package, corralon_VERSION_ARCH.deb, in BUILD/package
# (default build/, set up and built first) and prints its path. The
# dependencies are worked out from the programs and plug-ins by
# dpkg-shlibdeps (package dpkg-dev, installed by scripts/setup.sh).
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-}"
if [ -z "$build" ]; then
  build="$top/build"
  "$top/scripts/setup.sh" package >&2
fi
for tool in dpkg-shlibdeps file; do
  command -v "$tool" >/dev/null || {
    echo "package.sh: $tool is missing (apt-get install dpkg-dev file)" >&2; exit 1; }
done
# cpack writes only under the build folder; its own listing goes to stderr.
(cd "$build" && cpack -G DEB --config CPackConfig.cmake) >&2
version="$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' "$build/CPackConfig.cmake")"
deb="$build/package/corralon_${version}_$(dpkg --print-architecture).deb"
[ -f "$deb" ] || { echo "package.sh: cpack made no $deb" >&2; exit 1; }
echo "$deb"
