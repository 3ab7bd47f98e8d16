#!/usr/bin/env bash
# Plays one spin as a screen reader would, over a private accessibility bus on a virtual screen,
# and checks what it reads of the reels and of the result:
#   bash reels-and-result.sh path/to/varnholt-slots
# Exits 77 (skipped) when the accessibility bus, the virtual screen or pyatspi is not installed.
set -euo pipefail
program="$1"
here="$(cd "$(dirname "$0")" && pwd)"

if [ -z "${IN_PRIVATE_BUS:-}" ]; then
  for tool in dbus-run-session Xvfb /usr/libexec/at-spi-bus-launcher; do
    command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
  done
  /usr/bin/python3 -c 'import pyatspi' 2>/dev/null || { echo "skipped: python3-pyatspi is not installed"; exit 77; }
  IN_PRIVATE_BUS=1 exec dbus-run-session -- bash "$0" "$@"
fi

pids=()
home="$(mktemp -d)"
trap 'kill "${pids[@]}" 2>/dev/null || true; rm -rf "$home"' EXIT
# A free display: Xvfb names the one it took.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$home/display" >/dev/null 2>&1 & pids+=($!)
for _ in $(seq 50); do [ -s "$home/display" ] && break; sleep 0.2; done
[ -s "$home/display" ] || { echo "FAIL: the virtual screen did not start"; exit 1; }
export DISPLAY=":$(head -n1 "$home/display")"
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 & pids+=($!)

# A home of its own: no saved game, no sound card.
HOME="$home" XDG_DATA_HOME="$home/data" XDG_CONFIG_HOME="$home/config" SDL_AUDIODRIVER=dummy \
  QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$program" >/dev/null 2>&1 & pids+=($!)
/usr/bin/python3 "$here/reels-and-result.py"
