#!/usr/bin/env bash
# Installs what a picture generator needs: rsvg-convert, ImageMagick and the TeX Gyre fonts
# from Debian, Node.js if absent, and the npm packages pinned in the generator's lock file.
#   bash tools/art/setup.sh <generator folder>
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
packages=(librsvg2-bin imagemagick fonts-texgyre)
command -v node >/dev/null 2>&1 || packages+=(nodejs)
command -v npm >/dev/null 2>&1 || packages+=(npm)
bash "$here/../../scripts/install-packages.sh" "${packages[@]}"
cd "$1"
npm ci --no-audit --no-fund
