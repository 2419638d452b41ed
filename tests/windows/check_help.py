#!/usr/bin/env python3
"""Reads help.chm back with chmls and checks it against the help sources.

    check_help.py CHMLS HELP.chm SOURCE_DIR pages|links

pages: every file that the project (help.hhp) lists is in the compiled file, byte for byte as in the sources, and the
       topic that the program opens (zmanim.htm) is among them.
links: every page, contents entry and index entry that a page, the contents (.hhc) or the index (.hhk) points to is
       in the compiled file, and so is every anchor (#name) that a link asks for.
"""

import os
import re
import subprocess
import sys
import tempfile

# The program opens "help.chm::/zmanim.htm"; the other pages are reached from the contents.
REQUIRED_PAGES = ["zmanim.htm", "calendar.htm", "holidays.htm", "preferences.htm", "week.htm", "dates.htm"]


def compiled_names(chmls, chm):
    listing = subprocess.run([chmls, "-n", "list", chm], check=True, capture_output=True, text=True).stdout
    return {line.strip().lstrip("/") for line in listing.splitlines() if line.strip().startswith("/")}


def project_files(source_dir):
    files, in_files = [], False
    with open(os.path.join(source_dir, "help.hhp"), encoding="ascii") as project:
        for line in project:
            line = line.strip()
            if line.startswith("["):
                in_files = line == "[FILES]"
            elif in_files and line:
                files.append(line)
    return files


def extract(chmls, chm, name, folder):
    target = os.path.join(folder, name)
    subprocess.run([chmls, "extract", chm, "/" + name, target], check=True, capture_output=True)
    with open(target, "rb") as extracted:
        return extracted.read()


def check_pages(chmls, chm, source_dir):
    failures = []
    names = compiled_names(chmls, chm)
    wanted = project_files(source_dir)
    for page in REQUIRED_PAGES:
        if page not in wanted:
            failures.append(f"{page} is not listed in help.hhp")
    with tempfile.TemporaryDirectory() as folder:
        for name in wanted:
            if name not in names:
                failures.append(f"{name} is missing from help.chm")
                continue
            with open(os.path.join(source_dir, name), "rb") as source:
                if extract(chmls, chm, name, folder) != source.read():
                    failures.append(f"{name} in help.chm differs from its source")
    for name in ("help.hhc", "help.hhk"):
        if name not in names:
            failures.append(f"{name} is missing from help.chm")
    return failures, len(wanted) + 2


LINK = re.compile(r'(?:href|src)\s*=\s*"([^"]*)"|<param\s+name="Local"\s+value="([^"]*)"', re.IGNORECASE)
ANCHOR = re.compile(r'(?:name|id)\s*=\s*"([^"]*)"', re.IGNORECASE)


def check_links(chmls, chm, source_dir):
    failures, checked = [], 0
    names = compiled_names(chmls, chm)
    with tempfile.TemporaryDirectory() as folder:
        texts = {}
        for name in sorted(names):
            if name.endswith((".htm", ".hhc", ".hhk")):
                texts[name] = extract(chmls, chm, name, folder).decode("windows-1252")
        for name, text in texts.items():
            for match in LINK.finditer(text):
                link = match.group(1) or match.group(2)
                if re.match(r"^[a-z]+:", link, re.IGNORECASE):
                    failures.append(f"{name} links outside the help file: {link}")
                    continue
                checked += 1
                page, _, anchor = link.partition("#")
                page = page or name
                if page not in names:
                    failures.append(f"{name} links to {page}, which help.chm lacks")
                elif anchor and anchor not in ANCHOR.findall(texts.get(page, "")):
                    failures.append(f"{name} links to {page}#{anchor}, which has no such anchor")
    if checked == 0:
        failures.append("no links found at all")
    return failures, checked


def main():
    if len(sys.argv) != 5 or sys.argv[4] not in ("pages", "links"):
        print(__doc__, file=sys.stderr)
        return 2
    chmls, chm, source_dir, what = sys.argv[1:]
    check = check_pages if what == "pages" else check_links
    failures, checked = check(chmls, chm, source_dir)
    for failure in failures:
        print("FAILED:", failure)
    print(f"{checked - len(failures)} passed, {len(failures)} failed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
