#!/usr/bin/python3
"""Checks the notices tools/notices/notices.py writes against Qt's source tarball itself, not
against the tool's own matching: every third-party folder with a used file is named, no library
without one is, each licence text is given once and the credits a licence asks for are there.

    notices_test.py NOTICES_PY TARBALL DATA_NOTICES_FOLDER [unittest options]

It runs for a small list of sources made up here and, when TESSELKA_QT_PREFIXES names Qt
prefixes (separated by ':'), for the used-sources.txt of each.
"""
import json
import os
import posixpath
import re
import subprocess
import sys
import tarfile
import tempfile
import unittest

TOOL, TARBALL, DATA = sys.argv[1:4] if len(sys.argv) >= 4 else (None, None, None)

# Qt's own code, a FreeType file and one of the zlib inside FreeType, libjpeg, zlib reached through
# another folder, FreeType's rasterizer in Qt's own folder, the locale data; and what the build
# reads without building: an include folder and a CMake script.
MADE_UP = """src/corelib/text/qstring.cpp
src/3rdparty/freetype/src/base/ftbase.c
src/3rdparty/freetype/src/gzip/ftgzip.c
src/3rdparty/libjpeg/src/jdapimin.c
src/3rdparty/harfbuzz-ng/../zlib/src/adler32.c
src/gui/painting/qgrayraster.c
src/corelib/text/qlocale_data_p.h
src/3rdparty/VulkanMemoryAllocator
cmake/3rdparty/kwin/FindLibdrm.cmake
"""
CREDITS = ["Portions of this software are copyright \u00a9 2022 The FreeType Project "
           "(www.freetype.org). All rights reserved.",
           "This software is based in part on the work of the Independent JPEG Group."]


def normalised(text):
    return " ".join(text.split())


def read_tarball():
    """Qt's files, and per attribution: its folder, names and licence files' texts."""
    members, entries = {}, []
    with tarfile.open(TARBALL) as tar:
        # In the order of the archive: an xz stream is only read forwards.
        for member in tar:
            name = member.name.partition("/")[2]
            members[name] = member
            if name.endswith("/qt_attribution.json"):
                data = json.loads(tar.extractfile(member).read(), strict=False)
                entries += [(posixpath.dirname(name), raw)
                            for raw in (data if isinstance(data, list) else [data])]
        paths = [[posixpath.normpath(posixpath.join(folder, f))
                  for f in raw.get("LicenseFiles") or [raw.get("LicenseFile")] if f]
                 for folder, raw in entries]
        wanted = sorted({p for ps in paths for p in ps}, key=lambda p: members[p].offset)
        text = {p: tar.extractfile(members[p]).read().decode("utf-8-sig") for p in wanted}
    files = {name for name, member in members.items() if member.isfile()}
    return files, [(folder, {raw.get("Name"), raw.get("Id")}, [text[p] for p in ps])
                   for (folder, raw), ps in zip(entries, paths)]


def write_notices(folder, used_sources, components, html=False):
    """The notices' list of software (their unindented lines) and licence texts by number."""
    out = os.path.join(folder, "NOTICES.txt")
    command = [sys.executable, TOOL, "--qt-source", TARBALL, "--used-sources", used_sources,
               "--components", components, "--title", "Test", "--text", out]
    if html:
        command += ["--html", os.path.join(folder, "licenses.html")]
    subprocess.run(command, check=True)
    with open(out, encoding="utf-8") as f:
        software, _, licences = f.read().partition("\nLICENCE TEXTS\n")
    names = {line for line in software.splitlines() if line and not line[0].isspace()}
    # Each text: its heading, From, For and an empty line, then the text itself.
    heading = r"^\[\d+\] [^\n]*\n    From: "
    texts = {n: normalised(body.split("\n", 3)[3]) for n, body in enumerate(
        re.findall(f"{heading}(.*?)(?={heading}|\\Z)", licences, re.M | re.S), 1)}
    return software, names, texts


class Notices(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.files, cls.attributions = read_tarball()
        cls.dir = tempfile.TemporaryDirectory()
        cls.used = os.path.join(cls.dir.name, "used-sources.txt")
        with open(cls.used, "w") as f:
            f.write(MADE_UP)
        # Two components that share a text, one read from a Debian copyright file.
        cls.copyright = os.path.join(cls.dir.name, "copyright")
        with open(cls.copyright, "w") as f:
            f.write("Files: *\nCopyright: 2024 Alpha\nLicense: Expat\n\n"
                    "Files: lib/zeta.c\nCopyright: 2023 Zeta\nLicense: Zeta\n Zeta's first.\n .\n"
                    " Zeta's second.\n\nLicense: Expat\n Permission is granted.\n")
        cls.components = os.path.join(cls.dir.name, "components.json")
        apache = {"title": "Apache", "file": "/usr/share/common-licenses/Apache-2.0"}
        with open(cls.components, "w") as f:
            json.dump({"components": [
                {"name": "Alpha", "copyright": [{"file": cls.copyright, "dep5_files": "*"}],
                 "license": "Apache-2.0 OR MIT", "texts": [
                     apache, {"title": "Expat", "file": cls.copyright, "dep5_license": "Expat"}]},
                {"name": "Zeta", "copyright": ["Copyright 2023 Zeta"], "license": "Apache-2.0",
                 "texts": [apache,
                           {"title": "Z", "file": cls.copyright, "dep5_files": "lib/zeta.c"}]},
            ]}, f)

    @classmethod
    def tearDownClass(cls):
        cls.dir.cleanup()

    def check_against_tarball(self, used_sources, software, names, texts):
        """Every src/3rdparty folder with a used file is named, and each of its texts given once."""
        with open(used_sources) as f:
            used = {posixpath.normpath(line.strip()) for line in f if line.strip()}
        # A CMake script is read by the configure and builds nothing.
        built = {p for p in used
                 if p in self.files and not re.search(r"CMakeLists\.txt$|\.cmake$", p)}
        folders = {m.group(0) for p in built if (m := re.match(r"src/3rdparty/[^/]+/", p))}
        self.assertTrue(folders)
        for folder in folders:
            own = [library for f, library, _ in self.attributions if f + "/" == folder]
            self.assertTrue(set().union(*own) & names, folder)
        self.assertEqual(len(set(texts.values())), len(texts), "a licence text is given twice")
        for _, library, library_texts in self.attributions:
            if library & names:
                for text in library_texts:
                    self.assertEqual(list(texts.values()).count(normalised(text)), 1, library)
        if "src/3rdparty/freetype/" in folders and "src/3rdparty/libjpeg/" in folders:
            for credit in CREDITS:
                self.assertTrue(credit + "\n" in software, credit)

    def test_made_up_sources(self):
        software, names, texts = write_notices(self.dir.name, self.used, self.components, html=True)
        self.check_against_tarball(self.used, software, names, texts)
        # FreeType's rasterizer and the locale data, in folders of Qt's own code.
        for name in ["Freetype 2 - zlib", "Anti-aliasing rasterizer from FreeType 2",
                     "Unicode Common Locale Data Repository (CLDR)", "Alpha", "Zeta"]:
            self.assertTrue(name in names, name)
        # Neighbours of used files, and what an include folder or a CMake script belongs to.
        for name in ["MD4C", "Unicode Character Database (UCD)", "Vulkan Memory Allocator", "KWin",
                     "Freetype 2 - Bitmap Distribution Format (BDF) support", "HarfBuzz-NG"]:
            self.assertFalse(name in names, name)
        # The components' texts: the shared one once, the others cut out of the copyright file.
        self.assertEqual(sum("Apache License" in t for t in texts.values()), 1)
        self.assertIn("Permission is granted.", texts.values())
        self.assertIn("Zeta's first. Zeta's second.", texts.values())
        self.assertIn("    Copyright: 2024 Alpha\n", software)

        with open(os.path.join(self.dir.name, "licenses.html"), encoding="utf-8") as f:
            page = f.read()
        self.assertIn('<html lang="ja">', page)
        for heading in ["<h1>ライセンス</h1>", "<h2>このページに含まれるソフトウェア</h2>",
                        "<h2>ライセンス本文</h2>", f"<p lang=\"en\">{CREDITS[1]}</p>"]:
            self.assertIn(heading, page)
        self.assertEqual(page.count("<pre>"), len(texts))
        self.assertNotRegex(page, r"<(link|script|img)\b|src=|url\(")

    def test_refuses_a_list_of_another_source_and_a_missing_licence_file(self):
        other = os.path.join(self.dir.name, "other.txt")
        with open(other, "w") as f:
            f.write("src/not/in/qt.cpp\n")
        missing = os.path.join(self.dir.name, "missing.json")
        with open(missing, "w") as f:
            json.dump({"components": [{"name": "Gone", "copyright": [], "license": "MIT",
                                       "texts": [{"title": "Gone", "file": "/nonexistent"}]}]}, f)
        for used, components, message in [(other, self.components, other),
                                           (self.used, missing, "/nonexistent")]:
            result = subprocess.run(
                [sys.executable, TOOL, "--qt-source", TARBALL, "--used-sources", used,
                 "--components", components, "--title", "T",
                 "--text", os.path.join(self.dir.name, "refused.txt")],
                capture_output=True, text=True)
            self.assertNotEqual(result.returncode, 0)
            self.assertIn(message, result.stderr)

    def test_shipped_components(self):
        """Each download's description reads its texts where the packages put them."""
        for artefact in ["windows", "web"]:
            with self.subTest(artefact):
                components = os.path.join(DATA, f"{artefact}.json")
                with open(components) as f:
                    described = json.load(f)["components"]
                read = {t["file"] for c in described for t in c["texts"]}
                if not all(os.path.exists(p) for p in read):
                    self.skipTest(f"the packages of the {artefact} download are not all installed")
                software, names, texts = write_notices(self.dir.name, self.used, components)
                self.assertLessEqual({c["name"] for c in described}, names)
                self.assertTrue(any(t.startswith("IPAフォントライセンスv1.0") for t in texts.values()))
                # The fonts of the Chinese and Vietnamese texts, with the notices their licences
                # ask for, and the Debian packages they are cut from as installed.
                self.assertLessEqual({"Tesselka Sans SC", "Tesselka Sans VI"}, names)
                for sentence in ["SIL OPEN FONT LICENSE Version 1.1 - 26 February 2007",
                                 'names not containing either the words "Bitstream" or the word '
                                 '"Vera"']:
                    self.assertEqual(sum(sentence in t for t in texts.values()), 1, sentence)
                for line in ["Copyright (c) 2003 by Bitstream, Inc. All Rights Reserved.",
                             "Bitstream Vera is a trademark of Bitstream, Inc.",
                             "Noto is a trademark of Google Inc."]:
                    self.assertIn(f" {line}\n", software)
                notes = " ".join(c.get("note", "") for c in described)
                for package, version in re.findall(r"Debian's package (\S+) \(([^)]+)\)", notes):
                    installed = subprocess.run(["dpkg-query", "-W", "-f", "${Version}", package],
                                               capture_output=True, text=True).stdout
                    self.assertEqual(version, installed, package)

    def test_real_builds(self):
        prefixes = [p for p in os.environ.get("TESSELKA_QT_PREFIXES", "").split(":") if p]
        if not prefixes:
            self.skipTest("TESSELKA_QT_PREFIXES names no Qt")
        for prefix in prefixes:
            with self.subTest(prefix):
                used = os.path.join(prefix, "used-sources.txt")
                notices = write_notices(self.dir.name, used, self.components)
                self.check_against_tarball(used, *notices)


if __name__ == "__main__":
    if TOOL is None:
        sys.exit(__doc__)
    unittest.main(argv=sys.argv[:1] + sys.argv[4:])
