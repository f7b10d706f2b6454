#!/usr/bin/env bash
# Installs what is missing, builds, and renders both windows to PNG files (default: docs/), as
# laid out and at 200 %.
set -euo pipefail
cd "$(dirname "$0")/.."
out="$(pwd)/${1:-docs}"
scripts/install-deps.sh run
# The release build without the tests, so that nothing but building is installed.
cmake --preset release >/dev/null
cmake --build build-release -j2 --target tesselka_render
cd build-release
QT_QPA_PLATFORM=offscreen ./tesselka_render "$out"
QT_QPA_PLATFORM=offscreen ./tesselka_render "$out" --zoom 200
