#!/usr/bin/env bash
# Installs what is missing, builds Gravitaria and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$(nproc)"
if [ -x build/app/gravitaria ]; then
  exec build/app/gravitaria
fi
# Until the desktop program is built, show the Earth scenario's table.
exec build/tools/gravitaria-table/gravitaria-table 6e24 6380 30000 40000 0 0 200 100
