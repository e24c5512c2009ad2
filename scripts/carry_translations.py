#!/usr/bin/env python3
"""Carries translations along with texts that moved to another context.

lupdate (run without -no-obsolete) keeps a text that left its context as a
vanished entry and adds it, unfinished, to the context it moved to. This copies
the vanished entry's translation to each unfinished entry with the same source
text and comment; lupdate with -no-obsolete then drops the vanished entries.
Usage: carry_translations.py FILE.ts...
"""
import sys
import xml.etree.ElementTree as ET


def key(message):
    return (message.findtext("source"), message.findtext("comment"), message.get("numerus"))


def carry(path):
    tree = ET.parse(path)
    messages = list(tree.getroot().iter("message"))
    gone = {}
    for m in messages:
        t = m.find("translation")
        if t is not None and t.get("type") in ("vanished", "obsolete"):
            gone.setdefault(key(m), t)
    carried = 0
    for m in messages:
        t = m.find("translation")
        if t is None or t.get("type") != "unfinished" or key(m) not in gone:
            continue
        old = gone[key(m)]
        t.text = old.text
        for child in list(t):
            t.remove(child)
        for child in old:
            copy = ET.SubElement(t, child.tag, child.attrib)
            copy.text = child.text
        del t.attrib["type"]
        carried += 1
    if carried:
        tree.write(path, encoding="utf-8", xml_declaration=True)
    print(f"{path}: {carried} moved text(s) keep their translation")


for ts in sys.argv[1:]:
    carry(ts)
