#!/usr/bin/env bash
# Installs what is missing, builds, and renders both windows to PNG files (default: docs/), as
# laid out and at 200 %.
set -euo pipefail
cd "$(dirname "$0")/.."
out="${1:-docs}"
[[ "$out" = /* ]] || out="$(pwd)/$out"
scripts/install-deps.sh run
# Without the tests, whose tools rendering does not need (as scripts/run.sh builds).
scripts/build.sh -DTESSELKA_TESTS=OFF
cd build
QT_QPA_PLATFORM=offscreen ./tesselka_render "$out"
QT_QPA_PLATFORM=offscreen ./tesselka_render "$out" --zoom 200
# The other languages, each in a folder of its own, as laid out.
for language in en pt_BR zh_CN fil vi es; do
  mkdir -p "$out/languages/$language"
  QT_QPA_PLATFORM=offscreen ./tesselka_render "$out/languages/$language" --lang "$language"
done
