#!/usr/bin/env bash
# Regenerates every built-in picture and the contact sheet:
#   bash tools/art/generate.sh
# The pictures are committed, so building and testing the game never needs this.
# Output is byte-identical from run to run.
set -euo pipefail
cd "$(dirname "$0")/../.."

if [ -f tools/art/icons/generate.sh ]; then
  bash tools/art/icons/generate.sh
fi
[ -d tools/art/scenes/node_modules ] || bash tools/art/scenes/setup.sh
node tools/art/scenes/generate.js
node tools/art/contact-sheet.js
