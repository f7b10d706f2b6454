#!/usr/bin/python3
"""Writes the third-party notices of one Tesselka download.

    notices.py --qt-source TARBALL --used-sources LIST --components JSON --title TITLE
               --text OUT.txt [--html OUT.html] [--depfile OUT.d]

TARBALL is the source tarball of the Qt the download links; LIST is the used-sources.txt that
scripts/qt-build.sh writes into that Qt's prefix: every file of Qt's source that went into the
build, one a line, relative to the source's root. A third-party library of Qt's source (an entry
of a qt_attribution.json) is in the download when a file of LIST lies within its scope.

JSON names what else the download holds (data/notices/*.json):

    {"components": [{"name": ..., "version": ..., "note": ...,
                     "copyright": [a line, or {"file": ..., "dep5_files": PATTERN}, ...],
                     "license": SPDX expression,
                     "texts": [{"title": ..., "file": PATH, and at most one selector}]}]}

Licence texts are read where they lie on a Debian machine with the project's packages, at build
time. A text is the whole file, or with a selector: "dep5_license": NAME, the body of the
stand-alone "License: NAME" paragraph of a Debian copyright file; "dep5_files": PATTERN, the
licence of the paragraph whose Files name PATTERN (its Copyright too, for "copyright"); "from"
and "to", the lines from one to the other, both included.
"""
import argparse
import html
import json
import posixpath
import re
import sys
import tarfile
import textwrap
from dataclasses import dataclass, field


class NoticeError(Exception):
    pass


@dataclass
class Text:
    title: str
    source: str
    body: str


@dataclass
class Entry:
    name: str
    version: str
    copyright: list
    license: str
    texts: list
    note: str = ""
    numbers: list = field(default_factory=list)  # of its texts in the notices


# Sentences that a licence asks the documentation of a binary to carry, by SPDX id.
CREDITS = {
    # The FreeType licence, clause 3, with the year of the FreeType that is used.
    "FTL": "Portions of this software are copyright \u00a9 {year} The FreeType Project "
           "(www.freetype.org). All rights reserved.",
    # The IJG's licence, condition 2, for a program passed on as executable code only.
    "IJG": "This software is based in part on the work of the Independent JPEG Group.",
}

# Include folders and CMake's scripts are listed too, since the build reads them; neither puts
# anything into what it builds.
BUILD_SCRIPT = re.compile(r"(^|/)CMakeLists\.txt$|\.cmake(\.in)?$")


def decode(data):
    try:
        return data.decode("utf-8-sig")  # the Unicode licence starts with a byte-order mark
    except UnicodeDecodeError:
        return data.decode("latin-1")


def tidy(text):
    """A licence text without trailing blanks and the empty lines around it."""
    return "\n".join(line.rstrip() for line in text.splitlines()).strip("\n")


# --- Qt's source tarball ------------------------------------------------------------------------

class QtSource:
    """Qt's source tarball, read in place: one pass for its file list and attribution files, one
    more for the licence files they name (an xz stream can only be read from its start)."""

    def __init__(self, path):
        self.path, self.root = path, ""
        self._tar = tarfile.open(path)
        self._members = {}
        self.attribution_files = {}
        for member in self._tar:
            root, _, name = member.name.partition("/")
            if not (member.isfile() or member.issym()) or not name:
                continue
            self.root = root
            self._members[name] = member
            if posixpath.basename(name) == "qt_attribution.json":
                self.attribution_files[name] = decode(self._tar.extractfile(member).read())

    def has_file(self, path):
        return path in self._members

    def read(self, paths):
        missing = sorted(p for p in paths if p not in self._members)
        if missing:
            raise NoticeError(f"{self.path} holds no {', '.join(missing)}")
        members = sorted((self._members[p] for p in set(paths)), key=lambda m: m.offset_data)
        return {m.name.partition("/")[2]: decode(self._tar.extractfile(m).read()) for m in members}


@dataclass
class Attribution:
    """One entry of a qt_attribution.json, with the source paths it covers."""
    raw: dict
    folder: str
    scope: list = field(default_factory=list)

    def __post_init__(self):
        # Path is a sub-folder or one file, Files a list of files; with neither, the whole folder.
        if "Path" in self.raw:
            self.scope = [self.at(self.raw["Path"])]
        elif "Files" in self.raw:
            self.scope = [self.at(f) for f in re.split(r"[\s,]+", self.raw["Files"].strip()) if f]
        else:
            self.scope = [self.folder]

    def at(self, relative):
        return posixpath.normpath(posixpath.join(self.folder, relative))

    def covers(self, path):
        return any(path == s or path.startswith(s + "/") for s in self.scope)

    def license_files(self):
        files = self.raw.get("LicenseFiles") or [self.raw.get("LicenseFile")]
        return [self.at(f) for f in files if f]

    def copyright_file(self):
        return self.at(self.raw["CopyrightFile"]) if "CopyrightFile" in self.raw else None


def read_attributions(source):
    attributions = []
    for name, text in sorted(source.attribution_files.items()):
        # Qt's attribution files break long strings over several lines inside the quotes.
        data = json.loads(text, strict=False)
        for raw in data if isinstance(data, list) else [data]:
            attributions.append(Attribution(raw, posixpath.dirname(name)))
    return attributions


def read_used_sources(path, source):
    with open(path, encoding="utf-8") as f:
        paths = {posixpath.normpath(line.strip()) for line in f if line.strip()}
    used = {p for p in paths if source.has_file(p) and not BUILD_SCRIPT.search(p)}
    if not used:
        raise NoticeError(f"{path} names no file of {source.path}: "
                          "is it the list of a Qt built from that source?")
    return used


def spdx(expression):
    # A few attribution files write the operators in lower case.
    return re.sub(r"\b(and|or|with)\b", lambda m: m.group(1).upper(), expression)


def text_title(raw, path, count):
    title = raw.get("License") or raw.get("Name") or raw["Id"]
    return f"{title} ({posixpath.basename(path)})" if count > 1 else title


def qt_entries(source, used):
    """The third-party libraries of Qt's source that have a file in the used sources."""
    chosen = [a for a in read_attributions(source) if any(a.covers(p) for p in used)]
    wanted = [f for a in chosen for f in a.license_files()]
    wanted += [a.copyright_file() for a in chosen if a.copyright_file()]
    files = source.read(wanted)
    entries = []
    for a in chosen:
        raw = a.raw
        statement = files[a.copyright_file()] if a.copyright_file() else raw.get("Copyright", "")
        name = raw.get("Name", raw.get("Id", a.folder))
        entries.append(Entry(
            name=name, version=raw.get("Version", ""),
            copyright=[line.strip() for line in statement.splitlines() if line.strip()],
            license=spdx(raw["LicenseId"]) if raw.get("LicenseId") else raw.get("License", ""),
            texts=[Text(text_title(raw, f, len(a.license_files())), f"Qt's source, {f}",
                        tidy(files[f])) for f in a.license_files()]))
    return sorted(entries, key=lambda e: e.name.lower())


# --- The download's other components ------------------------------------------------------------

def dep5_paragraphs(text):
    """A Debian copyright file as paragraphs of {field: (first line, [continuation lines])}."""
    paragraphs, fields, name = [], {}, None
    for line in text.splitlines() + [""]:
        if not line.strip():
            if fields:
                paragraphs.append(fields)
            fields, name = {}, None
        elif line[0] in " \t" and name:
            fields[name][1].append(line)
        elif not line.startswith("#"):
            name, _, value = line.partition(":")
            fields[name] = (value.strip(), [])
    return paragraphs


def dep5_body(lines):
    # One leading blank is the folding; a lone "." is an empty line.
    lines = [line[1:] for line in lines]
    return "\n".join("" if line.strip() == "." else line for line in lines)


def dep5_license(paragraphs, name, where):
    found = [p for p in paragraphs
             if p.get("License", ("", []))[0] == name and p["License"][1]]
    if not found:
        raise NoticeError(f"{where} has no text of the licence {name}")
    # The stand-alone licence paragraph before a copy inside a Files paragraph.
    return dep5_body(sorted(found, key=lambda p: "Files" in p)[0]["License"][1])


def dep5_files(paragraphs, pattern, where):
    for p in paragraphs:
        if "Files" in p and pattern in " ".join([p["Files"][0]] + p["Files"][1]).split():
            return p
    raise NoticeError(f"{where} has no Files paragraph naming {pattern}")


def read_file(path):
    try:
        with open(path, "rb") as f:
            return decode(f.read())
    except OSError as e:
        raise NoticeError(f"{path}: {e.strerror} (is its Debian package installed?)") from None


def component_text(where):
    """A licence text, read from where a component names it."""
    path = where["file"]
    text = read_file(path)
    if "dep5_license" in where:
        return dep5_license(dep5_paragraphs(text), where["dep5_license"], path)
    if "dep5_files" in where:
        paragraphs = dep5_paragraphs(text)
        name, body = dep5_files(paragraphs, where["dep5_files"], path)["License"]
        return dep5_body(body) if body else dep5_license(paragraphs, name, path)
    if "from" in where:
        lines = text.splitlines()
        stripped = [line.strip() for line in lines]
        try:
            start = stripped.index(where["from"])
            end = stripped.index(where["to"], start)
        except ValueError:
            raise NoticeError(f"{path} has no lines from {where['from']!r} to {where['to']!r}") \
                from None
        return "\n".join(lines[start:end + 1])
    return text


def component_copyright(items):
    """Lines as written, or those of a Debian copyright file's Files paragraph."""
    lines = []
    for item in items:
        if isinstance(item, str):
            lines.append(item)
            continue
        paragraph = dep5_files(dep5_paragraphs(read_file(item["file"])), item["dep5_files"],
                               item["file"])
        value, more = paragraph["Copyright"]
        lines += [line.strip() for line in [value] + more if line.strip()]
    return lines


def components(path):
    with open(path, encoding="utf-8") as f:
        described = json.load(f)["components"]
    return [Entry(name=c["name"], version=c.get("version", ""), note=c.get("note", ""),
                  copyright=component_copyright(c["copyright"]), license=c["license"],
                  texts=[Text(t["title"], t["file"], tidy(component_text(t))) for t in c["texts"]])
            for c in described]


def source_files(path):
    """The files a components description reads, for the build to make the notices again."""
    with open(path, encoding="utf-8") as f:
        described = json.load(f)["components"]
    files = {t["file"] for c in described for t in c["texts"]}
    files |= {i["file"] for c in described for i in c["copyright"] if isinstance(i, dict)}
    return sorted(files)


# --- The notices --------------------------------------------------------------------------------

@dataclass
class Notices:
    title: str
    qt_root: str
    components: list
    qt: list
    texts: list = field(default_factory=list)  # distinct Texts, in the order first named
    users: dict = field(default_factory=dict)  # text number -> names of the entries using it

    def __post_init__(self):
        # Texts that differ only in spacing or line breaks are the same text.
        seen = {}
        for entry in self.components + self.qt:
            for text in entry.texts:
                key = " ".join(text.body.split())
                if key not in seen:
                    self.texts.append(text)
                    seen[key] = len(self.texts)
                entry.numbers.append(seen[key])
                self.users.setdefault(seen[key], []).append(entry.name)

    def credits(self):
        lines = []
        for license_id, sentence in CREDITS.items():
            under = [e for e in self.components + self.qt
                     if license_id in re.findall(r"[\w.+-]+", e.license)]
            statements = [line for e in under for line in e.copyright]
            if under:
                # The latest year any of them names: FreeType's own, not that of older code.
                years = re.findall(r"\b(?:19|20)\d\d\b", " ".join(statements))
                lines.append(sentence.format(year=max(years, default="")))
        return lines


def heading(text, underline):
    return f"{text}\n{underline * len(text)}\n"


def entry_text(notices, entry):
    lines = [entry.name]
    if entry.version:
        lines.append(f"    Version:   {entry.version}")
    if entry.note:
        lines += textwrap.wrap(entry.note, 96, initial_indent="    What:      ",
                               subsequent_indent=" " * 15, break_on_hyphens=False)
    for i, line in enumerate(entry.copyright):
        lines.append(f"    {'Copyright: ' if i == 0 else ' ' * 11}{line}")
    lines.append(f"    Licence:   {entry.license}")
    numbers = ", ".join(f"[{n}]" for n in entry.numbers)
    lines.append(f"    Text:      {numbers} below" if numbers
                 else "    Text:      none besides the statement above")
    return "\n".join(lines) + "\n"


def write_text(notices, path):
    parts = [heading(f"Third-party software in {notices.title}", "="),
             "Besides Tesselka's own code, this download holds the software listed below, each\n"
             "under its own licence. The licence texts follow the list, each given once.\n"]
    credits = notices.credits()
    parts += ["\n".join(credits) + "\n"] if credits else []
    parts.append(heading("SOFTWARE", "-"))
    parts += [entry_text(notices, e) for e in notices.components]
    parts.append(f"Inside Qt: third-party code of Qt's source ({notices.qt_root}) that went into"
                 "\nthis download.\n")
    parts += [entry_text(notices, e) for e in notices.qt]
    parts.append("\n" + heading("LICENCE TEXTS", "-"))
    for n, text in enumerate(notices.texts, 1):
        parts.append(f"[{n}] {text.title}\n    From: {text.source}\n"
                     f"    For:  {', '.join(notices.users[n])}\n\n{text.body}\n")
    with open(path, "w", encoding="utf-8") as f:
        f.write("\n".join(parts))


def entry_html(notices, entry):
    e = html.escape
    # What the entries say is in English, as their sources write it.
    rows = [("バージョン", e(entry.version))] if entry.version else []
    rows += [("内容", e(entry.note))] if entry.note else []
    rows.append(("著作権表示", "<br>".join(e(line) for line in entry.copyright)))
    rows.append(("ライセンス", e(entry.license)))
    links = [f'<a href="#license-{n}">[{n}] {e(notices.texts[n - 1].title)}</a>'
             for n in entry.numbers]
    rows.append(("ライセンス本文", "<br>".join(links)
                 or '<span lang="ja">上の著作権表示のみ（別の本文はありません）</span>'))
    cells = "\n".join(f'<dt>{k}</dt><dd lang="en">{v}</dd>' for k, v in rows if v)
    return f"<h3>{e(entry.name)}</h3>\n<dl>\n{cells}\n</dl>\n"


def write_html(notices, path):
    e = html.escape
    parts = [f"""<!DOCTYPE html>
<html lang="ja">
<head>
<meta charset="utf-8">
<meta name="viewport" content="width=device-width, initial-scale=1">
<title>ライセンス — {e(notices.title)}</title>
<style>
body {{ font-family: sans-serif; line-height: 1.5; max-width: 50rem; margin: auto; padding: 1rem; }}
dl {{ display: grid; grid-template-columns: max-content 1fr; gap: 0.25rem 1rem; }}
dt {{ font-weight: bold; }}
dd {{ margin: 0; }}
pre {{ white-space: pre-wrap; overflow-wrap: anywhere; background: #f4f4f4; padding: 0.75rem; }}
</style>
</head>
<body>
<h1>ライセンス</h1>
<p>{e(notices.title)} には、Tesselka 自身のコードのほかに、次のソフトウェアが含まれています。
それぞれのライセンス本文は、このページの終わりにあります。</p>
"""]
    parts += [f'<p lang="en">{e(line)}</p>\n' for line in notices.credits()]
    parts.append("<h2>このページに含まれるソフトウェア</h2>\n")
    parts += [entry_html(notices, entry) for entry in notices.components]
    parts.append(f"<h2>Qt に含まれるソフトウェア</h2>\n<p>Qt のソース（{e(notices.qt_root)}）のうち、"
                 "このページに入ったものです。</p>\n")
    parts += [entry_html(notices, entry) for entry in notices.qt]
    parts.append("<h2>ライセンス本文</h2>\n")
    for n, text in enumerate(notices.texts, 1):
        parts.append(f'<section id="license-{n}">\n<h3>[{n}] {e(text.title)}</h3>\n'
                     f"<p>出典: {e(text.source)}<br>対象: {e(', '.join(notices.users[n]))}</p>\n"
                     f'<pre>{e(text.body)}</pre>\n</section>\n')
    parts.append("</body>\n</html>\n")
    with open(path, "w", encoding="utf-8") as f:
        f.write("".join(parts))


def write_depfile(path, target, inputs):
    def escape(p):
        return p.replace(" ", "\\ ")
    with open(path, "w", encoding="utf-8") as f:
        f.write(f"{escape(target)}: {' '.join(escape(p) for p in inputs)}\n")


def main(argv):
    parser = argparse.ArgumentParser(description="Writes the third-party notices of a download.")
    parser.add_argument("--qt-source", required=True, help="Qt's source tarball")
    parser.add_argument("--used-sources", required=True, help="used-sources.txt of the Qt build")
    parser.add_argument("--components", required=True, help="the download's other components")
    parser.add_argument("--title", required=True, help="the download, as the heading names it")
    parser.add_argument("--text", required=True, help="the plain-text notices to write")
    parser.add_argument("--html", help="the licence page to write")
    parser.add_argument("--depfile", help="where to list the files read, for the build")
    args = parser.parse_args(argv)
    try:
        others = components(args.components)  # before the tarball's long read
        source = QtSource(args.qt_source)
        notices = Notices(args.title, source.root, others,
                          qt_entries(source, read_used_sources(args.used_sources, source)))
    except KeyError as error:
        sys.exit(f"notices.py: {args.components}: a component has no field {error}")
    except (NoticeError, OSError, tarfile.TarError, json.JSONDecodeError) as error:
        sys.exit(f"notices.py: {error}")
    write_text(notices, args.text)
    if args.html:
        write_html(notices, args.html)
    if args.depfile:
        write_depfile(args.depfile, args.text, [args.qt_source, args.used_sources, args.components,
                                                *source_files(args.components)])


if __name__ == "__main__":
    main(sys.argv[1:])
