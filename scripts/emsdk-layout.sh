#!/usr/bin/env bash
# Qt's browser build looks for an Emscripten SDK: a folder named by EMSDK whose ".emscripten"
# names the compiler's root below it. This lays that folder out over Debian's emscripten package
# (links, nothing copied) in the cache and prints its path.
set -euo pipefail
cache="${TESSELKA_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/tesselka}"
emsdk="$cache/emsdk"
root="$emsdk/upstream/emscripten"
if [ ! -x "$root/emcc" ]; then
  mkdir -p "$root"
  for f in /usr/share/emscripten/* /usr/share/emscripten/.emscripten; do ln -sfn "$f" "$root/"; done
  for tool in emcc em++ emar emranlib emnm em-config; do ln -sfn "/usr/bin/$tool" "$root/$tool"; done
  echo "EMSCRIPTEN_ROOT = emsdk_path + '/upstream/emscripten'" >"$emsdk/.emscripten"
fi
echo "$emsdk"
