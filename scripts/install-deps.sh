#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need, skipping those already
# installed. Runs apt-get as root, or through sudo otherwise.
set -euo pipefail

packages=(
  cmake g++ make pkg-config
  qt6-base-dev libgl-dev
  # IPA P-Gothic goes into the program; the font tests also draw with DejaVu and Noto Sans CJK.
  fonts-ipafont-gothic fonts-dejavu-core fonts-noto-cjk
  googletest libgtest-dev libbenchmark-dev
  xvfb xauth xdotool openbox wmctrl desktop-file-utils
  strace clang libclang-rt-14-dev
)

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
