#!/usr/bin/env bash
# Installs what is missing, makes a release build in build-package/ with Debian's hardening
# flags, and packs it into the Debian package tesselka_<version>_amd64.deb in this folder.
# Extra arguments go to CMake (for example -DTESSELKA_MAINTAINER="Name <address>").
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh package

# The compiler and linker flags Debian builds its packages with, all hardening included. CMake
# takes CXXFLAGS and LDFLAGS from the environment; the preprocessor's go in with the compiler's.
eval "$(DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --export=sh)"
export CXXFLAGS="$CPPFLAGS $CXXFLAGS"

cmake --preset package "$@" >/dev/null
cmake --build build-package -j2
(cd build-package && cpack -G DEB)
cp build-package/tesselka_*_amd64.deb .
ls tesselka_*_amd64.deb
