#!/usr/bin/env bash
# Sets everything up, builds, and starts the game.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
exec ./build/src/ui/varnholt-slots
