#!/usr/bin/env bash
# What a user sees and gets stays byte for byte what it was: the demo's log
# (every status, instruction and the configuration file it writes) and its
# screenshots, narrow and wide, against the references in tests/data/demo, and
# every English text of the window against tests/data/english-texts.txt.
#
# The demo runs on a fixed date (faketime) under a fixed folder (a tmpfs at
# /mnt in a mount namespace of its own, tests/support/own_mount_namespace.sh),
# because the date pickers and the drive list show both.
#
# Usage: check_demo.sh BUILD_DIR                  compare
#        check_demo.sh BUILD_DIR --update         write the references anew
# A failing run leaves what it saw in BUILD_DIR/reference-check/.
set -euo pipefail
[ $# -ge 1 ] || { echo "usage: check_demo.sh BUILD_DIR [--update]" >&2; exit 2; }
build=$(cd "$1" && pwd)
update=${2:-}
here=$(cd "$(dirname "$0")" && pwd)
data="$here/../data"
demo="$build/kordavel-demo"
seen="$build/reference-check"
date='2026-03-16 09:30:00'

[ -x "$demo" ] || { echo "FAILED: no demo at $demo" >&2; exit 1; }
command -v faketime >/dev/null || { echo "FAILED: faketime is missing (scripts/install-deps.sh --test)" >&2; exit 1; }

if [ "${KORDAVEL_IN_NAMESPACE:-}" != 1 ]; then
    rm -rf "$seen"
    mkdir -p "$seen"
    KORDAVEL_IN_NAMESPACE=1 bash "$here/../support/own_mount_namespace.sh" bash "$0" "$@"
else
    # Inside: the demo's folder is /mnt/demo on every machine and for every user.
    mount -t tmpfs -o size=64m kordavel-demo /mnt
    home=$(mktemp -d)
    for layout in narrow wide; do
        flag=; [ "$layout" = wide ] && flag=--wide
        HOME="$home" XDG_RUNTIME_DIR="$home" QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8 \
            ASAN_OPTIONS="${ASAN_OPTIONS:-}:verify_asan_link_order=0" \
            FAKETIME_DONT_FAKE_MONOTONIC=1 faketime "$date" \
            "$demo" --out /mnt/demo $flag >"$seen/$layout.log" 2>&1 ||
            { echo "FAILED: the demo ($layout) ended with an error:" >&2; cat "$seen/$layout.log" >&2; exit 1; }
        mkdir -p "$seen/$layout"
        cp /mnt/demo/stage-*.png "$seen/$layout/"
    done
    rm -rf "$home"
    exit 0
fi

# Every English text, from the German catalogue that lupdate keeps complete
# (test_translations): one per line, sorted, with line breaks shown as \n.
python3 - "$here/../../translations/kordavel_de.ts" >"$seen/english-texts.txt" <<'PY'
import sys, xml.etree.ElementTree as ET
texts = {m.findtext("source").replace("\n", "\\n") for m in ET.parse(sys.argv[1]).iter("message")}
print("\n".join(sorted(texts)))
PY

if [ "$update" = --update ]; then
    rm -rf "$data/demo"
    mkdir -p "$data/demo"
    cp -r "$seen/narrow" "$seen/wide" "$seen/narrow.log" "$seen/wide.log" "$data/demo/"
    cp "$seen/english-texts.txt" "$data/english-texts.txt"
    echo "references written to $data"
    exit 0
fi

failed=0
for f in narrow.log wide.log; do
    if ! cmp -s "$data/demo/$f" "$seen/$f"; then
        echo "FAILED: the demo's log ($f) differs from the reference:" >&2
        diff -u "$data/demo/$f" "$seen/$f" >&2 || true
        failed=1
    fi
done
for layout in narrow wide; do
    for ref in "$data/demo/$layout"/*.png; do
        got="$seen/$layout/$(basename "$ref")"
        if ! cmp -s "$ref" "$got"; then
            echo "FAILED: screenshot $layout/$(basename "$ref") differs from the reference (see $got)" >&2
            failed=1
        fi
    done
    n_ref=$(ls "$data/demo/$layout" | wc -l)
    n_got=$(ls "$seen/$layout" | wc -l)
    [ "$n_ref" = "$n_got" ] || { echo "FAILED: $n_got $layout screenshots, $n_ref expected" >&2; failed=1; }
done
if ! cmp -s "$data/english-texts.txt" "$seen/english-texts.txt"; then
    echo "FAILED: the English texts differ from the reference:" >&2
    diff -u "$data/english-texts.txt" "$seen/english-texts.txt" >&2 || true
    failed=1
fi
if [ "$failed" = 0 ]; then
    echo "demo log, $(ls "$seen/narrow" "$seen/wide" | grep -c png) screenshots and" \
         "$(wc -l <"$seen/english-texts.txt") English texts as in the references"
    rm -rf "$seen"
fi
exit "$failed"
