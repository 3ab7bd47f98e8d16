# Sourced by the install tests: installs the build given as $1 into a fresh temporary prefix
# ($prefix, removed on exit) and names the program folder ($programDir). Failures go to fail().
set -euo pipefail
build="$1"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
prefix="$scratch/prefix"
programDir="$prefix/lib/varnholt-slots"
cmake --install "$build" --prefix "$prefix" >/dev/null

failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}
