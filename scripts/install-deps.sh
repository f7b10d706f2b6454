#!/usr/bin/env bash
# Installs the Debian packages a task needs, skipping those already installed. Runs apt-get as
# root, or through sudo otherwise.
#
#   scripts/install-deps.sh run       building and running the program
#   scripts/install-deps.sh package   that, and making its Debian package
#   scripts/install-deps.sh [test]    all of that, and the tools of the tests, the fuzzer and the
#                                     benchmarks
set -euo pipefail

run=(cmake g++ make pkg-config qt6-base-dev libgl-dev fonts-ipafont-gothic qt6-translations-l10n)
package=(dpkg-dev file)
# IPA P-Gothic goes into the program; the font tests also draw with DejaVu and Noto Sans CJK;
# the speech tests need the accessibility bus, and the screen-reader test listens to Orca.
test=(
  googletest libgtest-dev
  xvfb xauth xdotool openbox wmctrl desktop-file-utils fonts-noto-cjk fonts-dejavu-core
  strace clang libclang-rt-14-dev
  lintian appstream
  at-spi2-core dbus-daemon orca
)

case "${1:-test}" in
  run) packages=("${run[@]}") ;;
  package) packages=("${run[@]}" "${package[@]}") ;;
  test) packages=("${run[@]}" "${package[@]}" "${test[@]}") ;;
  *) echo "usage: scripts/install-deps.sh [run|package|test]" >&2; exit 2 ;;
esac

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing: ${missing[*]}" >&2
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
