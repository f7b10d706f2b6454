#!/usr/bin/env bash
# Builds Tesselka for 64-bit Windows on this Debian machine, in build-windows/:
#   tesselka-<version>-windows-x64.zip   a folder that runs where it is unpacked
#   tesselka-<version>-setup.exe         the installer (NSIS)
#   tesselka-<version>-x64.msi           the Windows Installer package (wixl)
#   render-kit/                          the renderer with its DLLs, for the tests under Wine
# Qt for Windows is built once per machine (scripts/qt-build.sh). Arguments go to CMake.
#
# Given a code-signing certificate, it signs tesselka.exe, the installer and the MSI (Authenticode,
# with osslsigncode): TESSELKA_SIGN_PKCS12 names the PKCS#12 file, TESSELKA_SIGN_PASSWORD_FILE the
# file holding its password, and TESSELKA_SIGN_TIMESTAMP, if set, an RFC 3161 time-stamping server
# (so that the signatures outlive the certificate).
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/cross-build.sh
scripts/install-deps.sh windows
qt="$(scripts/qt-build.sh windows)"
out=build-windows
# Qt's toolchain file names the MinGW one of the tree that built Qt, which may be gone: this
# tree's is named instead.
cross_build "$qt" "$out" -DQT_CHAINLOAD_TOOLCHAIN_FILE="$PWD/cmake/toolchains/mingw-w64.cmake" "$@"

# sign FILE: signs it in place when a certificate is given.
sign() {
  [ -n "${TESSELKA_SIGN_PKCS12:-}" ] || return 0
  local password="${TESSELKA_SIGN_PASSWORD_FILE:?TESSELKA_SIGN_PKCS12 is set: TESSELKA_SIGN_PASSWORD_FILE must name its password file}"
  osslsigncode sign -pkcs12 "$TESSELKA_SIGN_PKCS12" -readpass "$password" -h sha256 -n Tesselka \
    ${TESSELKA_SIGN_TIMESTAMP:+-ts "$TESSELKA_SIGN_TIMESTAMP"} -in "$1" -out "$1.signed" >/dev/null
  mv "$1.signed" "$1"
}

name="tesselka-$(project_version)"
stage="$out/stage/$name"
rm -rf "$out/stage" "$out/render-kit" && mkdir -p "$stage"
cmake --install "$out" --prefix "$stage" --strip >/dev/null
cmake --install "$out" --prefix "$out/render-kit" --component render >/dev/null
find "$stage" "$out/render-kit" -name '*.dll' -exec x86_64-w64-mingw32-strip --strip-unneeded {} +
sign "$stage/tesselka.exe"
zip_folder "$out/stage" "$name" "$out/$name-windows-x64.zip"

# The uninstaller removes what the installer put there and nothing else: the files, then the
# folders, deepest first.
(cd "$stage" && find . -type f | sed 's|^\./||; s|/|\\|g; s|.*|  Delete "$INSTDIR\\&"|'
   find . -mindepth 1 -type d | sort -r | sed 's|^\./||; s|/|\\|g; s|.*|  RMDir "$INSTDIR\\&"|') \
  >"$out/stage/uninstall-files.nsh"
makensis -V2 -INPUTCHARSET UTF8 -DVERSION="$(project_version)" -DSTAGE="$PWD/$stage" \
  -DUNINSTALL_LIST="$PWD/$out/stage/uninstall-files.nsh" -DICON="$PWD/$out/globe.ico" \
  -DOUTFILE="$PWD/$out/$name-setup.exe" data/windows/installer.nsi
sign "$out/$name-setup.exe"

# The Windows Installer package, for a school's technician: the same folder and Start-menu
# entries. wixl drops the text its database's codepage cannot hold, so the database is made UTF-8
# and the two Japanese texts are written into it afterwards. wixl takes its files by relative paths.
msi="$out/$name-x64.msi"
(cd "$stage" && find . -type f | sed 's|^\./||' | sort) |
  wixl-heat -p '' --component-group Files --directory-ref INSTALLDIR --var var.Stage --win64 |
  /usr/bin/python3 tools/msi/flatten_heat.py >"$out/stage/files.wxs"
wixl -a x64 -D Version="$(project_version)" -D Stage="$stage" -D Icon="$out/globe.ico" \
  -D Win64=yes -o "$msi" data/windows/tesselka.wxs "$out/stage/files.wxs" 2>/dev/null
printf '\r\n\r\n65001\t_ForceCodepage\r\n' >"$out/stage/_ForceCodepage.idt"
msibuild "$msi" -i "$out/stage/_ForceCodepage.idt"
msibuild "$msi" -q "UPDATE \`Shortcut\` SET \`Name\` = 'projectr|大きく表示（プロジェクター）' WHERE \`Shortcut\` = 'ProjectorEntry'"
msibuild "$msi" -q "UPDATE \`LaunchCondition\` SET \`Description\` = 'これより新しい版の Tesselka がインストールされています。' WHERE \`Description\` = 'Newer'"
# Windows Installer removes on uninstall only the folders that hold a component's files: every
# folder of the program's is named for removal too (a folder of folders, plugins\, would stay).
for folder in $(grep -o 'Directory Id="dir[0-9A-F]*"' "$out/stage/files.wxs" | cut -d'"' -f2); do
  msibuild "$msi" -q "INSERT INTO \`RemoveFile\` (\`FileKey\`, \`Component_\`, \`DirProperty\`, \`InstallMode\`) VALUES ('rm_$folder', 'MenuEntries', '$folder', 2)"
done
sign "$msi"
ls -l "$out/$name-windows-x64.zip" "$out/$name-setup.exe" "$msi"
if [ -n "${TESSELKA_SIGN_PKCS12:-}" ]; then
  echo "Signed tesselka.exe, the installer and the MSI with $TESSELKA_SIGN_PKCS12."
else
  echo "Not signed: no certificate given (TESSELKA_SIGN_PKCS12 and TESSELKA_SIGN_PASSWORD_FILE)."
fi
