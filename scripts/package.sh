#!/usr/bin/env bash
# Installs what building the game and packing it needs, builds the game with its manual, and packs
# the Debian package into build/ (its path is the last line printed); install it with
#   apt-get install ./build/varnholt-slots_VERSION_ARCH.deb
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh package
(cd build && cpack -G DEB >cpack.log 2>&1) || { cat build/cpack.log; echo "package.sh: cpack could not pack the package" >&2; exit 1; }
ls -t "$PWD"/build/varnholt-slots_*.deb | head -1
