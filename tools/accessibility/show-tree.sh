#!/usr/bin/env bash
# Starts the game on a private accessibility bus (and a virtual screen when there is no display),
# lists what a screen reader sees of it through AT-SPI, and ends it again:
#   bash tools/accessibility/show-tree.sh [path/to/varnholt-slots]
set -euo pipefail
cd "$(dirname "$0")/../.."
program="${1:-build/src/ui/varnholt-slots}"
bash scripts/install-packages.sh at-spi2-core python3-pyatspi dbus xvfb

if [ -z "${IN_PRIVATE_BUS:-}" ]; then
  IN_PRIVATE_BUS=1 exec dbus-run-session -- bash "$0" "$program"
fi

pids=()
trap 'kill "${pids[@]}" 2>/dev/null || true' EXIT
if [ -z "${DISPLAY:-}" ]; then
  Xvfb :77 -screen 0 1024x768x24 >/dev/null 2>&1 & pids+=($!)
  export DISPLAY=:77
  sleep 1
fi
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 & pids+=($!)
sleep 1
# Qt exposes its accessible tree only when asked to, or when a screen reader is running.
home="$(mktemp -d)"
HOME="$home" XDG_DATA_HOME="$home" XDG_CONFIG_HOME="$home" SDL_AUDIODRIVER=dummy QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 \
  "$program" >/dev/null 2>&1 & pids+=($!)
sleep 5
/usr/bin/python3 tools/accessibility/list-tree.py "Varnholt Slots"
