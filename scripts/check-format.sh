#!/usr/bin/env bash
# Checks that every C++ file of the tree follows .clang-format; lists the files that do not.
set -euo pipefail
cd "$(dirname "$0")/.."
formatter="$(command -v clang-format-14 || command -v clang-format)"
unformatted=()
while IFS= read -r file; do
  "$formatter" --dry-run --Werror "$file" >/dev/null 2>&1 || unformatted+=("$file")
done < <(git ls-files '*.cpp' '*.h')
if [ ${#unformatted[@]} -eq 0 ]; then
  echo "check-format: clean"
  exit 0
fi
printf '%s\n' "${unformatted[@]}"
echo "check-format: the files above differ from .clang-format; bash scripts/format.sh formats them" >&2
exit 1
