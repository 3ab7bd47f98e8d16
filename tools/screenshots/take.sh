#!/usr/bin/env bash
# Takes the README's and the software centre's screenshots (docs/screenshots) from the current
# build, each on a virtual X display of its size. Builds what it needs into build/ first.
#   bash tools/screenshots/take.sh
# The scenes follow the locale: LANGUAGE=de bash tools/screenshots/take.sh shows them in German.
set -euo pipefail
cd "$(dirname "$0")/../.."
bash scripts/install-packages.sh xvfb
cmake --build build -j"$(nproc)" --target varnholt-slots varnholt-screenshots
out="$PWD/docs/screenshots"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT

# Screen size, then the scenes taken on it.
shots=(
  "800x600 face spin bonus open payoffs stats"
  "1024x768 face advert help"
  "1280x1024 face"
  "1920x1080 face save borrow spin bonus"
)
for shot in "${shots[@]}"; do
  read -r size scenes <<<"$shot"
  Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp 3>"$scratch/display" 2>/dev/null &
  server=$!
  for _ in $(seq 100); do [ -s "$scratch/display" ] && break; sleep 0.1; done
  # shellcheck disable=SC2086 # the scenes are separate words
  env -u WAYLAND_DISPLAY DISPLAY=":$(cat "$scratch/display")" QT_QPA_PLATFORM=xcb SDL_AUDIODRIVER=dummy \
    HOME="$scratch" XDG_RUNTIME_DIR="$scratch" build/tools/screenshots/varnholt-screenshots \
    build/src/ui/varnholt-slots "$out" $scenes
  kill "$server"
  wait "$server" 2>/dev/null || true
  rm -f "$scratch/display"
done
