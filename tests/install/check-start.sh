#!/usr/bin/env bash
# Installs into a temporary prefix, starts the program through games/varnholt-slots from another
# folder on a 1024 x 768 offscreen screen, and watches its program folder: it must open the
# sized symbol sheet for that width, the click and start sounds and the first music piece, which
# it only does when it found them there (a missing file falls back to a built-in or silence).
#   check-start.sh BUILD_DIR
source "$(dirname "$0")/installed.sh"
expected=(Vrn98.jpg Vrn0.wav Vrn3.wav Vrn7.wav Vrn0.mid)

elsewhere="$scratch/elsewhere"
mkdir -p "$elsewhere"
echo '{"screens":[{"name":"S","x":0,"y":0,"width":1024,"height":768,"logicalDpi":96,"logicalBaseDpi":96,"dpr":1}]}' \
  > "$scratch/screen.json"

inotifywait -m -e open --format %f "$programDir" > "$scratch/opened" 2> "$scratch/watch" &
watcher=$!
until grep -q 'Watches established' "$scratch/watch"; do sleep 0.1; done

cd "$elsewhere"
HOME="$elsewhere" XDG_DATA_HOME="$elsewhere/data" QT_QPA_PLATFORM="offscreen:configfile=$scratch/screen.json" \
  SDL_AUDIODRIVER=dummy "$prefix/games/varnholt-slots" &
game=$!

allOpened() {
  for f in "${expected[@]}"; do grep -qx "$f" "$scratch/opened" || return 1; done
}
# The start sound and music begin a quarter second in; give a loaded machine a generous bound.
for _ in $(seq 300); do
  allOpened && break
  kill -0 "$game" 2>/dev/null || break
  sleep 0.1
done
kill -TERM "$game" 2>/dev/null || fail "the program ended by itself"
wait "$game" || fail "the program did not end cleanly on SIGTERM"
kill "$watcher"

for f in "${expected[@]}"; do
  grep -qx "$f" "$scratch/opened" || fail "the program did not read $f from $programDir"
done
[ -s "$elsewhere/data/varnholt-slots/varnholt-slots.ini" ] || fail "the game in progress was not saved"
exit $((failures > 0))
