#!/usr/bin/env bash
# The command line without a display: --version and --help print and exit 0 (over ssh, in a
# chroot, for man-page generators); a start to play says why it cannot in one line, exit 1.
#   check-command-line.sh PROGRAM VERSION
set -uo pipefail
program="$1"
version="$2"
failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}
headless() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" "$@"; }

out="$(headless --version 2>&1)" || fail "--version exited with $?"
grep -qx "Varnholt Slots $version" <<<"$out" || fail "--version printed: $out"
out="$(headless --help 2>&1)" || fail "--help exited with $?"
grep -q -- "--version" <<<"$out" || fail "--help printed: $out"

err="$(headless 2>&1 >/dev/null)"
status=$?
[ "$status" -eq 1 ] || fail "a start without a display exited with $status, not 1"
[ "$(wc -l <<<"$err")" -eq 1 ] && grep -q "no display" <<<"$err" || fail "a start without a display said: $err"
exit $((failures > 0))
