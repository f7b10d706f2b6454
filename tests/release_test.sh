#!/usr/bin/env bash
# Checks what scripts/release.sh left in its folder: the seven downloads and nothing else, their
# checksums, the source tarball against the tree, Qt's tarball against Debian's record of it, each
# zip's word on its source, and the signatures made with the throw-away certificate.
# Arguments: the release folder, the source folder, the version, the certificate (PEM).
set -euo pipefail
release="$1" source="$2" version="$3" certificate="$4"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

qt_source=qt6-base_6.4.2+dfsg.orig.tar.xz
downloads="tesselka_${version}_amd64.deb tesselka-$version-windows-x64.zip tesselka-$version-setup.exe
tesselka-$version-x64.msi tesselka-$version-web.zip tesselka-$version-source.tar.xz $qt_source"
expected="$(printf '%s\n' $downloads SHA256SUMS | sort)"
[ "$(ls "$release" | sort)" = "$expected" ] || fail "the release holds $(ls "$release" | xargs)"
(cd "$release" && sha256sum --check --strict --quiet SHA256SUMS) || fail "SHA256SUMS does not check"
[ "$(cut -c67- "$release/SHA256SUMS" | sort)" = "$(printf '%s\n' $downloads | sort)" ] ||
  fail "SHA256SUMS covers $(cut -c67- "$release/SHA256SUMS" | xargs)"

# The source: every file of the tree that git does not ignore, under one folder, and no other.
mkdir "$tmp/source" && tar -xJf "$release/tesselka-$version-source.tar.xz" -C "$tmp/source"
(cd "$tmp/source/tesselka-$version" && find . -type f -o -type l | sed 's|^\./||' | sort) >"$tmp/archived"
git -C "$source" ls-files --cached --others --exclude-standard |
  while read -r f; do [ -e "$source/$f" ] && echo "$f"; done | sort -u >"$tmp/tree"
diff "$tmp/tree" "$tmp/archived" >/dev/null || fail "the source tarball is not the tree: $(diff "$tmp/tree" "$tmp/archived" | head -5)"
while read -r f; do
  cmp -s "$source/$f" "$tmp/source/tesselka-$version/$f" || fail "$f differs in the source tarball"
done <"$tmp/tree"

# Qt's source as Debian published it: its checksum is the one in the source package's record.
dsc=$(ls "$(dirname "$("$source/scripts/qt-build.sh" source)")"/qt6-base_6.4.2+dfsg-*.dsc)
hash=$(sha256sum "$release/$qt_source" | cut -d' ' -f1)
grep -q "^ $hash [0-9]* $qt_source\$" "$dsc" || fail "$qt_source is not the one $(basename "$dsc") names"

# Each zip says which files are its source and how to build it again.
check_source_text() {  # ZIP FOLDER SCRIPT LICENCE
  (cd "$tmp" && cmake -E tar xf "$release/$1")
  local text="$tmp/$2/SOURCE.txt"
  [ -f "$text" ] || fail "$1 has no $2/SOURCE.txt"
  for word in "tesselka-$version-source.tar.xz" "$qt_source" "./scripts/$3" "$4"; do
    grep -qF -- "$word" "$text" || fail "$1's SOURCE.txt does not name $word"
  done
  [ -x "$tmp/source/tesselka-$version/scripts/$3" ] || fail "the source has no scripts/$3"
}
check_source_text "tesselka-$version-windows-x64.zip" "tesselka-$version" windows.sh "LGPL 3"
check_source_text "tesselka-$version-web.zip" "tesselka-$version-web" web.sh "GPL 3"

# The family of each font compiled into a program file: an OpenType font wherever its header and
# table directory read right. A WebAssembly module is read as the memory its data segments lay out,
# since they leave out the runs of zeros.
carried_fonts() {
  /usr/bin/python3 - "$1" <<'EOF'
import io, logging, re, struct, sys
from fontTools.ttLib import TTFont

def leb(data, at, signed=False):
    value = shift = 0
    while True:
        byte, at = data[at], at + 1
        value, shift = value | (byte & 0x7F) << shift, shift + 7
        if byte < 0x80:
            return value - (1 << shift if signed and byte & 0x40 else 0), at

def memory(data):
    image, at = bytearray(), 8
    while at < len(data):
        size, start = leb(data, at + 1)
        if data[at] == 11:  # the data section
            count, at = leb(data, start)
            for _ in range(count):
                flags, at = leb(data, at)
                offset = 0
                if flags != 1:  # an active segment: [memory,] i32.const offset, end
                    at = leb(data, at)[1] if flags == 2 else at
                    offset, at = leb(data, at + 1, signed=True)
                    at += 1
                length, at = leb(data, at)
                image.extend(bytes(max(0, offset + length - len(image))))
                image[offset:offset + length] = data[at:at + length]
                at += length
        at = start + size
    return bytes(image)

logging.disable(logging.CRITICAL)  # fontTools on what only looks like a font
data = open(sys.argv[1], "rb").read()
data = memory(data) if data.startswith(b"\0asm") else data
for match in re.finditer(b"\x00\x01\x00\x00|OTTO", data):
    at = match.start()
    tables, search_range = struct.unpack(">HH", data[at + 4:at + 8])
    if not 4 <= tables <= 64 or search_range != 16 << (tables.bit_length() - 1):
        continue
    try:
        family = TTFont(io.BytesIO(data[at:]), lazy=True)["name"].getDebugName(1)
    except Exception:
        continue
    if family:
        print(family)
EOF
}
# Each zip's notices name every font in its program, and the browser's FONT.txt every renamed one.
squeezed() { tr -cd '[:alnum:]' | tr '[:upper:]' '[:lower:]'; }
check_fonts_named() {  # PROGRAM TEXT [FAMILY PATTERN]
  local fonts text
  fonts=$(carried_fonts "$1" | { grep -E -- "${3:-.}" || true; } | sort -u)
  # Three at least, the carried font and those of the languages: a scan finding none cannot pass.
  [ "$(grep -c . <<<"$fonts")" -ge 3 ] || fail "$(basename "$1") carries only the fonts: $fonts"
  text=$(squeezed <"$2")
  while read -r family; do
    [[ $text == *"$(squeezed <<<"$family")"* ]] || fail "$(basename "$2") does not name $family"
  done <<<"$fonts"
}
check_fonts_named "$tmp/tesselka-$version/tesselka.exe" "$tmp/tesselka-$version/licenses/NOTICES.txt"
web="$tmp/tesselka-$version-web"
check_fonts_named "$web/tesselka.wasm" "$web/NOTICES.txt"
check_fonts_named "$web/tesselka.wasm" "$web/font/FONT.txt" '^Tesselka '

# Signed, each by the certificate given.
for file in "$tmp/tesselka-$version/tesselka.exe" "$release/tesselka-$version-setup.exe" \
            "$release/tesselka-$version-x64.msi"; do
  osslsigncode verify -CAfile "$certificate" -in "$file" >"$tmp/verify.log" 2>&1 ||
    { cat "$tmp/verify.log"; fail "$(basename "$file") is not signed by the test certificate"; }
done
echo "release: $(echo $downloads | wc -w) downloads, checksums, source and signatures checked"
