#!/usr/bin/env bash
# Installs the Debian packages the game needs (when missing) and builds it into build/.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
  cmake g++ pkg-config make
  qt6-base-dev libgl-dev
  libjpeg62-turbo-dev libgif-dev
  libsdl2-dev libsdl2-mixer-dev libfluidsynth-dev timgm6mb-soundfont
  libgtest-dev libgmock-dev libbenchmark-dev
  # The face is lettered in TeX Gyre Heros; the drawing tests measure DejaVu Sans.
  fonts-dejavu-core fonts-texgyre
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  if [ "$(id -u)" -ne 0 ]; then SUDO=sudo; else SUDO=; fi
  $SUDO apt-get update
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y "${missing[@]}"
fi

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)"
