#!/usr/bin/env bash
# Installs into a temporary prefix, checks what was installed, and starts the installed program
# from another folder: it must find its pictures and run its intro rather than stop.
set -euo pipefail
build="$1"
prefix=$(mktemp -d)
elsewhere=$(mktemp -d)
trap 'rm -rf "$prefix" "$elsewhere"' EXIT

cmake --install "$build" --prefix "$prefix" >/dev/null
for f in bin/tesselka share/applications/tesselka.desktop share/icons/hicolor/48x48/apps/tesselka.png \
         share/icons/hicolor/16x16/apps/tesselka.png share/tesselka/0.jpg share/tesselka/5.jpg \
         share/doc/tesselka/IPA_Font_License.txt; do
  [ -f "$prefix/$f" ] || { echo "not installed: $f"; exit 1; }
done
# The font the program carries may be passed on only with its licence, in plain text.
grep -q 'IPA Font License Agreement v1.0' "$prefix/share/doc/tesselka/IPA_Font_License.txt" ||
  { echo "the font's licence is not the IPA Font License"; exit 1; }
desktop-file-validate "$prefix/share/applications/tesselka.desktop"

cd "$elsewhere"
QT_QPA_PLATFORM=offscreen "$prefix/bin/tesselka" 2>"$elsewhere/err" &
pid=$!
sleep 2
if ! kill -0 "$pid" 2>/dev/null; then
  echo "the installed program stopped:"; cat "$elsewhere/err"; exit 1
fi
kill "$pid"
wait "$pid" 2>/dev/null || true
echo "installed program runs from another folder"
