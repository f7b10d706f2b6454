#!/usr/bin/env bash
# Installs the Debian packages a task needs, skipping those already installed. Runs apt-get as
# root, or through sudo otherwise.
#
#   scripts/install-deps.sh run       building and running the program
#   scripts/install-deps.sh package   that, and making its Debian package
#   scripts/install-deps.sh windows   building for Windows (scripts/windows.sh)
#   scripts/install-deps.sh web       building for the browser (scripts/web.sh)
#   scripts/install-deps.sh release   all three builds, and what packs the source (scripts/release.sh)
#   scripts/install-deps.sh bench     building and running the benchmarks (scripts/bench.sh)
#   scripts/install-deps.sh linux     building, packing and testing for Linux alone
#                                     (scripts/test.sh --linux)
#   scripts/install-deps.sh [test]    all of these, and the tools of the tests, the fuzzer and the
#                                     benchmarks
#   scripts/install-deps.sh source    lets apt fetch Debian's source packages (Qt's, for the
#                                     Windows and browser builds)
set -euo pipefail

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"

# A deb-src line for the release's main archive, beside the deb lines apt already has.
add_source_list() {
  local list=/etc/apt/sources.list.d/tesselka-source.sources
  [ -f "$list" ] && return 0
  local codename
  codename="$(. /etc/os-release && echo "$VERSION_CODENAME")"
  printf 'Types: deb-src\nURIs: http://deb.debian.org/debian\nSuites: %s\nComponents: main\nSigned-By: /usr/share/keyrings/debian-archive-keyring.gpg\n' \
    "$codename" | $sudo tee "$list" >/dev/null
  $sudo apt-get update -qq
}

# The program carries IPA P-Gothic, and fonts for Chinese and Vietnamese cut down (fonttools) to
# its translations, which Linguist's lrelease compiles.
run=(cmake g++ ninja-build pkg-config qt6-base-dev libgl-dev fonts-ipafont-gothic qt6-translations-l10n
     qt6-l10n-tools fonttools fonts-noto-cjk fonts-dejavu-core)
package=(dpkg-dev file)
# IPA P-Gothic goes into the program; the font tests also draw with DejaVu and Noto Sans CJK;
# the speech tests need the accessibility bus, and the screen-reader test listens to Orca.
test=(
  googletest libgtest-dev
  xvfb xauth xdotool openbox wmctrl desktop-file-utils fonts-noto-cjk fonts-dejavu-core
  strace clang libclang-rt-14-dev openssl python3
  lintian appstream
  at-spi2-core dbus-daemon orca
)

# Building for Windows and testing it under Wine; building for the browser and testing it in
# Chromium. Both build Qt from Debian's source package (fetched by `source`).
windows=(g++-mingw-w64-x86-64-posix nsis wixl msitools osslsigncode wine64 xz-utils patch
         qt6-base-dev-tools)
release=(git xz-utils)
bench=(valgrind xvfb xauth xdotool openbox)
web=(emscripten nodejs chromium xz-utils patch fonttools brotli zopfli qt6-base-dev-tools)

case "${1:-test}" in
  run) packages=("${run[@]}") ;;
  package) packages=("${run[@]}" "${package[@]}") ;;
  windows) packages=("${run[@]}" "${windows[@]}") ;;
  web) packages=("${run[@]}" "${web[@]}") ;;
  bench) packages=("${run[@]}" "${bench[@]}") ;;
  linux) packages=("${run[@]}" "${package[@]}" "${test[@]}") ;;
  release) packages=("${run[@]}" "${package[@]}" "${windows[@]}" "${web[@]}" "${release[@]}") ;;
  test) packages=("${run[@]}" "${package[@]}" "${test[@]}" "${windows[@]}" "${web[@]}" "${release[@]}"
                  "${bench[@]}") ;;
  source) add_source_list; exit 0 ;;
  *) echo "usage: scripts/install-deps.sh [run|package|windows|web|release|bench|linux|test|source]" >&2; exit 2 ;;
esac

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
# The browser tests' driver comes through npm, which Debian packs apart from its nodejs (other
# builds of Node.js bring their own).
if [ "${1:-test}" = test ] && ! command -v npm >/dev/null; then missing+=(npm); fi
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}" >&2
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
