#!/usr/bin/env bash
# Installs the Debian packages the game needs (when missing) and builds into build/: the named
# targets, or everything (game, tests, tools, benchmarks) when none is named.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
  cmake g++ pkg-config make
  qt6-base-dev libgl-dev
  libjpeg62-turbo-dev libgif-dev
  libsdl2-dev libsdl2-mixer-dev libfluidsynth-dev timgm6mb-soundfont
  libgtest-dev libgmock-dev libbenchmark-dev
  # The advert asks CUPS for the default printer; its test runs a private print server.
  libcups2-dev cups cups-client
  # The fuzz targets need clang's libFuzzer; the sanitizers its runtime.
  clang libclang-rt-14-dev
  # The format check of changed lines.
  clang-format git
  # The face is lettered in TeX Gyre Heros; the drawing tests measure DejaVu Sans.
  fonts-dejavu-core fonts-texgyre
  # Install checks and the Debian package: validators, the file watcher, dpkg-shlibdeps.
  desktop-file-utils appstream inotify-tools dpkg-dev file
  # The screen-reader test: a private accessibility bus, a virtual screen and pyatspi.
  at-spi2-core dbus python3-pyatspi xvfb
)
bash scripts/install-packages.sh "${packages[@]}"

# VARNHOLT_CMAKE_ARGS: extra configure arguments, split on spaces (CI: -DVARNHOLT_WERROR=ON).
read -r -a extra_args <<<"${VARNHOLT_CMAKE_ARGS:-}"
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo "${extra_args[@]}"
targets=()
for target in "$@"; do targets+=(--target "$target"); done
cmake --build build -j"$(nproc)" "${targets[@]}"
