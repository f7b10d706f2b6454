#!/usr/bin/env bash
# Packs the build into its Debian package and checks it as a school's technician gets it: its
# name, files and dependencies, lintian and the metadata validators; then unpacks it and drives
# the unpacked program from an empty folder on a virtual X display. Arguments: the build folder and the source folder.
set -euo pipefail
build="$1"
source="$2"
tmp=$(mktemp -d)
pid="" xvfb=""
trap 'for p in $pid $xvfb; do kill "$p" 2>/dev/null; done; rm -rf "$tmp"' EXIT

fail() {
  echo "FAIL: $*"
  exit 1
}

step() {
  echo "$(date +%T) $*"
}

# With no address given to CMake: no Source field, and the MIT licence as the program's.
cat >"$tmp/copyright" <<'EOF'
Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/
Upstream-Name: Tesselka

Files: *
Copyright: 2026 The Tesselka authors
License: MIT
 MIT License
 .
 Copyright (c) 2026 The Tesselka authors
 .
 Permission is hereby granted, free of charge, to any person obtaining a copy
EOF

step "packing"
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$tmp/out" >"$tmp/cpack.log" ||
  { cat "$tmp/cpack.log"; fail "cpack"; }
deb="$tmp/out/tesselka_1.0.1_amd64.deb"
[ -f "$deb" ] || fail "no $(basename "$deb") among: $(ls "$tmp/out")"

# Exactly these files: nothing of the tests, the tools or the build slips in.
files=$(dpkg-deb --fsys-tarfile "$deb" | tar -t | grep -v '/$' | sort)
expected=$(
  printf '%s\n' ./usr/bin/tesselka ./usr/share/applications/tesselka.desktop \
    ./usr/share/doc/tesselka/changelog.gz ./usr/share/doc/tesselka/copyright \
    ./usr/share/doc/tesselka/LICENSE \
    ./usr/share/doc/tesselka/IPA_Font_License.txt \
    ./usr/share/man/man1/tesselka.1.gz \
    ./usr/share/metainfo/invalid.tesselka.tesselka.metainfo.xml
  for size in 16 32 48 64 128 256; do
    echo "./usr/share/icons/hicolor/${size}x${size}/apps/tesselka.png"
  done
  for i in 0 1 2 3 4 5; do echo "./usr/share/tesselka/$i.jpg"; done
)
[ "$files" = "$(sort <<<"$expected")" ] ||
  fail "files differ (< in the package, > expected):"$'\n'"$(diff <(echo "$files") <(sort <<<"$expected"))"

# The libraries the program links and Qt's Japanese texts, nothing for building or testing; the
# font is in the program.
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
names=$(sed 's/ *([^)]*)//g; s/, */\n/g' <<<"$depends")
for p in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 qt6-translations-l10n; do
  grep -qxF "$p" <<<"$names" || fail "Depends lacks $p"
done
if grep -qE -- '-dev$|fonts-|gtest|googletest|benchmark|xvfb|xdotool|openbox|clang|strace|cmake' <<<"$names"; then
  fail "Depends names a package for building or testing"
fi

# No address that is nobody's or someone else's: no home page, and a maintainer at a domain
# reserved to be invalid.
[ -z "$(dpkg-deb -f "$deb" Homepage)" ] || fail "a Homepage field"
[ "$(dpkg-deb -f "$deb" Maintainer)" = "The Tesselka authors <tesselka@tesselka.invalid>" ] ||
  fail "Maintainer: $(dpkg-deb -f "$deb" Maintainer)"

step "lintian"
lint=0
lintian --fail-on error "$deb" >"$tmp/lintian.log" 2>&1 || lint=$?
grep -v 'running with root privileges' "$tmp/lintian.log" || true
[ "$lint" -eq 0 ] || fail "lintian reports an error"

root="$tmp/root"
dpkg-deb -x "$deb" "$root"
desktop="$root/usr/share/applications/tesselka.desktop"
metainfo="$root/usr/share/metainfo/invalid.tesselka.tesselka.metainfo.xml"
hints=$(desktop-file-validate "$desktop" 2>&1) || fail "desktop-file-validate: $hints"
[ -z "$hints" ] || fail "desktop-file-validate: $hints"
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli validate"
# The newest release in the metadata and in the changelog is the packaged version.
grep -q '<release version="1.0.1"' "$metainfo" || fail "the metadata's release is not 1.0.1"
grep -qx '  <project_license>MIT</project_license>' "$metainfo" || fail "the metadata's licence is not MIT"
if grep -nE '<url|<screenshot|https?:' "$metainfo"; then fail "an address in the metadata"; fi
if grep -rniE 'github|noreply' "$root" <(dpkg-deb -f "$deb"); then fail "an invented address"; fi
cmp "$root/usr/share/doc/tesselka/LICENSE" "$source/LICENSE" || fail "LICENSE"
[ "$(zcat "$root/usr/share/doc/tesselka/changelog.gz" | head -n 1 | cut -d ' ' -f 2)" = "(1.0.1)" ] ||
  fail "the changelog's newest entry is not 1.0.1"
# The program's own stanza, then the fonts', whose licences read as in Debian's font packages.
# FILE NAME: the text of the first "License: NAME…" field that has one.
license_lines() {
  awk -v field="License: $2" 'index($0, field) == 1 { on = 1; next }
    on && /^ / { print; n++; next } { on = 0 } n { exit }' "$1"
}
copyright="$root/usr/share/doc/tesselka/copyright"
head -n "$(wc -l <"$tmp/copyright")" "$copyright" | diff - "$tmp/copyright" || fail "copyright file"
grep -qx 'Files: ipagp.ttf' "$copyright" || fail "no stanza for the font"
font_license=$(license_lines "$copyright" IPA)
[ "$(wc -l <<<"$font_license")" -gt 100 ] || fail "the font's licence is missing from the copyright file"
[ "$font_license" = "$(license_lines /usr/share/doc/fonts-ipafont-gothic/copyright IPA)" ] ||
  fail "the font's licence differs from Debian's text"
# The fonts of the Chinese and Vietnamese texts. FILES LICENCE PACKAGE (its name of the licence).
font_stanza() {
  grep -qx "Files: $1" "$copyright" || fail "no stanza for $1"
  local text
  text=$(license_lines "$copyright" "$2")
  [ "$(wc -l <<<"$text")" -gt 20 ] || fail "the $2 text is missing from the copyright file"
  [ "$text" = "$(license_lines "/usr/share/doc/$3/copyright" "$4")" ] || fail "the $2 text differs from Debian's"
}
font_stanza "NotoSansCJK-Regular.ttc NotoSansCJK-Bold.ttc" OFL-1.1 fonts-noto-cjk SIL-1.1
font_stanza "DejaVuSans.ttf DejaVuSans-Bold.ttf" Bitstream-Vera fonts-dejavu-core bitstream-vera
grep -q '<launchable type="desktop-id">tesselka.desktop</launchable>' "$metainfo" ||
  fail "the metadata does not launch tesselka.desktop"

step "starting the unpacked program"
# A display of its own: Xvfb picks a free number and tells it, so that other X servers starting
# at the same time cannot take it first.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -dpi 96 -nolisten tcp 3>"$tmp/display" 2>"$tmp/xvfb.log" &
xvfb=$!
for _ in $(seq 50); do
  [ -s "$tmp/display" ] && break
  sleep 0.1
done
[ -s "$tmp/display" ] || { cat "$tmp/xvfb.log"; fail "Xvfb did not start"; }
export DISPLAY=":$(cat "$tmp/display")"

# A window with exactly this title, waiting up to five seconds; prints its id.
wait_window() {
  for _ in $(seq 50); do
    xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1 | grep . && return 0
    sleep 0.1
  done
  return 1
}
intro_title='Tesselka\(start\)'
main_title='Tesselka\(コップに水滴が付くのは？\)'

mkdir "$tmp/empty"
cd "$tmp/empty"
QT_QPA_PLATFORM=xcb "$root/usr/bin/tesselka" 2>"$tmp/err" &
pid=$!
intro=$(wait_window "$intro_title") || { cat "$tmp/err"; fail "the intro did not appear"; }
xdotool mousemove --window "$intro" 300 252 click 1  # 次へ
main=$(wait_window "$main_title") || { cat "$tmp/err"; fail "次へ did not open the simulation window"; }
[ -z "$(xdotool search --onlyvisible --name "^$intro_title\$")" ] || fail "the intro is still open"
xdotool mousemove --window "$main" 704 20 click 1  # 終わり
for _ in $(seq 50); do
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
kill -0 "$pid" 2>/dev/null && fail "終わり did not end the program"
status=0
wait "$pid" || status=$?
pid=""
[ "$status" -eq 0 ] || { cat "$tmp/err"; fail "the program ended with status $status"; }
[ -z "$(ls -A "$tmp/empty")" ] || fail "the program wrote into its working folder"

step "package test passed"
