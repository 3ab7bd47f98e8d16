#!/usr/bin/env bash
# Formats the C++ lines changed since a commit (by default HEAD: the change not yet committed)
# with .clang-format, in place. Older lines are left as they are.
#   format.sh [commit]
set -euo pipefail
cd "$(dirname "$0")/.."
formatter="$(command -v clang-format-14 || command -v clang-format)"
git clang-format --force --binary "$formatter" "${1:-HEAD}" -- '*.cpp' '*.h'
