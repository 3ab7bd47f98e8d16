#!/usr/bin/env bash
# Starts a headless Wayland compositor (weston) with a 1024 x 768 output and its usual 32 px
# panel, and runs the game's window in it on Qt's Wayland plugin (see WaylandStartProbe.cpp for
# what is checked).
#   check-wayland.sh PROBE [SCREENSHOT.png]    the second: keep a picture of the screen
set -uo pipefail
command -v weston >/dev/null || { echo "SKIP: weston is not installed"; exit 77; }
probe="$1"
scratch="$(mktemp -d)"
trap 'kill "$compositor" 2>/dev/null; rm -rf "$scratch"' EXIT
chmod 700 "$scratch"
export XDG_RUNTIME_DIR="$scratch"
printf '[core]\nidle-time=0\n[shell]\npanel-position=top\n' >"$scratch/weston.ini"
shot="${2:-}"
# Only a compositor started with --debug lets weston-screenshooter take pictures, and only one
# that renders (the headless output draws nothing unless told to use pixman) has one to take.
weston --config="$scratch/weston.ini" --backend=headless-backend.so --socket=varnholt-test \
  --width=1024 --height=768 ${shot:+--debug --use-pixman} >"$scratch/weston.log" 2>&1 &
compositor=$!
for _ in $(seq 100); do [ -S "$scratch/varnholt-test" ] && break; sleep 0.1; done
[ -S "$scratch/varnholt-test" ] || { cat "$scratch/weston.log"; echo "FAIL: weston did not start" >&2; exit 1; }

# Under the leak checker: the graphics libraries Qt's Wayland plugin loads are unloaded before
# the report, so what they keep for the life of the process cannot be traced or suppressed by
# name; leaks are checked everywhere else, and memory errors here too.
if [ -n "${ASAN_OPTIONS:-}" ]; then export ASAN_OPTIONS="$ASAN_OPTIONS:detect_leaks=0"; fi
env -u DISPLAY WAYLAND_DISPLAY=varnholt-test QT_QPA_PLATFORM=wayland SDL_AUDIODRIVER=dummy \
  ${shot:+VARNHOLT_WAYLAND_SCREENSHOT=weston-screenshooter} \
  bash -c 'cd "$1" && shift && exec "$@"' probe "$scratch" "$probe" "$scratch/game.ini" 1024 768
status=$?
if [ -n "$shot" ]; then
  picture=$(ls "$scratch"/wayland-screenshot*.png 2>/dev/null | head -1)
  [ -n "$picture" ] && cp "$picture" "$shot"
fi
exit $status
