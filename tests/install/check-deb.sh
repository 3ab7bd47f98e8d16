#!/usr/bin/env bash
# Packs the Debian package from the build and runs the distribution's own check on it: lintian
# must find no error and no warning.
#   check-deb.sh BUILD_DIR
set -uo pipefail
for tool in lintian dpkg-shlibdeps; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
build="$1"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$scratch" >"$scratch/cpack.log" 2>&1 ||
  { cat "$scratch/cpack.log"; echo "FAIL: cpack could not pack the package" >&2; exit 1; }
deb=("$scratch"/varnholt-slots_*.deb)
[ -f "${deb[0]}" ] || { echo "FAIL: cpack made no package" >&2; exit 1; }

# Informational tags are advice, not faults; errors and warnings fail.
report="$(lintian --no-cfg --fail-on error,warning "${deb[0]}" 2>&1)"
status=$?
echo "$report"
[ "$status" -eq 0 ] && ! grep -qE '^[EW]: ' <<<"$report" || { echo "FAIL: lintian reports the lines above" >&2; exit 1; }
