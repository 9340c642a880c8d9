#!/usr/bin/env bash
# Builds the Debian package gravitaria_<version>_amd64.deb and prints its path.
#   bash tools/package-deb.sh [BUILD_DIR]
# BUILD_DIR (default: build) is reused when it is already configured, so a
# tree the tests have just built is packaged as it is; otherwise it is
# configured here. The package lands in BUILD_DIR/package/.
set -euo pipefail
cd "$(dirname "$0")/.."
ROOT=$(pwd)
BUILD=${1:-build}
case "$BUILD" in /*) ;; *) BUILD="$ROOT/$BUILD" ;; esac

if [ ! -f "$BUILD/CMakeCache.txt" ]; then
  bash tools/install-deps.sh
  cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DGRAVITARIA_BENCH=OFF >/dev/null
fi
# Up to date already when the tree was just built; cpack installs, it does not build.
cmake --build "$BUILD" -j "$(nproc)" >/dev/null

rm -rf "$BUILD/package"
if ! log=$(cd "$BUILD" && cpack -G DEB -B "$BUILD/package" 2>&1); then
  echo "$log" >&2
  exit 1
fi
deb=$(ls "$BUILD"/package/gravitaria_*_amd64.deb)
echo "$deb"
