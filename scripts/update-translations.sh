#!/usr/bin/env bash
# Brings translations/*.ts up to date with the texts in src/: new texts are
# added unfinished, texts gone from the sources are dropped. Run after
# changing a text the user reads, then translate what is unfinished.
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)
for lang in de fr es it nl pl; do
  "$lupdate" -silent -locations none -no-obsolete -source-language en -target-language "$lang" \
    src -ts "translations/kordavel_${lang}.ts"
done
