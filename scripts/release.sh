#!/usr/bin/env bash
# Makes every download of a release, in release/:
#   tesselka_<version>_amd64.deb          the Debian package (scripts/package.sh)
#   tesselka-<version>-windows-x64.zip    for Windows: the folder, the installer and the MSI
#   tesselka-<version>-setup.exe          (scripts/windows.sh, which also signs them when given
#   tesselka-<version>-x64.msi            a certificate: see there)
#   tesselka-<version>-web.zip            for the browser (scripts/web.sh)
#   tesselka-<version>-source.tar.xz      this tree: the source of them all, scripts included
#   qt6-base_6.4.2+dfsg.orig.tar.xz       Qt's source as Debian publishes it, which the Windows
#                                         and browser builds use
#   SHA256SUMS
# Arguments go to CMake in every build, for example -DTESSELKA_DOWNLOADS=<address> for the site
# the files will be on, which each zip's SOURCE.txt then names.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/cross-build.sh
scripts/install-deps.sh release
version="$(project_version)"
out=release

# The source is the tree as it is, without what git ignores: uncommitted changes are built, so they
# go in too. A copy of git's index takes it all, leaving the real one as it was.
index="$(mktemp)"
trap 'rm -f "$index"' EXIT
cp "$(git rev-parse --git-dir)/index" "$index"
GIT_INDEX_FILE="$index" git add --all
tree="$(GIT_INDEX_FILE="$index" git write-tree)"
[ "$tree" = "$(git rev-parse 'HEAD^{tree}')" ] ||
  echo "release.sh: the tree has changes not committed; the source tarball holds them." >&2

scripts/package.sh "$@"
scripts/windows.sh "$@"
scripts/web.sh "$@"

rm -rf "$out" && mkdir "$out"
cp "build-package/tesselka_${version}_amd64.deb" "build-web/tesselka-$version-web.zip" \
   "build-windows/tesselka-$version-windows-x64.zip" "build-windows/tesselka-$version-setup.exe" \
   "build-windows/tesselka-$version-x64.msi" "$(scripts/qt-build.sh source)" "$out/"
git archive --format=tar --prefix="tesselka-$version/" "$tree" | xz -9 >"$out/tesselka-$version-source.tar.xz"
(cd "$out" && sha256sum -- * >SHA256SUMS)
ls -l "$out"
