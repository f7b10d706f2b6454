#!/usr/bin/env python3
"""Every translation complete: each Linguist file has every text of the program's source, as
lupdate finds them now, and a finished translation for each.

    translations_test.py LUPDATE SOURCE_DIR TRANSLATIONS_DIR
"""
import pathlib
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ElementTree


def messages(ts):
    """(context, source, comment) -> its translation element, of a Linguist file."""
    root = ElementTree.parse(ts).getroot()
    return {(context.findtext("name"), m.findtext("source"), m.findtext("comment")): m.find("translation")
            for context in root.iter("context") for m in context.iter("message")}


def problems(ts, wanted):
    have = messages(ts)
    for key in sorted(set(wanted) - set(have), key=str):
        yield f"{ts.name}: missing {key[0]}: {key[1]!r}"
    for key, translation in have.items():
        kind = translation.get("type")
        forms = [translation.text or ""] + [v.text or "" for v in translation.iter("lengthvariant")]
        if kind in ("unfinished", "vanished", "obsolete"):
            yield f"{ts.name}: {kind} {key[0]}: {key[1]!r}"
        elif not any(forms):
            yield f"{ts.name}: empty {key[0]}: {key[1]!r}"
        elif key not in wanted:
            yield f"{ts.name}: no longer in the program: {key[1]!r}"


def main(lupdate, source_dir, translations_dir):
    with tempfile.TemporaryDirectory() as work:
        fresh = pathlib.Path(work) / "fresh.ts"
        subprocess.run([lupdate, "-silent", "-locations", "none", source_dir, "-ts", str(fresh)], check=True)
        wanted = messages(fresh)
    files = sorted(pathlib.Path(translations_dir).glob("tesselka_*.ts"))
    found = [p for ts in files for p in problems(ts, wanted)]
    print("\n".join(found) or f"{len(files)} translations of {len(wanted)} texts, all complete")
    return 1 if found or len(files) != 6 or len(wanted) < 50 else 0


if __name__ == "__main__":
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    sys.exit(main(*sys.argv[1:]))
