#!/usr/bin/env python3
"""Carries translations along with texts that moved to another context.

lupdate (run without -no-obsolete) keeps a text that left its context as a
vanished entry and adds it, unfinished, to the context it moved to. This copies
the vanished entry's translation to each unfinished entry with the same source
text and comment; lupdate with -no-obsolete then drops the vanished entries.
Usage: carry_translations.py FILE.ts...
"""
import copy
import sys
import xml.etree.ElementTree as ET


def content(element):
    """An element's whole content: its text and its children (a carriage
    return is a <byte value="xd"/> element), as written in the file."""
    if element is None:
        return None
    return (element.text or "") + "".join(ET.tostring(child, encoding="unicode") for child in element)


def key(message):
    return (content(message.find("source")), content(message.find("comment")),
            message.get("numerus"))


def text_of(translation):
    return content(translation)


def copy_into(translation, old):
    translation.text = old.text
    for child in list(translation):
        translation.remove(child)
    for child in old:
        translation.append(copy.deepcopy(child))
    del translation.attrib["type"]


def carry(path):
    tree = ET.parse(path)
    gone = {}  # key -> [(old context, translation)]
    moved = []  # (new context, message) still unfinished
    for context in tree.getroot().iter("context"):
        name = context.findtext("name")
        for m in context.iter("message"):
            t = m.find("translation")
            if t is None:
                continue
            # Only a finished translation that left: an "obsolete" one was
            # still a draft when its text went.
            if t.get("type") == "vanished":
                gone.setdefault(key(m), []).append((name, t))
            elif t.get("type") == "unfinished":
                moved.append((name, m))
    # A text that left one context has one translation to take; a text that
    # left several (merged into one) takes the one of the context most of
    # the new context's other texts came from.
    votes = {}
    pending = []
    carried = 0
    for name, m in moved:
        candidates = gone.get(key(m), [])
        if len({text_of(t) for _, t in candidates}) == 1:
            copy_into(m.find("translation"), candidates[0][1])
            votes.setdefault(name, {}).setdefault(candidates[0][0], 0)
            votes[name][candidates[0][0]] += 1
            carried += 1
        elif candidates:
            pending.append((name, m, candidates))
    for name, m, candidates in pending:
        counts = votes.get(name, {})
        ranked = sorted((counts.get(c[0], 0) for c in candidates), reverse=True)
        if ranked[0] == 0 or (len(ranked) > 1 and ranked[0] == ranked[1]):
            print(f"{path}: {name}: {m.findtext('source')!r} left unfinished: "
                  "its old contexts disagree and none is the clear source")
            continue
        _, best = max(candidates, key=lambda c: counts.get(c[0], 0))
        copy_into(m.find("translation"), best)
        carried += 1
    if carried:
        tree.write(path, encoding="utf-8", xml_declaration=True)
    print(f"{path}: {carried} moved text(s) keep their translation")


for ts in sys.argv[1:]:
    carry(ts)
