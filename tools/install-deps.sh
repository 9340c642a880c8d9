#!/usr/bin/env bash
# Installs the Debian 12 packages needed to build, test and benchmark Gravitaria.
# Idempotent: installs only what is missing and prints nothing when all is present.
set -euo pipefail

PACKAGES=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools libqt6opengl6-dev libgl-dev
  libjpeg-dev libboost-dev
  libgtest-dev googletest libgmock-dev libbenchmark-dev
  xvfb xdotool x11-utils xauth libxcb1-dev
  cups cups-client cups-bsd printer-driver-cups-pdf poppler-utils
  fonts-wine fonts-dejavu-core
  desktop-file-utils appstream libxml2-utils
  dpkg-dev lintian man-db
  g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 wine64
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
