#!/usr/bin/env bash
# Formats every C++ file of the tree with .clang-format, in place (the tree is kept formatted,
# so only what a change touched moves).
set -euo pipefail
cd "$(dirname "$0")/.."
formatter="$(command -v clang-format-14 || command -v clang-format)"
git ls-files -z '*.cpp' '*.h' | xargs -0 "$formatter" -i
