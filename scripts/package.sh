#!/usr/bin/env bash
# Builds the Debian package of Quorvane (installs what is missing first) and prints its
# path, size and contents. With a build directory given, packages that build instead of
# making a Release build of its own.
# Usage: scripts/package.sh [BUILD_DIR]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/install-deps.sh" >&2
dir=$(realpath -m "${1:-$top/build-package}")
if [ ! -f "$dir/CMakeCache.txt" ]; then
  cmake -S "$top" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUORVANE_TESTS=OFF -DQUORVANE_BENCH=OFF >&2
fi
cmake --build "$dir" -j "$(nproc)" >&2
rm -rf "$dir/packages"
(cd "$dir" && cpack -G DEB -B "$dir/packages" >&2)
deb=$(ls "$dir"/packages/quorvane_*.deb)
echo "$deb"
echo "size: $(du -k "$deb" | cut -f1) kB" >&2
dpkg-deb --info "$deb" | sed -n '/Package:/,$p' >&2
dpkg-deb --contents "$deb" | awk '{print $6}' >&2
