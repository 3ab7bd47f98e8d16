#!/usr/bin/env bash
# Installs the Debian packages a job needs (when missing) and builds into build/:
#   setup.sh game [target...]      what building and running the game needs
#   setup.sh package [target...]   that, plus what packing the Debian package needs
#   setup.sh tests [target...]     that, plus the test and CI tools
# Builds the named targets, or everything the configuration holds when none is named; with
# --configure-only in place of the targets it installs and configures, and builds nothing.
set -euo pipefail
cd "$(dirname "$0")/.."
job="${1:?usage: setup.sh game|tests [target...]}"
shift

game_packages=(
  cmake g++ pkg-config make
  qt6-base-dev libgl-dev
  # The History window draws its balance chart with Qt Charts.
  qt6-charts-dev
  # Qt's SQLite driver, loaded at run time: the play history's file.
  libqt6sql6-sqlite
  # SQLite's own header and library: the history bounds each statement through Qt's driver.
  libsqlite3-dev
  # Qt's plugin for Wayland desktops, so the game runs there natively.
  qt6-wayland
  libjpeg62-turbo-dev libgif-dev
  libsdl2-dev libsdl2-mixer-dev libfluidsynth-dev timgm6mb-soundfont
  # Music rendered ahead is kept as FLAC.
  libsndfile1-dev
  # The advert asks CUPS (the client library, not the server) for the default printer.
  libcups2-dev
  # The face is lettered in TeX Gyre Heros.
  fonts-texgyre
  # lrelease builds the translations; Qt's own translate its standard buttons.
  qt6-l10n-tools qt6-tools-dev qt6-translations-l10n
)
# cpack's Debian generator reads the programs' library needs and file kinds.
package_packages=(dpkg-dev file)
test_packages=(
  "${package_packages[@]}"
  libgtest-dev libgmock-dev libbenchmark-dev
  # The advert's test runs a private print server.
  cups cups-client
  # The fuzz targets need clang's libFuzzer; the sanitizers its runtime.
  clang libclang-rt-14-dev
  # The translations' completeness check runs lupdate from a Python script.
  python3
  # The format check of changed lines.
  clang-format git
  # The drawing tests measure DejaVu Sans.
  fonts-dejavu-core
  # Install checks: validators, the file watcher, lintian.
  desktop-file-utils appstream inotify-tools lintian
  # The game started for real: a virtual X display with key presses, a headless Wayland compositor.
  xvfb xdotool weston
  # The screen-reader tests: a private accessibility bus and pyatspi; Orca itself, its speech
  # server, and a window manager that activates windows as a desktop does.
  at-spi2-core dbus python3-pyatspi orca speech-dispatcher openbox
)
case "$job" in
  game) bash scripts/install-packages.sh "${game_packages[@]}" ;;
  package) bash scripts/install-packages.sh "${game_packages[@]}" "${package_packages[@]}" ;;
  tests) bash scripts/install-packages.sh "${game_packages[@]}" "${test_packages[@]}" ;;
  *) echo "setup.sh: the job is game, package or tests, not '$job'" >&2; exit 2 ;;
esac

# VARNHOLT_CMAKE_ARGS: extra configure arguments, split on spaces (CI: -DVARNHOLT_WERROR=ON).
read -r -a extra_args <<<"${VARNHOLT_CMAKE_ARGS:-}"
# The tests are configured when their tools are installed; the game's job leaves an earlier
# choice as it was.
[ "$job" = tests ] && extra_args+=(-DVARNHOLT_WITH_TESTS=ON)
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo "${extra_args[@]}"
[ "${1:-}" = --configure-only ] && exit 0
targets=()
for target in "$@"; do targets+=(--target "$target"); done
cmake --build build -j"$(nproc)" "${targets[@]}"
