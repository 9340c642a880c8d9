#!/usr/bin/env bash
# Cross-builds the parts of Gravitaria that need no Qt for 64-bit Windows with
# Debian's MinGW-w64, and tests them under wine64:
#   - orbit/, the table tool gravitaria-table.exe and the orbit tests, with
#     GoogleTest built from Debian's googletest sources by the same compiler;
#   - the program's resource script (windres) in a test that reads the
#     version record and the manifest back;
#   - gravitaria-table.exe against the Linux tool on every scenario of the
#     table tool's test, in the C and the French locale: byte-identical
#     output and the same exit code.
#   bash tools/build-windows.sh [LINUX_BUILD_DIR]
# The Linux tool comes from LINUX_BUILD_DIR (default: build), built here if
# needed. The Windows tree is build-windows/ (wine's prefix inside it).
set -euo pipefail
cd "$(dirname "$0")/.."
ROOT=$(pwd)
LINUX_BUILD=${1:-build}
case "$LINUX_BUILD" in /*) ;; *) LINUX_BUILD="$ROOT/$LINUX_BUILD" ;; esac
WIN_BUILD="$ROOT/build-windows"
JOBS=$(nproc)

for tool in x86_64-w64-mingw32-g++-posix x86_64-w64-mingw32-windres; do
  command -v "$tool" >/dev/null || { echo "$tool is missing (bash tools/install-deps.sh)" >&2; exit 1; }
done
WINE=$(command -v wine64 || echo /usr/lib/wine/wine64)
WINESERVER=$(command -v wineserver || echo /usr/lib/wine/wineserver64)
[ -x "$WINE" ] || { echo "wine64 is missing (bash tools/install-deps.sh)" >&2; exit 1; }
[ -f /usr/src/googletest/CMakeLists.txt ] || { echo "the googletest sources are missing" >&2; exit 1; }

export WINEPREFIX="$WIN_BUILD/wine"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="   # no Mono or Gecko installer
mkdir -p "$WIN_BUILD"
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  echo "-- creating the wine prefix"
  "$WINE" wineboot --init >/dev/null 2>&1 || true
  "$WINESERVER" -w || true   # wineboot returns before the prefix is written out
fi

# Boost's header-only libraries serve MinGW-w64 as they are, but the rest of
# /usr/include is the Linux C library: give the compiler Boost alone.
mkdir -p "$WIN_BUILD/host-headers"
[ -d /usr/include/boost ] && ln -sfn /usr/include/boost "$WIN_BUILD/host-headers/boost"

# The Linux build's optimisation level, for the same arithmetic.
echo "-- Windows build in build-windows/"
cmake -S "$ROOT" -B "$WIN_BUILD" -G Ninja --no-warn-unused-cli \
  -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-w64-x86_64.cmake" \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DGRAVITARIA_WERROR=ON -DGRAVITARIA_QT=OFF \
  -DGRAVITARIA_GTEST_SOURCE=/usr/src/googletest \
  -DBoost_INCLUDE_DIR="$WIN_BUILD/host-headers" -DBoost_NO_BOOST_CMAKE=ON >/dev/null
cmake --build "$WIN_BUILD" -j "$JOBS"

status=0
echo "-- the orbit and resource tests under wine"
(cd "$WIN_BUILD" && ctest --output-on-failure -j "$JOBS" --timeout 300) || status=1

echo "-- gravitaria-table.exe against the Linux tool"
if [ ! -x "$LINUX_BUILD/tools/gravitaria-table/gravitaria-table" ]; then
  if [ ! -f "$LINUX_BUILD/CMakeCache.txt" ]; then
    cmake -S "$ROOT" -B "$LINUX_BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DGRAVITARIA_BENCH=OFF >/dev/null
  fi
  cmake --build "$LINUX_BUILD" --target gravitaria-table -j "$JOBS" >/dev/null
fi
LINUX_TOOL="$LINUX_BUILD/tools/gravitaria-table/gravitaria-table"
WIN_TOOL="$WIN_BUILD/tools/gravitaria-table/gravitaria-table.exe"
out="$WIN_BUILD/table-comparison"
rm -rf "$out" && mkdir -p "$out"
compared=0
while read -r name args; do
  case "$name" in ''|'#'*) continue ;; esac
  read -r -a argv <<<"$args" || true
  for locale in C fr_FR.UTF-8; do
    base="$out/$name.$locale"
    set +e
    env -i PATH="$PATH" LC_ALL=$locale "$LINUX_TOOL" "${argv[@]}" >"$base.linux.out" 2>"$base.linux.err"
    linux_rc=$?
    env -i PATH="$PATH" HOME="${HOME:-$WIN_BUILD}" WINEPREFIX="$WINEPREFIX" WINEDEBUG=-all \
      WINEDLLOVERRIDES="$WINEDLLOVERRIDES" LC_ALL=$locale \
      "$WINE" "$WIN_TOOL" "${argv[@]}" >"$base.windows.out" 2>"$base.windows.err"
    windows_rc=$?
    set -e
    compared=$((compared + 1))
    if [ $linux_rc -ne $windows_rc ] || ! cmp -s "$base.linux.out" "$base.windows.out" ||
       ! cmp -s "$base.linux.err" "$base.windows.err"; then
      echo "FAILED: $name in $locale: exit $linux_rc on Linux, $windows_rc on Windows" >&2
      diff "$base.linux.out" "$base.windows.out" | head -n 5 >&2 || true
      diff "$base.linux.err" "$base.windows.err" | head -n 5 >&2 || true
      status=1
    fi
  done
done <"$ROOT/tests/orbit/table_tool_scenarios.txt"
[ $status -eq 0 ] && echo "-- $compared runs byte-identical (output, messages and exit code)"
"$WINESERVER" -k 2>/dev/null || true   # this prefix's server only
exit $status
