#!/usr/bin/env bash
# Runs a player under Orca, the desktop's screen reader, on a virtual screen with a window
# manager, a private session bus, accessibility bus and speech server, then stops Orca and writes
# what it spoke, one utterance a line, to SPOKEN:
#   bash orca-session.sh SPOKEN PLAYER [ARGUMENTS...]
# The player starts the game itself and finds DISPLAY, HOME and the XDG folders set to private
# ones; it writes the game's process id to GAME_PID_FILE and leaves it running: the game ends
# after Orca, which would otherwise wait on calls to a program gone. Orca's whole debug log is kept beside SPOKEN as SPOKEN.log.
# Exits 77 (skipped) when Orca, the virtual screen or the accessibility bus is not installed.
set -euo pipefail
spoken="$1"
shift

if [ -z "${IN_PRIVATE_BUS:-}" ]; then
  for tool in orca dbus-run-session Xvfb openbox xdotool /usr/libexec/at-spi-bus-launcher; do
    command -v "$tool" >/dev/null || {
      echo "skipped: $tool is not installed (bash scripts/setup.sh tests installs it)"
      exit 77
    }
  done
  /usr/bin/python3 -c 'import pyatspi' 2>/dev/null || { echo "skipped: python3-pyatspi is not installed"; exit 77; }
  IN_PRIVATE_BUS=1 exec dbus-run-session -- bash "$0" "$spoken" "$@"
fi

pids=()
home="$(mktemp -d)"
stop_all() {
  # Orca starts the speech server, which would outlive the session.
  local server="$home/run/speech-dispatcher/pid/speech-dispatcher.pid"
  [ -s "$server" ] && pids+=("$(cat "$server")")
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  # The display's number is free again only once its server has gone.
  for pid in "${pids[@]}"; do
    for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
  done
  rm -rf "$home"
}
trap stop_all EXIT

# Everything private: no saved game, no remembered options or Orca settings, no sound card.
export HOME="$home" XDG_DATA_HOME="$home/data" XDG_CONFIG_HOME="$home/config" XDG_CACHE_HOME="$home/cache"
export XDG_RUNTIME_DIR="$home/run" SDL_AUDIODRIVER=dummy
# What is spoken is checked in English, with English figures.
export LANG=C.UTF-8 LC_ALL=C.UTF-8 LANGUAGE=en
mkdir -p "$XDG_CONFIG_HOME/speech-dispatcher" "$XDG_RUNTIME_DIR" "$XDG_DATA_HOME"
chmod 700 "$XDG_RUNTIME_DIR"

# A display of its own, from :32 up, clear of the usual desktop numbers.
unset DISPLAY
for number in $(seq 32 99); do
  [ -e "/tmp/.X11-unix/X$number" ] || [ -e "/tmp/.X$number-lock" ] && continue
  Xvfb ":$number" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb=$!
  for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$number" ] && break; kill -0 "$xvfb" 2>/dev/null || break; sleep 0.1; done
  if kill -0 "$xvfb" 2>/dev/null && [ -e "/tmp/.X11-unix/X$number" ]; then
    pids+=("$xvfb")
    export DISPLAY=":$number"
    break
  fi
done
[ -n "${DISPLAY:-}" ] || { echo "FAIL: no free display for the virtual screen"; exit 1; }
# Windows are activated and focused as on a desktop: Orca follows the active window.
openbox --sm-disable >/dev/null 2>&1 & pids+=($!)
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 & pids+=($!)

# Speech goes through the speech server to a silent audio driver; Orca logs what it says either
# way, so a missing speech server only costs realism.
printf 'default_driver=null\n' >"$HOME/.libao"
cat >"$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf" <<'EOF'
AudioOutputMethod "libao"
AddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"
DefaultModule espeak-ng
EOF

log="$spoken.log"
orca -r --debug-file="$log" >"$home/orca.out" 2>&1 &
orca_pid=$!
pids+=("$orca_pid")
# Orca is ready once it is on the accessibility bus.
/usr/bin/python3 - <<'EOF' || { echo "FAIL: Orca did not appear on the accessibility bus"; exit 1; }
import sys, time, pyatspi
deadline = time.monotonic() + 60
while time.monotonic() < deadline:
    desktop = pyatspi.Registry.getDesktop(0)
    names = [desktop.getChildAtIndex(i).name for i in range(desktop.childCount)
             if desktop.getChildAtIndex(i) is not None]
    if "orca" in names:
        sys.exit(0)
    time.sleep(0.3)
sys.exit(1)
EOF

status=0
# The player waits for Orca to be idle before each step, as a listener would.
export GAME_PID_FILE="$home/game.pid" ORCA_PID="$orca_pid"
QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$@" || status=$?

# The log is written in blocks: complete only once Orca has ended. The game is still running,
# so Orca does not wait on calls to a program that has gone.
# Orca handles the signal once its event loop wakes: a key press wakes it.
kill -TERM "$orca_pid" 2>/dev/null || true
for _ in $(seq 60); do
  kill -0 "$orca_pid" 2>/dev/null || break
  xdotool key shift 2>/dev/null || true
  sleep 0.5
done
if kill -0 "$orca_pid" 2>/dev/null; then
  echo "FAIL: Orca did not end within 30 seconds; its log is incomplete"
  kill -KILL "$orca_pid" 2>/dev/null || true
  status=1
fi
wait "$orca_pid" 2>/dev/null || true
[ -s "$GAME_PID_FILE" ] && kill "$(cat "$GAME_PID_FILE")" 2>/dev/null || true
# What Orca says of the screen: "SPEECH OUTPUT: 'text'{voice}". The echo of the keys pressed is
# logged with a space before the voice ("'b ' {...}") and left out.
sed -n "s/^.*SPEECH OUTPUT: '\(.*\)'\( voice=[a-z]*\)\?{.*}$/\1/p" "$log" >"$spoken"
exit "$status"
