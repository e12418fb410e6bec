#!/usr/bin/env python3
"""Writes launcher/texts/<code>.ts from the string table and a translation map.

usage: scripts/ts-write.py CODE [translations.json]

The message list (169 distinct English texts, context "global") is read from
launcher/texts/strtab.cpp, so the .ts files always follow the table. A text
keeps its translation from, in this order: the JSON map given (English text ->
translation), the existing .ts file, or the English text itself (for "enu",
and as a stand-in where no translation exists yet; such messages are marked
unfinished so translators find them).
"""
import json
import re
import sys
import xml.etree.ElementTree as ET
from pathlib import Path
from xml.sax.saxutils import escape

ROOT = Path(__file__).resolve().parent.parent
TEXTS = ROOT / "launcher" / "texts"


def table_texts():
    src = (TEXTS / "strtab.cpp").read_text(encoding="utf-8")
    texts = []
    for raw in re.findall(r'QT_TRANSLATE_NOOP\("global", "((?:[^"\\]|\\.)*)"\)', src):
        text = raw.encode().decode("unicode_escape")
        if text not in texts:
            texts.append(text)
    return texts


def existing(path):
    if not path.exists():
        return {}
    found = {}
    for msg in ET.parse(path).getroot().iter("message"):
        tr = msg.find("translation")
        if tr is not None and tr.text and tr.get("type") != "unfinished":
            found[msg.find("source").text] = tr.text
    return found


def main():
    code = sys.argv[1]
    path = TEXTS / f"{code}.ts"
    known = existing(path)
    if len(sys.argv) > 2:
        known.update(json.loads(Path(sys.argv[2]).read_text(encoding="utf-8")))
    out = ['<?xml version="1.0" encoding="utf-8"?>', "<!DOCTYPE TS>",
           '<TS version="2.1">', "<context>", "    <name>global</name>"]
    for text in table_texts():
        tr = known.get(text)
        if code == "enu":
            tr = text
        attr = "" if tr else ' type="unfinished"'
        out += ["    <message>",
                f"        <source>{escape(text)}</source>",
                f"        <translation{attr}>{escape(tr or text)}</translation>",
                "    </message>"]
    out += ["</context>", "</TS>", ""]
    path.write_text("\n".join(out), encoding="utf-8")


if __name__ == "__main__":
    main()
