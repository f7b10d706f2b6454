#!/usr/bin/env bash
# Installs into a temporary prefix, checks what was installed, and starts the installed program
# from another folder: it must find its pictures and show its intro window rather than stop.
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

# On a virtual X display, the intro window must appear, not merely the process stay alive.
cd "$elsewhere"
xvfb-run -a -s "-screen 0 1280x1024x24" sh -c '
  QT_QPA_PLATFORM=xcb "$1" 2>err &
  pid=$!
  timeout 20 xdotool search --sync --onlyvisible --name "^Tesselka\(start\)\$" >/dev/null
  found=$?
  kill "$pid" 2>/dev/null
  wait "$pid" 2>/dev/null
  [ "$found" -eq 0 ] || { echo "the installed program showed no intro window:"; cat err; exit 1; }
' sh "$prefix/bin/tesselka"
echo "installed program shows its intro from another folder"
