#!/usr/bin/env bash
# Starts the program with a saved game it may not replace (the file read-only, then its folder)
# and ends it with each quit signal: it must end within a bound only a hang would exceed, tell
# the failure on the standard error stream, and leave the saved game's bytes as they were.
#   unwritable-save.sh PROGRAM
set -euo pipefail
program=$1
scratch=$(mktemp -d)
trap 'chmod -R u+w "$scratch"; rm -rf "$scratch"' EXIT
fail() { echo "FAILED: $*"; exit 1; }

saves="$scratch/data/varnholt-slots"
mkdir -p "$saves"
printf '[CurrentGame]\nGameName=CurrentGame\nCredits=777\n' > "$saves/varnholt-slots.ini"
chmod 0444 "$saves/varnholt-slots.ini"
cp "$saves/varnholt-slots.ini" "$scratch/before.ini"

for readOnly in file folder; do
if [ "$readOnly" = folder ]; then
    chmod 0644 "$saves/varnholt-slots.ini"
    chmod 0555 "$saves"
fi
for signal in TERM INT HUP; do
    HOME="$scratch" XDG_DATA_HOME="$scratch/data" QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy \
        "$program" 2> "$scratch/stderr" &
    game=$!
    sleep 2 # past start-up, so the signal meets the running machine
    kill -0 "$game" 2>/dev/null || fail "the program ended by itself"
    kill -"$signal" "$game"
    for _ in $(seq 200); do
        kill -0 "$game" 2>/dev/null || break
        sleep 0.1
    done
    if kill -0 "$game" 2>/dev/null; then
        kill -KILL "$game"
        fail "read-only $readOnly, SIG$signal did not end the program within 20 seconds"
    fi
    wait "$game" || true
    grep -q "Unable to write to" "$scratch/stderr" || fail "read-only $readOnly, SIG$signal: no word of the failed save on stderr"
    cmp -s "$saves/varnholt-slots.ini" "$scratch/before.ini" || fail "read-only $readOnly, SIG$signal changed the saved game"
    echo "ok: SIG$signal, read-only $readOnly"
done
done
