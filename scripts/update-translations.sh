#!/usr/bin/env bash
# Brings translations/*.ts up to date with the texts in src/: new texts are
# added unfinished, texts gone from the sources are dropped, and a text that
# moved to another context (another class) keeps its translation there. Run
# after changing a text the user reads, then translate what is unfinished.
set -euo pipefail
cd "$(dirname "$0")/.."
# Qt 6's own lupdate before whatever an unversioned name on PATH is.
lupdate=/usr/lib/qt6/bin/lupdate
[ -x "$lupdate" ] || lupdate=$(command -v lupdate-qt6 || command -v lupdate)
# The translated languages of the build (KORDAVEL_LANGUAGES in CMakeLists.txt,
# English the source text first).
languages=$(sed -n 's/^set(KORDAVEL_LANGUAGES en \(.*\))$/\1/p' CMakeLists.txt)
[ -n "$languages" ] || { echo "no KORDAVEL_LANGUAGES in CMakeLists.txt" >&2; exit 1; }
for lang in $languages; do
  ts="translations/kordavel_${lang}.ts"
  "$lupdate" -silent -locations none -source-language en -target-language "$lang" src -ts "$ts"
  python3 scripts/carry_translations.py "$ts"
  "$lupdate" -silent -locations none -no-obsolete -source-language en -target-language "$lang" \
    src -ts "$ts"
done
# English is the source text; its catalogue holds only the plural forms.
"$lupdate" -silent -locations none -pluralonly -source-language en -target-language en \
  src -ts translations/kordavel_en.ts
python3 scripts/carry_translations.py translations/kordavel_en.ts
"$lupdate" -silent -locations none -no-obsolete -pluralonly -source-language en -target-language en \
  src -ts translations/kordavel_en.ts
