#!/usr/bin/env bash
# Installs what is missing, builds the Gravitaria program and starts it on
# the user's desktop.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target gravitaria -j "$(nproc)"
exec build/app/gravitaria
