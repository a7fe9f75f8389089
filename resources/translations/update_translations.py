#!/usr/bin/env python3
"""Writes the application's translation catalogues language_XX.ts and update_XX.ts.

The texts come from the program: lupdate collects every translatable text of
src/. Their translations come from texts.tsv in this folder, one row per
text: the context, the source text, then one column per catalogue suffix
(see the header row). An empty English cell means the English text is the
source text itself; every other language needs a translation. Cells escape a
tab, a line feed and a backslash as \\t, \\n and \\\\.

    update_translations.py           rewrites the sixteen .ts files
    update_translations.py --check   changes nothing; fails when a text has
                                     no translation, a translation drops or
                                     adds a place marker (%1, %2, ...), or a
                                     .ts file is not what a rewrite gives

The texts of the update checker and downloader (contexts in UPDATE_CONTEXTS)
go into catalogues of their own, update_XX.ts, which the program installs
beside the application's; every other text goes into language_XX.ts.

To add a text: write it in the code, add its row to texts.tsv, run this.
"""

import argparse
import csv
import os
import re
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET
from xml.sax.saxutils import escape

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.normpath(os.path.join(HERE, "..", ".."))
TABLE = os.path.join(HERE, "texts.tsv")

# Catalogue suffix -> the language code written into the catalogue.
LANGUAGES = {
    "en": "en",
    "ae": "ar",
    "cn": "zh_TW",
    "da": "da",
    "du": "nl",
    "fr": "fr",
    "de": "de",
    "gr": "el",
    "it": "it",
    "jp": "ja",
    "no": "nb",
    "pr": "pt_PT",
    "ru": "ru",
    "sp": "es",
    "sw": "sv",
    "tk": "tr",
}

# Catalogue name -> whether a context belongs to it.
UPDATE_CONTEXTS = {"Updater", "Downloader"}
CATALOGUES = {
    "language": lambda context: context not in UPDATE_CONTEXTS,
    "update": lambda context: context in UPDATE_CONTEXTS,
}

MARKER = re.compile(r"%L?\d+")


def unescape(cell):
    out, i = [], 0
    while i < len(cell):
        if cell[i] == "\\" and i + 1 < len(cell):
            out.append({"t": "\t", "n": "\n", "\\": "\\"}.get(cell[i + 1], cell[i + 1]))
            i += 2
        else:
            out.append(cell[i])
            i += 1
    return "".join(out)


def find_lupdate(explicit):
    if explicit:
        return explicit
    for candidate in ("/usr/lib/qt6/bin/lupdate", "lupdate6", "lupdate"):
        if os.path.isabs(candidate) and os.access(candidate, os.X_OK):
            return candidate
        for folder in os.environ.get("PATH", "").split(os.pathsep):
            path = os.path.join(folder, candidate)
            if os.access(path, os.X_OK):
                return path
    sys.exit("update_translations: lupdate not found (Debian package qt6-l10n-tools)")


def collect_messages(lupdate):
    """(context, source) pairs of the program, in lupdate's order."""
    with tempfile.TemporaryDirectory() as tmp:
        ts = os.path.join(tmp, "all.ts")
        result = subprocess.run(
            [lupdate, "-silent", "-recursive", "-locations", "none", "-no-obsolete",
             os.path.join(ROOT, "src"), "-ts", ts],
            cwd=ROOT, capture_output=True, text=True)
        if result.returncode != 0:
            sys.exit("update_translations: lupdate failed:\n" + result.stdout + result.stderr)
        tree = ET.parse(ts)
    messages = []
    for context in tree.getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            if message.get("numerus") == "yes":
                sys.exit("update_translations: plural texts are not supported yet: "
                         + message.findtext("source"))
            if message.find("comment") is not None:
                sys.exit("update_translations: texts with a disambiguation are not supported yet: "
                         + message.findtext("source"))
            messages.append((name, message.findtext("source")))
    return messages


def read_table():
    with open(TABLE, newline="", encoding="utf-8") as f:
        rows = list(csv.reader(f, delimiter="\t", quoting=csv.QUOTE_NONE))
    header = rows[0]
    if header[:2] != ["context", "source"] or sorted(header[2:]) != sorted(LANGUAGES):
        sys.exit("update_translations: texts.tsv header must be context, source and the "
                 "suffixes " + " ".join(LANGUAGES))
    table = {}
    for number, row in enumerate(rows[1:], start=2):
        if not row or not "".join(row).strip():
            continue
        if len(row) != len(header):
            sys.exit("update_translations: texts.tsv line %d has %d cells, not %d"
                     % (number, len(row), len(header)))
        cells = [unescape(cell) for cell in row]
        key = (cells[0], cells[1])
        if key in table:
            sys.exit("update_translations: texts.tsv line %d repeats %r" % (number, key))
        table[key] = dict(zip(header[2:], cells[2:]))
    return table


def render(suffix, messages, table):
    lines = ['<?xml version="1.0" encoding="utf-8"?>', "<!DOCTYPE TS>",
             '<TS version="2.1" language="%s" sourcelanguage="en">' % LANGUAGES[suffix]]
    current = None
    for context, source in messages:
        if context != current:
            if current is not None:
                lines.append("</context>")
            lines += ["<context>", "    <name>%s</name>" % escape(context)]
            current = context
        translation = table.get((context, source), {}).get(suffix, "")
        if suffix == "en" and not translation and (context, source) in table:
            translation = source
        lines += ["    <message>", "        <source>%s</source>" % escape(source)]
        if translation:
            lines.append("        <translation>%s</translation>" % escape(translation))
        else:
            lines.append('        <translation type="unfinished"></translation>')
        lines.append("    </message>")
    if current is not None:
        lines.append("</context>")
    lines.append("</TS>")
    return "\n".join(lines) + "\n"


def problems(messages, table):
    found = []
    for context, source in messages:
        row = table.get((context, source))
        if row is None:
            found.append("no row in texts.tsv: %s / %r" % (context, source))
            continue
        wanted = sorted(MARKER.findall(source))
        for suffix in LANGUAGES:
            text = row[suffix]
            if not text:
                if suffix != "en":
                    found.append("no %s translation: %s / %r" % (suffix, context, source))
                continue
            # An English text for a resource id has markers of its own.
            if not source.startswith("IDS_") and sorted(MARKER.findall(text)) != wanted:
                found.append("place markers differ in %s: %s / %r" % (suffix, context, source))
    for key in sorted(set(table) - set(messages)):
        found.append("texts.tsv row for a text the program no longer has: %s / %r" % key)
    return found


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--check", action="store_true")
    parser.add_argument("--lupdate")
    args = parser.parse_args()

    messages = collect_messages(find_lupdate(args.lupdate))
    table = read_table()
    found = problems(messages, table)
    stale = []
    for (catalogue, belongs), suffix in ((c, s) for c in CATALOGUES.items() for s in LANGUAGES):
        path = os.path.join(HERE, "%s_%s.ts" % (catalogue, suffix))
        text = render(suffix, [m for m in messages if belongs(m[0])], table)
        if args.check:
            try:
                with open(path, encoding="utf-8") as f:
                    if f.read() != text:
                        stale.append(os.path.basename(path))
            except FileNotFoundError:
                stale.append(os.path.basename(path))
        else:
            with open(path, "w", encoding="utf-8") as f:
                f.write(text)
    for line in found:
        print(line, file=sys.stderr)
    if stale:
        print("out of date (run resources/translations/update_translations.py): " + ", ".join(stale),
              file=sys.stderr)
    sys.exit(1 if found or stale else 0)


if __name__ == "__main__":
    main()
