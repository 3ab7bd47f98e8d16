#!/usr/bin/env bash
# Sets everything up, builds the game alone (not the tests), and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh varnholt-slots
exec ./build/src/ui/varnholt-slots
