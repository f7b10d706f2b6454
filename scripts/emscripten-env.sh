# Sourced by the browser builds (Qt's and Tesselka's): sets up Debian's emscripten as they need it.
#
# Qt's browser build looks for an Emscripten SDK: a folder named by EMSDK whose ".emscripten"
# names the compiler's root below it. That folder is laid out over Debian's emscripten package
# (links, nothing copied) in the cache. Emscripten's link step runs Debian's acorn, which is
# found through NODE_PATH; and emcc checks its tools at every call unless told not to (a quarter
# of a second each, hundreds of calls). Its tools run with Debian's Python, as packed: another
# python3 first on the PATH (a pyenv shim) costs half a second more at each of the thousands of
# calls of a Qt build.
emsdk="${TESSELKA_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/tesselka}/emsdk"
if [ ! -x "$emsdk/upstream/emscripten/emcc" ]; then
  mkdir -p "$emsdk/upstream/emscripten"
  for f in /usr/share/emscripten/* /usr/share/emscripten/.emscripten; do
    ln -sfn "$f" "$emsdk/upstream/emscripten/"
  done
  for tool in emcc em++ emar emranlib emnm em-config; do
    ln -sfn "/usr/bin/$tool" "$emsdk/upstream/emscripten/$tool"
  done
  echo "EMSCRIPTEN_ROOT = emsdk_path + '/upstream/emscripten'" >"$emsdk/.emscripten"
fi
export EMSDK="$emsdk" NODE_PATH=/usr/share/nodejs EMCC_SKIP_SANITY_CHECK=1 EMSDK_PYTHON=/usr/bin/python3
unset emsdk
