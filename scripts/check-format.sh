#!/usr/bin/env bash
# Checks that the C++ lines changed since a base commit follow .clang-format: by default every
# line changed since the commit recorded in .ci/format-base, when the style was adopted. Only
# changed lines: older code is not uniformly formatted and is left alone.
set -euo pipefail
cd "$(dirname "$0")/.."
base="${1:-$(cat .ci/format-base)}"
if ! git rev-parse --verify --quiet "$base^{commit}" >/dev/null; then
  echo "check-format: no commit $base to compare with; nothing to check"
  exit 0
fi
formatter="$(command -v clang-format-14 || command -v clang-format)"
out="$(git clang-format --binary "$formatter" --diff "$base" -- '*.cpp' '*.h')"
case "$out" in
  "" | "no modified files to format" | *"did not modify any files"*) echo "check-format: clean" ;;
  *) echo "$out"; echo "check-format: the lines above differ from .clang-format" >&2; exit 1 ;;
esac
