#!/usr/bin/env python3
"""Fails when a shipped translation lacks a text of the source, leaves one
unfinished, or changes what the program fills in or types: a %1-style
argument dropped or added, an Alt key (&) lost, a line break lost.

check_translations.py LUPDATE SOURCE_DIR TS_FILE...
Each .ts file is first compared with what lupdate reads from the source
now, so a text added to the code without its translation fails too."""
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET


def messages(ts_file):
    """(context, source, translation element) of every message."""
    for context in ET.parse(ts_file).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            yield name, message.findtext("source") or "", message.find("translation")


def arguments(text):
    return sorted(re.findall(r"%(?:\d+|n)", text))


def alt_key(text):
    return re.search(r"&[^&\s]", text.replace("&&", "")) is not None


def problems(ts_file):
    found = []
    for context, source, translation in messages(ts_file):
        where = f"{os.path.basename(ts_file)}: {context}: \"{source}\""
        kind = translation.get("type") if translation is not None else "missing"
        text = "".join(translation.itertext()) if translation is not None else ""
        if kind in ("unfinished", "missing") or not text:
            found.append(f"{where}: not translated")
            continue
        if kind in ("vanished", "obsolete"):
            found.append(f"{where}: no longer in the source (lupdate -no-obsolete drops it)")
            continue
        if arguments(source) != arguments(text):
            found.append(f"{where}: arguments {arguments(source)} became {arguments(text)}")
        if alt_key(source) and not alt_key(text):
            found.append(f"{where}: the Alt key (&) is lost")
        if source.count("\n") != text.count("\n"):
            found.append(f"{where}: {source.count(chr(10))} line breaks became {text.count(chr(10))}")
    return found


def main():
    lupdate, source_dir, ts_files = sys.argv[1], sys.argv[2], sys.argv[3:]
    found = []
    with tempfile.TemporaryDirectory() as scratch:
        for ts_file in ts_files:
            fresh = os.path.join(scratch, os.path.basename(ts_file))
            shutil.copy(ts_file, fresh)
            subprocess.run([lupdate, "-silent", "-no-obsolete", "-locations", "none",
                            os.path.join(source_dir, "src"), "-ts", fresh], check=True)
            found += problems(fresh)
    for problem in found:
        print(problem)
    print(f"{len(found)} problem(s) in {len(ts_files)} translation(s)")
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())
