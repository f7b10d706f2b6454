#!/usr/bin/env bash
# Installs what is missing, builds, and renders both windows to PNG files (default: docs/), as
# laid out and at 200 %.
set -euo pipefail
cd "$(dirname "$0")/.."
out="$(pwd)/${1:-docs}"
scripts/install-deps.sh
scripts/build.sh
cd build
QT_QPA_PLATFORM=offscreen ./tesselka_render "$out"
QT_QPA_PLATFORM=offscreen ./tesselka_render "$out" --zoom 200
