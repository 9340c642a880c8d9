#!/usr/bin/env bash
# Installs what is missing, builds Gravitaria twice (warnings as errors; then
# with AddressSanitizer and UndefinedBehaviorSanitizer) and runs every test in
# both builds. The first build is also packaged as a .deb and the package
# checked (installed, started and purged only as root in CI, see
# tools/check-deb.sh), and the parts without Qt are cross-built for Windows
# and tested under wine (tools/build-windows.sh). Starts the services the tests need: a local CUPS with a PDF
# printer as default destination, and an Xvfb display for the real binary.
set -euo pipefail
cd "$(dirname "$0")/.."
ROOT=$(pwd)

bash tools/install-deps.sh

export GRAVITARIA_PDF_DIR
GRAVITARIA_PDF_DIR=$(bash tools/start-cups.sh 2>/dev/null | tail -n 1)

XVFB_PID=""
cleanup() { [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null || true; }
trap cleanup EXIT
if command -v Xvfb >/dev/null; then
  for n in $(seq 87 120); do
    if [ ! -e /tmp/.X11-unix/X$n ] && [ ! -e /tmp/.X$n-lock ]; then
      # -noreset: the server must not reset (and refuse connections) each
      # time its last client, a program under test, goes away.
      # 2560 x 1600: the main window fits at 200 % (the high-DPI test).
      Xvfb :$n -screen 0 2560x1600x24 -nolisten tcp -noreset >/dev/null 2>&1 &
      XVFB_PID=$!
      export GRAVITARIA_XVFB_DISPLAY=:$n
      for _ in $(seq 1 100); do
        xdpyinfo -display ":$n" >/dev/null 2>&1 && break
        sleep 0.1
      done
      break
    fi
  done
fi

JOBS=$(nproc)
status=0

run_config() {
  local dir=$1; shift
  cmake -S "$ROOT" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
  cmake --build "$dir" -j "$JOBS"
  (cd "$dir" && ctest --output-on-failure -j "$JOBS" --timeout 600) || status=1
}

echo "== build with warnings as errors"
run_config build -DGRAVITARIA_WERROR=ON

echo "== Debian package of that build"
if deb=$(bash tools/package-deb.sh build | tail -n 1); then
  echo "$deb"
  bash tools/check-deb.sh "$deb" build || status=1
else
  status=1
fi

echo "== Windows cross-build (MinGW-w64) and its tests under wine"
if command -v x86_64-w64-mingw32-g++-posix >/dev/null && [ -x /usr/lib/wine/wine64 ]; then
  bash tools/build-windows.sh build || status=1
else
  echo "skipped: MinGW-w64 or wine64 is not installed (tools/install-deps.sh installs them)"
fi

echo "== build with AddressSanitizer and UndefinedBehaviorSanitizer"
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export GRAVITARIA_SANITIZED=1
run_config build-asan -DGRAVITARIA_WERROR=ON -DGRAVITARIA_SANITIZE=ON -DGRAVITARIA_BENCH=OFF

exit $status
