#!/usr/bin/env python3
"""Cuts a font down to the characters the program shows in it, under a name of its own.

    subset_font.py ORIGINAL OUTPUT FAMILY SOURCE...

ORIGINAL is a font file, or a collection with the face's family after a '#'
("NotoSansCJK-Regular.ttc#Noto Sans CJK SC"). Each SOURCE gives characters to keep: from a
Qt Linguist file (.ts) the characters of its translations, from any other file every character
but line ends. The fonts' licences (the IPA Font License, Article 3; the Bitstream Vera licence;
the SIL Open Font License, as good practice) let a changed font be passed on only under another
name: every name the font gives itself is replaced by FAMILY.
"""
import sys
import xml.etree.ElementTree as ElementTree

from fontTools import subset
from fontTools.ttLib import TTCollection, TTFont

# FreeType's autohinter, which places the edges of a TrueType font's text at the light hinting
# the program asks for (a CFF font keeps its own hints), measures each script's heights and stem
# widths on these characters (its afblue.dat and afscript.h): kept, the cut-down font is drawn
# to the pixel as the whole one.
AUTOHINT_REFERENCES = (
    "田囗"
    "他们你來們到和地对對就席我时時會来為能舰說说这這齊军同已愿既星是景民照现現理用置要軍那配里開雷露面顾"
    "个为人以個大有主些因它想意生當看着者自著裡过还进進過道還"
    "她将將年得情最样樣通即吗吧听呢品响嗎师師收断斷明眼間间际陈限除陳随際隨"
    "事前學或政斯新沒没然特球第經谁起例別别制动動增指朝期构物确种調调費费都"
)
NOTICE = ("A subset made by the Tesselka project under the original font's licence; the notices "
          "that come with the program say what was changed and where the original font is.")


def rename(font, family):
    version = (font["name"].getDebugName(5) or "").replace("Version ", "")
    style = font["name"].getDebugName(2) or "Regular"
    postscript = family.replace(" ", "")
    names = {
        1: family, 2: style, 3: f"{postscript}-{style};{version}", 4: f"{family} {style}",
        5: f"Version {version}", 6: f"{postscript}-{style}", 16: family, 17: style, 10: NOTICE,
    }
    table = font["name"]
    # Every record of those names goes, in every language (the originals have others too).
    table.names = [record for record in table.names if record.nameID not in names]
    for name_id, text in names.items():
        table.setName(text, name_id, 3, 1, 0x409)
        table.setName(text, name_id, 1, 0, 0)
    if "CFF " in font:  # a CFF font names itself inside its outlines too
        cff = font["CFF "].cff
        cff.fontNames = [f"{postscript}-{style}"]
        top = cff.topDictIndex[0]
        for key in ("FullName", "FamilyName"):
            if hasattr(top, key):
                setattr(top, key, family)
        for sub in getattr(top, "FDArray", []):  # "NotoSansCJKjp-Regular-Alphabetic"
            sub.FontName = postscript + sub.FontName[sub.FontName.find("-"):]


def open_face(original):
    path, _, face = original.partition("#")
    if not face:
        return TTFont(path)
    for font in TTCollection(path).fonts:
        if font["name"].getDebugName(1) == face:
            return font
    sys.exit(f"{path} has no face {face}")


def characters(source):
    if source.endswith(".ts"):
        root = ElementTree.parse(source).getroot()
        forms = ("translation", "numerusform", "lengthvariant")
        return "".join(t.text or "" for t in root.iter() if t.tag in forms)
    with open(source, encoding="utf-8") as f:
        return f.read()


def main(original, output, family, *sources):
    # Printable ASCII always: the values, and what a pupil types.
    ascii = "".join(map(chr, range(0x20, 0x7F)))
    text = ascii + "".join(characters(s) for s in sources).replace("\n", "").replace("\r", "")
    options = subset.Options()
    options.name_IDs = ["*"]
    options.name_languages = ["*"]
    options.notdef_outline = True
    options.layout_features = ["*"]
    font = open_face(original)
    subsetter = subset.Subsetter(options)
    subsetter.populate(text=text + (AUTOHINT_REFERENCES if "glyf" in font else ""))
    subsetter.subset(font)
    rename(font, family)
    font.save(output)


if __name__ == "__main__":
    if len(sys.argv) < 5:
        sys.exit(__doc__)
    main(*sys.argv[1:])
