#!/usr/bin/env bash
# From a build of the game alone: installs it into a temporary prefix, starts it through
# games/varnholt-slots on a virtual X display, presses F1 and waits for the help window to show
# the manual, whose title it only takes when the manual beside the program was read.
#   check-manual-opens.sh BUILD_DIR
for tool in Xvfb xdotool; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
source "$(dirname "$0")/installed.sh"

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$scratch/display" 2>/dev/null &
server=$!
for _ in $(seq 100); do [ -s "$scratch/display" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$scratch/display")"
unset WAYLAND_DISPLAY QT_QPA_PLATFORM

mkdir -m 700 "$scratch/run"
# In English, whatever the desktop's language, since the title is the English manual's.
LANGUAGE=en HOME="$scratch" XDG_DATA_HOME="$scratch/data" XDG_RUNTIME_DIR="$scratch/run" SDL_AUDIODRIVER=dummy "$prefix/games/varnholt-slots" &
game=$!
# A loaded machine may take a while to show the window; the first key presses count only once
# the start sound has unlocked input.
window="$(xdotool search --sync --onlyvisible --name '^Varnholt Slots$' 2>/dev/null | head -1)"
sleep 1
xdotool windowfocus --sync "$window" key F1
for _ in $(seq 150); do
  xdotool search --onlyvisible --name '^Varnholt Slots Help$' >/dev/null 2>&1 && break
  sleep 0.1
done
xdotool search --onlyvisible --name '^Varnholt Slots Help$' >/dev/null 2>&1 ||
  fail "F1 did not show the manual (windows: $(xdotool search --onlyvisible --name . getwindowname %@ 2>&1 | tr '\n' '|'))"

kill -TERM "$game"
wait "$game" || fail "the game did not end cleanly on SIGTERM"
kill "$server"
exit $((failures > 0))
