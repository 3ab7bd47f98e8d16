#!/usr/bin/env python3
"""Fails when a translation is not complete for the sources as they stand.

  check-translations.py LUPDATE SOURCES TS

Runs lupdate over SOURCES into a copy of TS, so a changed source text shows up as what it does to
the translation: the old text vanished, the new one unfinished. Fails on any unfinished, vanished
or obsolete message, and when the copy's texts differ from the committed file's (the file was not
updated after the sources changed). Prints the counts either way.
"""
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET
from pathlib import Path


def text(element):
    """An element's whole text; lupdate writes a carriage return as a <byte> element."""
    if element is None:
        return ""
    return "".join(element.itertext())


def messages(ts):
    """(context, source, comment) -> the translation's type: '' when finished."""
    found = {}
    for context in ET.parse(ts).getroot().iter("context"):
        name = context.findtext("name", "")
        for message in context.iter("message"):
            key = (name, text(message.find("source")), text(message.find("comment")))
            translation = message.find("translation")
            kind = translation.get("type", "") if translation is not None else "unfinished"
            if kind == "" and not text(translation).strip():
                kind = "unfinished"
            found[key] = kind
    return found


def main():
    lupdate, sources, ts = sys.argv[1], Path(sys.argv[2]), Path(sys.argv[3])
    committed = messages(ts)
    with tempfile.TemporaryDirectory() as scratch:
        copy = Path(scratch) / ts.name
        shutil.copyfile(ts, copy)
        subprocess.run([lupdate, "-silent", str(sources), "-locations", "none", "-ts", str(copy)], check=True)
        updated = messages(copy)

    current = {key: kind for key, kind in updated.items() if kind not in ("vanished", "obsolete")}
    gone = sorted(key for key, kind in updated.items() if kind in ("vanished", "obsolete"))
    unfinished = sorted(key for key, kind in current.items() if kind == "unfinished")
    print(f"{ts.name}: {len(current) - len(unfinished)} translated, {len(unfinished)} untranslated")

    problems = []
    for context, source, _ in gone:
        problems.append(f"no longer in the sources: [{context}] {source!r}")
    for context, source, _ in unfinished:
        problems.append(f"not translated: [{context}] {source!r}")
    if set(current) != set(committed) - set(gone):
        problems.append("the file's texts differ from the sources': run scripts/update-translations.sh")
    for problem in problems:
        print(problem)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
