#!/usr/bin/env bash
# Installs what building and running the game needs, builds the game (with its manual, not the
# tests), and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh game varnholt-slots
exec ./build/src/ui/varnholt-slots
