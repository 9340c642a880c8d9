#!/usr/bin/env bash
# Builds every benchmark under bench/ in an optimised build (build-bench/)
# and runs them one after the other, writing the results to stdout.
# Extra arguments go to each benchmark (e.g. --benchmark_filter=Orbit).
set -euo pipefail
cd "$(dirname "$0")/.."
ROOT=$(pwd)
BUILD="$ROOT/build-bench"
JOBS=${JOBS:-2}

cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release -DGRAVITARIA_BENCH=ON >/dev/null
cmake --build "$BUILD" --target bench/all -j "$JOBS" >/dev/null

status=0
while IFS= read -r exe; do
  echo "== $(basename "$exe")"
  "$exe" "$@" || status=1
done < <(find "$BUILD/bench" -type f -executable -not -path '*/CMakeFiles/*' | sort)
exit $status
