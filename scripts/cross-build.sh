# Shared by scripts/windows.sh and scripts/web.sh (sourced, not run): the project's version, and
# the configure and build of Tesselka for another platform, against the Qt built for it and with
# the pictures drawn by the art tool built for this machine.

project_version() {
  sed -n 's/^project(tesselka VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt
}

# cross_build QT_PREFIX BUILD_FOLDER [CMAKE_OPTION...]
cross_build() {
  local qt="$1" out="$2"
  shift 2
  # A folder configured against another Qt (one the cache has since replaced) keeps that Qt's
  # paths in CMake's cache: it is started afresh.
  [ "$(cat "$out/qt-prefix" 2>/dev/null)" = "$qt" ] || rm -rf "$out"
  mkdir -p "$out" && echo "$qt" >"$out/qt-prefix"
  # One art tool for this machine, whichever platform is built.
  cmake -S tools/art -B build-host-art -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build build-host-art -j2 >/dev/null
  "$qt/bin/qt-cmake" -S . -B "$out" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTESSELKA_TESTS=OFF \
    -DTESSELKA_HOST_ART="$PWD/build-host-art/tesselka_art" "$@" >/dev/null
  cmake --build "$out" -j2
}

# zip_folder PARENT FOLDER ZIP: packs PARENT/FOLDER, with the folder's name, into ZIP.
zip_folder() {
  rm -f "$3"
  local zip
  zip="$(cd "$(dirname "$3")" && pwd)/$(basename "$3")"
  (cd "$1" && cmake -E tar cf "$zip" --format=zip "$2")
}
