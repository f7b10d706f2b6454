#!/usr/bin/env bash
# Installs what is missing, builds, and opens Tesselka.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display is available (DISPLAY and WAYLAND_DISPLAY are unset): Tesselka needs a desktop to open its window." >&2
  exit 1
fi
# Started from the folder that holds the pictures, as a teacher would.
cd build
exec ./tesselka
