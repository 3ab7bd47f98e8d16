#!/usr/bin/env bash
# Renders the symbols, buttons, logo, digit strips and chips into assets/pictures and the sized
# symbol sheets into assets/beside. Installs its tools first. Same bytes on every run.
#
#   bash tools/art/icons/generate.sh [--preview DIR]
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
bash "$here/setup.sh"
(cd "$here" && node --test test/ >/dev/null) || { echo "generator self-test failed: node --test test/ in $here" >&2; exit 1; }
node "$here/render.js" "$@"
