#!/usr/bin/env bash
# Installs this generator's tools and its pinned npm packages.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
bash "$here/../setup.sh" "$here"
