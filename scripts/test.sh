#!/usr/bin/env bash
# Installs what building the game and running every test needs, builds everything, and runs
# every test.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh tests
cd build
ctest --output-on-failure -j"$(nproc)"
