#!/usr/bin/env bash
# Installs what building and running need, builds the program, and opens Tesselka.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh run
# The tests need tools that running does not: they are left out here, and scripts/test.sh turns
# them on again.
scripts/build.sh -DTESSELKA_TESTS=OFF
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display is available (DISPLAY and WAYLAND_DISPLAY are unset): Tesselka needs a desktop to open its window." >&2
  exit 1
fi
# Started from the folder that holds the pictures, as a teacher would.
cd build
exec ./tesselka
