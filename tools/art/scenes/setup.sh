#!/usr/bin/env bash
# Installs what the scene generator needs: the SVG renderer, ImageMagick and the TeX Gyre
# fonts from Debian, Node.js if absent, and the pinned npm packages (Cinzel, game-icons,
# opentype.js) from package-lock.json.
set -euo pipefail
cd "$(dirname "$0")"

missing=()
command -v rsvg-convert >/dev/null || missing+=(librsvg2-bin)
[ -x /usr/bin/convert ] || missing+=(imagemagick)
[ -f /usr/share/texmf/fonts/opentype/public/tex-gyre/texgyrebonum-bold.otf ] || missing+=(fonts-texgyre)
command -v node >/dev/null || missing+=(nodejs)
command -v npm >/dev/null || missing+=(npm)
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  if [ "$(id -u)" -ne 0 ]; then SUDO=sudo; else SUDO=; fi
  $SUDO apt-get update
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y "${missing[@]}"
fi
npm ci --no-audit --no-fund
