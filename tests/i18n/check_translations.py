#!/usr/bin/python3
"""Fails when a translation is not complete and current.

    check_translations.py SOURCE_DIR QM_DIR LANGUAGE...

The translations/kordavel_<LANGUAGE>.ts of each language the build embeds must
hold exactly the texts of src/ (lupdate run on a
copy adds or drops none), each finished, with the placeholders, access keys
and line breaks of its English text; every .qm the build compiled for
embedding must be what lrelease makes of its .ts now.
"""
import filecmp
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET
from pathlib import Path

def tool(name):
    # Qt 6's own before whatever an unversioned name on PATH is.
    for candidate in (f"/usr/lib/qt6/bin/{name}", shutil.which(f"{name}-qt6"), shutil.which(name)):
        if candidate and Path(candidate).exists():
            return candidate
    sys.exit(f"{name} is missing (Debian package qt6-l10n-tools)")


def access_keys(text):
    return len(re.findall(r"&[^&\s]", text.replace("&&", "")))


def problems_in(ts):
    found = []
    for context in ET.parse(ts).getroot().iter("context"):
        for message in context.iter("message"):
            source = "".join(message.find("source").itertext())
            translation = message.find("translation")
            where = f"{ts.name}: {context.findtext('name')}: {source!r}"
            kind = translation.get("type")
            if kind:
                found.append(f"{where} is {kind}")
                continue
            # A text that counts has one translation per plural form.
            forms = translation.findall("numerusform") or [translation]
            for number, form in enumerate(forms):
                text = "".join(form.itertext())
                if not text.strip():
                    found.append(f"{where} has no translation")
                if number > 0 and "%n" in source and "%n" not in text:
                    found.append(f"{where}: the plural form {text!r} does not say the number")
                placeholders = set(re.findall(r"%\d", source))
                if placeholders != set(re.findall(r"%\d", text)):
                    found.append(f"{where}: the placeholders differ in {text!r}")
                if access_keys(source) != access_keys(text):
                    found.append(f"{where}: the access key differs in {text!r}")
                def breaks(element):
                    xml = ET.tostring(element)
                    return xml.count(b'byte value="xd"'), "".join(element.itertext()).count("\n")
                if breaks(message.find("source")) != breaks(form):
                    found.append(f"{where}: the line breaks differ in {text!r}")
    return found


def main():
    source_dir, qm_dir, languages = Path(sys.argv[1]), Path(sys.argv[2]), sys.argv[3:]
    if not languages:
        sys.exit("no languages given")
    lupdate, lrelease = tool("lupdate"), tool("lrelease")
    problems = []
    with tempfile.TemporaryDirectory() as tmp:
        for lang in languages:
            ts = source_dir / "translations" / f"kordavel_{lang}.ts"
            problems += problems_in(ts)
            # The texts of the sources as they are now.
            updated = Path(tmp) / ts.name
            shutil.copy(ts, updated)
            # English is the source text: its catalogue holds only plural forms.
            only_plurals = ["-pluralonly"] if lang == "en" else []
            subprocess.run([lupdate, "-silent", "-locations", "none", "-no-obsolete", *only_plurals,
                            "-source-language", "en", "-target-language", lang,
                            str(source_dir / "src"), "-ts", str(updated)], check=True)
            if updated.read_bytes() != ts.read_bytes():
                problems.append(f"{ts.name} does not hold the texts of src/ as they are: "
                                "run scripts/update-translations.sh and translate")
            qm = Path(tmp) / f"kordavel_{lang}.qm"
            subprocess.run([lrelease, "-silent", str(ts), "-qm", str(qm)], check=True)
            built = qm_dir / qm.name
            if not built.exists() or not filecmp.cmp(qm, built, shallow=False):
                problems.append(f"{built} is not what lrelease makes of {ts.name} now")
    for p in problems:
        print(p)
    print(f"{len(languages)} translations checked: {len(problems)} problem(s)")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
