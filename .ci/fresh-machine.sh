#!/usr/bin/env bash
# Proves the README on a machine that has nothing but Debian 12: in a clean root made by
# mmdebstrap it runs the play command (set-up, build, the game answering --version), starts the
# built game offscreen, plays a spin, packs the Debian package and installs that into a second
# clean root, where the installed game must start, play and load what it loads at run time.
# Last it runs the test command's package installation and configure step, so a test tool missing
# from the lists fails here too.
#   fresh-machine.sh
# VARNHOLT_FRESH_CACHE: where the clean root's tarball and the downloaded packages are kept
# between runs (default /var/cache/varnholt-fresh); a missing cache only costs time.
set -euo pipefail
shopt -s inherit_errexit
repo="$(cd "$(dirname "$0")/.." && pwd)"
cache="${VARNHOLT_FRESH_CACHE:-/var/cache/varnholt-fresh}"
[ "$(id -u)" -eq 0 ] || { echo "fresh-machine.sh: making a root and mounting into it needs root" >&2; exit 2; }

bash "$repo/scripts/install-packages.sh" mmdebstrap zstd
mkdir -p "$cache/archives/partial"

stamp() { echo "== $(date +%T) $*"; }
elapsed() { echo "== $1 took $(($(date +%s) - $2)) s"; }

# The base root is remade once a week, so its packages stay those of a player installing today.
base="$cache/bookworm-apt.tar.zst"
if [ ! -s "$base" ] || [ -n "$(find "$base" -mtime +6)" ]; then
  stamp "making a clean Debian 12 root"
  mmdebstrap --quiet --variant=apt --format=tar bookworm "$cache/new.tar.zst" \
    "deb http://deb.debian.org/debian bookworm main" \
    "deb http://deb.debian.org/debian bookworm-updates main" \
    "deb http://deb.debian.org/debian-security bookworm-security main"
  mv "$cache/new.tar.zst" "$base"
fi

work="$(mktemp -d /var/tmp/fresh-root.XXXXXX)"
# Deepest first; a bind of the host's /dev must be gone before anything under the roots is
# removed, so nothing is removed while a mount is left.
cleanUp() {
  local point
  for point in $(findmnt -rn -o TARGET | grep -F "$work/" | sort -r); do
    umount -l "$point" 2>/dev/null || true
  done
  if findmnt -rn -o TARGET | grep -F "$work/" >/dev/null; then
    echo "fresh-machine.sh: left $work (still mounted)" >&2
  else
    rm -rf "$work"
  fi
}
trap cleanUp EXIT

# Makes the clean root $work/$1 and sets root to it.
newRoot() {
  root="$work/$1"
  mkdir -p "$root"
  tar -C "$root" --zstd -xf "$base"
  cp /etc/resolv.conf "$root/etc/resolv.conf"
  mount -t proc proc "$root/proc"
  mount -t sysfs sys "$root/sys"
  mount --rbind /dev "$root/dev"
  mount --make-rslave "$root/dev"
  # Downloaded packages are shared between runs; the root keeps them (apt's own cache folder).
  mount --bind "$cache/archives" "$root/var/cache/apt/archives"
  rm -f "$root/etc/apt/apt.conf.d/docker-clean"
}
# Runs a long step in root $1 with its output in a log; on failure the log's end is shown.
logged() {
  local log="$work/$2.log"
  if ! inRoot "$1" "$3" >"$log" 2>&1; then
    tail -n 80 "$log" >&2
    echo "FAIL: $2 (the lines above end its output)" >&2
    exit 1
  fi
  tail -n "${4:-1}" "$log"
}
inRoot() {
  local root="$1"
  shift
  chroot "$root" /usr/bin/env -i HOME=/root PATH=/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8 \
    DEBIAN_FRONTEND=noninteractive bash -euo pipefail -c "$*"
}

# The tracked files as they stand in the work tree (uncommitted changes included, so a change to
# a list can be tried here before it is committed).
sourceTar="$work/source.tar"
(cd "$repo" && git ls-files -z --cached --others --exclude-standard | tar --null -T - -cf "$sourceTar")

# Plays one spin of the game started by $2 in root $1 on a private X display, and checks that the
# spin was counted in the saved game and recorded in the play history.
playSpin() {
  local root="$1" game="$2"
  inRoot "$root" "
    export HOME=/root/player XDG_RUNTIME_DIR=/tmp/runtime SDL_AUDIODRIVER=dummy
    rm -rf \$HOME; mkdir -p \$HOME /tmp/runtime; chmod 700 /tmp/runtime
    Xvfb :7 -screen 0 1024x768x24 -nolisten tcp >/tmp/xvfb.log 2>&1 & xvfb=\$!
    for _ in \$(seq 100); do [ -e /tmp/.X11-unix/X7 ] && break; sleep 0.1; done
    export DISPLAY=:7
    $game >/tmp/game.log 2>&1 & game=\$!
    window=
    for _ in \$(seq 200); do window=\$(xdotool search --onlyvisible --name 'Varnholt Slots' 2>/dev/null | head -1) && [ -n \"\$window\" ] && break; sleep 0.1; done
    [ -n \"\$window\" ] || { cat /tmp/game.log; echo 'FAIL: no game window'; exit 1; }
    sleep 1
    xdotool windowactivate --sync \$window 2>/dev/null || xdotool windowfocus --sync \$window
    # M puts in three coins and spins; the History window (Ctrl+H) loads its module and Qt Charts.
    xdotool key --window \$window m
    sleep 6
    xdotool key --window \$window ctrl+h
    history=
    for _ in \$(seq 100); do history=\$(xdotool search --onlyvisible --name 'History' 2>/dev/null | head -1) && [ -n \"\$history\" ] && break; sleep 0.1; done
    kill -TERM \$game; wait \$game || { cat /tmp/game.log; echo 'FAIL: the game did not end cleanly on SIGTERM'; exit 1; }
    kill \$xvfb
    [ -n \"\$history\" ] || { cat /tmp/game.log; echo 'FAIL: the History window did not open'; exit 1; }
    data=\$HOME/.local/share/varnholt-slots
    grep -qx 'Spins=1' \$data/varnholt-slots.ini || { cat /tmp/game.log; echo 'FAIL: the spin was not counted'; exit 1; }
    [ -s \$data/varnholt-slots-history.sqlite ] || { cat /tmp/game.log; echo 'FAIL: no play history (SQLite driver)'; exit 1; }
    echo 'played one spin; the History window opened'
  "
}

# Starts the game offscreen, lets it render its first music piece with the soundfont, and ends
# it with SIGTERM: it must have kept the game in progress.
startOffscreen() {
  local root="$1" game="$2"
  inRoot "$root" "
    export HOME=/root/offscreen QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy
    rm -rf \$HOME; mkdir -p \$HOME
    $game >/tmp/offscreen.log 2>&1 & game=\$!
    cacheDir=\$HOME/.cache/varnholt-slots/music
    for _ in \$(seq 600); do ls \$cacheDir 2>/dev/null | grep -q '\\.flac\$' && break; kill -0 \$game || break; sleep 0.1; done
    kill -TERM \$game; wait \$game || { cat /tmp/offscreen.log; echo 'FAIL: the game did not run offscreen'; exit 1; }
    [ -s \$HOME/.local/share/varnholt-slots/varnholt-slots.ini ] || { echo 'FAIL: the game in progress was not kept'; exit 1; }
    ls \$cacheDir 2>/dev/null | grep -q '\\.flac\$' || { cat /tmp/offscreen.log; echo 'FAIL: no music rendered (soundfont or synthesizer missing)'; exit 1; }
    echo 'started offscreen, rendered music, kept the game'
  "
}

started=$(date +%s)
stamp "root A: the play command"
newRoot build
rootA="$root"
mkdir -p "$rootA/root/varnholt-slots"
tar -C "$rootA/root/varnholt-slots" -xf "$sourceTar"
step=$(date +%s)
version="$(logged "$rootA" play-command "cd /root/varnholt-slots && bash scripts/play.sh --version")"
elapsed "the play command to a built game" "$step"
case "$version" in
  "Varnholt Slots "[0-9]*) echo "the built game answers: $version" ;;
  *) echo "FAIL: the built game answered '$version' to --version" >&2; exit 1 ;;
esac
startOffscreen "$rootA" /root/varnholt-slots/build/src/ui/varnholt-slots

stamp "root A: the Debian package"
step=$(date +%s)
logged "$rootA" packing "cd /root/varnholt-slots && bash scripts/package.sh"
elapsed "packing" "$step"
debs=("$rootA"/root/varnholt-slots/build/varnholt-slots_*.deb)
[ -f "${debs[0]}" ] || { echo "FAIL: no package was made" >&2; exit 1; }

stamp "root B: the package installed with apt"
newRoot installed
rootB="$root"
cp "${debs[0]}" "$rootB/root/"
step=$(date +%s)
logged "$rootB" installing "apt-get update && apt-get install -y /root/$(basename "${debs[0]}")"
elapsed "installing the package" "$step"
startOffscreen "$rootB" /usr/games/varnholt-slots
inRoot "$rootB" "ldconfig -p | grep 'libcups.so.2 ' >/dev/null || { echo 'FAIL: the print client (libcups.so.2) is not installed'; exit 1; }"
# The display and key tools come after the start above, so they cannot hide a missing library.
logged "$rootB" display-tools "apt-get install -y xvfb xdotool"
playSpin "$rootB" /usr/games/varnholt-slots

stamp "root A: the test command's packages and configure step"
step=$(date +%s)
logged "$rootA" test-set-up "cd /root/varnholt-slots && bash scripts/setup.sh tests --configure-only" 3
elapsed "the test command's set-up" "$step"
playSpin "$rootA" /root/varnholt-slots/build/src/ui/varnholt-slots

elapsed "the fresh-machine stage" "$started"
