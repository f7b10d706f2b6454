#!/usr/bin/env bash
# Builds Qt's base module (6.4.2, from Debian's own source package) for another platform, once
# per machine, into a cache folder outside the tree, and prints the folder it is installed in.
#
#   scripts/qt-build.sh windows   64-bit Windows with MinGW-w64, shared (Qt's DLLs are shipped
#                                 beside the program, as the LGPL asks)
#   scripts/qt-build.sh web       the browser with Emscripten, static and single-threaded
#   scripts/qt-build.sh source    only fetches the source, and prints the tarball's path
#
# Debian's own Qt (qt6-base-dev-tools, the same 6.4.2) gives the host tools. Only what Tesselka
# uses is built: Core, Gui, Widgets, the platform plugin and the JPEG reader. The patches in
# scripts/qt-patches/common/ and scripts/qt-patches/<target>/ are applied to the source first.
# The cache is TESSELKA_CACHE (default ~/.cache/tesselka); a change to this script's settings or to
# a patch builds anew.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
target="${1:?usage: scripts/qt-build.sh windows|web}"
cache="${TESSELKA_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/tesselka}"
version=6.4.2

# Both builds: no module, plugin or format that Tesselka does not use; Qt's own copies of the
# image and text libraries, since neither platform has Debian's.
common=(
  -G Ninja -DCMAKE_BUILD_TYPE=Release
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
  -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF
  -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_testlib=OFF
  -DFEATURE_printsupport=OFF -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF
  -DFEATURE_vulkan=OFF -DFEATURE_gif=OFF -DFEATURE_ico=OFF -DFEATURE_sessionmanager=OFF
  -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF
  -DFEATURE_system_pcre2=OFF -DFEATURE_system_freetype=OFF -DFEATURE_system_harfbuzz=OFF
  -DFEATURE_freetype=ON -DFEATURE_jpeg=ON -DFEATURE_png=ON
  -DFEATURE_textmarkdownreader=OFF -DFEATURE_textmarkdownwriter=OFF -DFEATURE_textodfwriter=OFF
)
# Nor the widgets and styles it does not show (Fusion is set at start-up).
for feature in graphicsview graphicseffect mdiarea dockwidget calendarwidget datetimeedit dial \
               lcdnumber splashscreen undoview wizard fontdialog colordialog filedialog \
               progressdialog inputdialog errormessage keysequenceedit columnview \
               datawidgetmapper fontcombobox toolbox tablewidget treewidget tableview treeview \
               style_windowsvista; do
  common+=(-DFEATURE_$feature=OFF)
done

# The source, Debian's tarball of Qt's, fetched once through apt (a deb-src line for Debian's main
# archive is added).
tarball="$cache/download/qt6-base_$version+dfsg.orig.tar.xz"
fetch_source() {
  [ -f "$tarball" ] && return 0
  mkdir -p "$cache/download"
  "$here/scripts/install-deps.sh" source >&2
  # apt takes an exact version only: the archive's for this Qt, such as 6.4.2+dfsg-10.
  debian_version="$(apt-cache showsrc qt6-base | sed -n "s/^Version: \($version+.*\)/\1/p" | head -n 1)"
  [ -n "$debian_version" ] || { echo "qt-build.sh: apt knows no source of qt6-base $version" >&2; exit 1; }
  (cd "$cache/download" && apt-get source --download-only "qt6-base=$debian_version" >&2)
}

# What neither the Windows nor the browser build needs: the built-in MIME database (a quarter of a
# megabyte of packed data), the style sheets, the PDF writer, the proxy models, the XML stream,
# animated pictures, the undo stack, the system tray, two calendars, and more widgets that no
# window shows.
unshown=(-DFEATURE_mimetype_database=OFF -DFEATURE_style_stylesheet=OFF -DFEATURE_pdf=OFF
         -DFEATURE_proxymodel=OFF -DFEATURE_xmlstream=OFF -DFEATURE_movie=OFF
         -DFEATURE_undocommand=OFF -DFEATURE_systemtrayicon=OFF -DFEATURE_jalalicalendar=OFF
         -DFEATURE_islamiccivilcalendar=OFF)
unshown_widgets=(statusbar tabwidget tabbar splitter textbrowser sizegrip commandlinkbutton spinbox
                 progressbar whatsthis)

case "$target" in
  source) fetch_source; echo "$tarball"; exit 0 ;;
  windows)
    # Tablet events need the wintab headers, which Debian's source leaves out; with OpenGL off,
    # 6.4.2's Windows plugin does not compile with dynamic OpenGL. Without Direct2D (unused), its
    # DirectWrite 3 font database is not built but still asked for. Text is drawn with FreeType.
    # Optimised for size as in the browser: smaller DLLs, built sooner. Without regular
    # expressions (no PCRE2, which takes the file system model along): the browser's platform
    # code uses them to read file dialogs' filters, Windows' does not.
    settings=(
      -DCMAKE_TOOLCHAIN_FILE="$here/cmake/toolchains/mingw-w64.cmake" -DBUILD_SHARED_LIBS=ON
      -DINPUT_opengl=no -DFEATURE_tabletevent=OFF
      -DFEATURE_direct2d=OFF -DFEATURE_directwrite3=OFF -DFEATURE_fontconfig=OFF
      -DCMAKE_BUILD_TYPE=MinSizeRel "${unshown[@]}" -DFEATURE_regularexpression=OFF
      -DFEATURE_filesystemmodel=OFF
    )
    ;;
  web)
    . "$here/scripts/emscripten-env.sh"
    # Qt 6.4's browser compositor draws through QtOpenGL: OpenGL ES 2 and EGL stay on. Every
    # byte is downloaded by each pupil: optimised for size. The patch leaves out the fallback
    # fonts (1 MB).
    settings=(
      -DCMAKE_TOOLCHAIN_FILE=/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake
      -DQT_QMAKE_TARGET_MKSPEC=wasm-emscripten -DBUILD_SHARED_LIBS=OFF -DFEATURE_thread=OFF
      -DFEATURE_opengles2=ON -DFEATURE_egl=ON -DCMAKE_BUILD_TYPE=MinSizeRel "${unshown[@]}"
    )
    ;;
  *) echo "usage: scripts/qt-build.sh windows|web|source" >&2; exit 2 ;;
esac
for feature in "${unshown_widgets[@]}"; do settings+=(-DFEATURE_$feature=OFF); done

patches=()
for patch in "$here/scripts/qt-patches"/{common,"$target"}/*.patch; do [ -f "$patch" ] && patches+=("$patch"); done
key="$( (printf '%s\n' "$version" "${common[@]}" "${settings[@]}" | sed "s|$here|.|"
         [ ${#patches[@]} -eq 0 ] || cat "${patches[@]}") | sha256sum | cut -c1-12)"
prefix="$cache/qt-$version-$target-$key"
if [ -f "$prefix/.built" ]; then echo "$prefix"; exit 0; fi

# The source is unpacked afresh for each build, with that build's patches.
fetch_source

src="$cache/src-$target-$key"
build="$cache/build-$target-$key"
started=$(date +%s)
rm -rf "$src" "$build" "$prefix"
mkdir -p "$src"
tar -xf "$tarball" -C "$src" --strip-components=1
for patch in "${patches[@]}"; do patch -d "$src" -p1 --quiet <"$patch"; done
cmake -S "$src" -B "$build" "${common[@]}" "${settings[@]}" -DCMAKE_INSTALL_PREFIX="$prefix" >"$cache/configure-$target.log" 2>&1 \
  || { tail -40 "$cache/configure-$target.log" >&2; exit 1; }
# A feature left out takes those that need it along (the slider takes the scroll bar, and with it
# every list): what the windows use must still be there before the long build starts.
for feature in combobox listview scrollbar lineedit pushbutton radiobutton checkbox messagebox \
               dialogbuttonbox menu shortcut accessibility translation; do
  grep -q "^QT_FEATURE_$feature:INTERNAL=ON" "$build/CMakeCache.txt" ||
    { echo "qt-build.sh: these settings leave out the feature '$feature', which Tesselka uses" >&2; exit 1; }
done
nice cmake --build "$build" -j2 >"$cache/build-$target.log" 2>&1 || { tail -40 "$cache/build-$target.log" >&2; exit 1; }
cp "$build/.ninja_log" "$cache/ninja-$target.log"  # each step's time, for a look at where it goes
cmake --install "$build" >/dev/null
# Every file of Qt's source that went into this build (compiled, included, or packed as a
# resource), from which the notices of the third-party code inside it are made.
{ ninja -C "$build" -t deps; cat "$build/build.ninja"; } | grep -o "$src/[^ :|\$]*" | sed "s|^$src/||" |
  sort -u >"$prefix/used-sources.txt"
rm -rf "$build" "$src"
echo "Qt $version for $target: built in $(( $(date +%s) - started )) s, $(du -sh "$prefix" | cut -f1) installed" >&2
touch "$prefix/.built"
echo "$prefix"
