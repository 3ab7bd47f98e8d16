#!/usr/bin/env bash
# Installs the icon generator's tools: rsvg-convert, ImageMagick and the TeX Gyre fonts from
# Debian, and the npm packages pinned in package-lock.json (icon silhouettes, Cinzel, font reader).
set -euo pipefail
cd "$(dirname "$0")"

packages=(librsvg2-bin imagemagick fonts-texgyre)
command -v node >/dev/null 2>&1 || packages+=(nodejs)
command -v npm >/dev/null 2>&1 || packages+=(npm)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  if [ "$(id -u)" -ne 0 ]; then SUDO=sudo; else SUDO=; fi
  $SUDO apt-get update
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y "${missing[@]}"
fi

npm ci --no-audit --no-fund
