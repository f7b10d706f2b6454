#!/usr/bin/env python3
"""Makes the browser's font: IPA P-Gothic cut down to the characters the program can show.

    subset_font.py ORIGINAL CHARACTERS OUTPUT

CHARACTERS is a UTF-8 text file; every character in it but line ends is kept. The IPA Font
License (Article 3) lets a changed font be passed on only under a name that is not the
original's: every name the font gives itself is replaced.
"""
import sys

from fontTools import subset
from fontTools.ttLib import TTFont

# FreeType's autohinter, which places the text's edges at the light hinting the program asks
# for, measures each script's heights and stem widths on these characters (its afblue.dat and
# afscript.h): kept, the cut-down font is drawn to the pixel as the whole one.
AUTOHINT_REFERENCES = (
    "田囗"
    "他们你來們到和地对對就席我时時會来為能舰說说这這齊军同已愿既星是景民照现現理用置要軍那配里開雷露面顾"
    "个为人以個大有主些因它想意生當看着者自著裡过还进進過道還"
    "她将將年得情最样樣通即吗吧听呢品响嗎师師收断斷明眼間间际陈限除陳随際隨"
    "事前學或政斯新沒没然特球第經谁起例別别制动動增指朝期构物确种調调費费都"
)
FAMILY = "Tesselka P Gothic"
POSTSCRIPT = "TesselkaPGothic"
NOTICE = ("A subset made by the Tesselka project under the IPA Font License Agreement v1.0; "
          "FONT.txt beside the program says how to put the original font back.")


def rename(font, version):
    names = {
        1: FAMILY, 2: "Regular", 3: f"{POSTSCRIPT}-Regular;{version}", 4: FAMILY,
        5: f"Version {version}", 6: POSTSCRIPT, 16: FAMILY, 17: "Regular", 10: NOTICE,
    }
    table = font["name"]
    # Every record of those names goes, in every language (the original has Japanese ones too).
    table.names = [record for record in table.names if record.nameID not in names]
    for name_id, text in names.items():
        table.setName(text, name_id, 3, 1, 0x409)
        table.setName(text, name_id, 1, 0, 0)


def main(original, characters, output):
    with open(characters, encoding="utf-8") as f:
        text = f.read().replace("\n", "").replace("\r", "")
    options = subset.Options()
    options.name_IDs = ["*"]
    options.name_languages = ["*"]
    options.notdef_outline = True
    options.layout_features = ["*"]
    font = TTFont(original)
    version = font["name"].getDebugName(5) or ""
    subsetter = subset.Subsetter(options)
    subsetter.populate(text=text + AUTOHINT_REFERENCES)
    subsetter.subset(font)
    rename(font, version.replace("Version ", ""))
    font.save(output)


if __name__ == "__main__":
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    main(*sys.argv[1:])
