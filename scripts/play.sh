#!/usr/bin/env bash
# Installs what building and running the game needs, builds the game (with its manual, not the
# tests), and starts it; arguments go to the game (--version answers and ends).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh game varnholt-slots
exec ./build/src/ui/varnholt-slots "$@"
