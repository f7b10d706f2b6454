#!/usr/bin/env bash
# Builds Tesselka for the browser in build-web/, optimised for size (every pupil downloads it):
# the folder web/ to put on a web server, and tesselka-<version>-web.zip holding it. Qt for the
# browser is built once per machine (scripts/qt-build.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/cross-build.sh
scripts/install-deps.sh web
qt="$(scripts/qt-build.sh web)"
. scripts/emscripten-env.sh
out=build-web
cross_build "$qt" "$out" -DCMAKE_BUILD_TYPE=MinSizeRel "$@"

name="tesselka-$(project_version)-web"
rm -rf "$out/zip" && mkdir -p "$out/zip"
cp -r "$out/web" "$out/zip/$name"
zip_folder "$out/zip" "$name" "$out/$name.zip"
ls -l "$out/$name.zip"
