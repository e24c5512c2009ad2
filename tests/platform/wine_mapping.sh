#!/usr/bin/env bash
# Maps a folder as removable drive E: in a wine prefix of its own (drive
# changes restart the wine server, which would stop other tests), then runs the
# Windows tests that look at it: with the drive mapped, after unmapping it, and
# a folder reached through a link, and such a link named like the version file.
# Drive F: beside E: bears a label in Greek and Cyrillic letters.
# Usage: wine_mapping.sh BUILD_DIR
set -Eeuo pipefail
# wine and its tools often fail without a word: the failing command is named.
trap 'echo "failed (status $?) at line $LINENO: $BASH_COMMAND" >&2' ERR
build=$(realpath "$1")
run="$build/wine-run.sh"
export KORDAVEL_WINEPREFIX="$build/wineprefix-mapping"
wine=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver64
work="$build/wine-mapping"
rm -rf "$work"
mkdir -p "$work/stick/KORDAVEL/CARD" "$work/stick/UPDATES" "$work/wide" "$work/linked/target"
printf 'KORDSTICK\n' > "$work/stick/.windows-label"
# The label of test_drives_win.cpp's LabelOutsideTheCodePageComesBackWhole, in
# UTF-8. Wine reads a .windows-label in the charset of the Unix locale of the
# program that asks, so the programs run in a UTF-8 locale.
printf '\316\232\316\237\316\241\316\224\316\221\316\222\316\225\316\233 \320\244\320\273\320\265\321\210\320\272\320\260\n' \
    > "$work/wide/.windows-label" # ΚΟΡΔΑΒΕΛ Флешка
export LC_ALL=C.UTF-8
ln -s target "$work/linked/link"
mkdir -p "$work/linked/UPDATES"
ln -s ../target "$work/linked/UPDATES/kordvers.ion"

# Wine's mount manager reads the drive mapping when the wine server starts;
# a running server keeps the drives it had.
restart() { WINEPREFIX=$KORDAVEL_WINEPREFIX "$wineserver" -k 2>/dev/null || true
            WINEPREFIX=$KORDAVEL_WINEPREFIX "$wineserver" -w; }

"$run" cmd /c exit   # makes the prefix
for letter in e f; do
    WINEPREFIX=$KORDAVEL_WINEPREFIX WINEDEBUG=-all "$wine" reg add 'HKLM\Software\Wine\Drives' \
        /v $letter: /d floppy /f >/dev/null
done
restart
dosdevices="$KORDAVEL_WINEPREFIX/dosdevices"
rm -f "$dosdevices/e:" "$dosdevices/e::" "$dosdevices/f:" "$dosdevices/f::"
ln -s "$work/stick" "$dosdevices/e:"
ln -s "$work/wide" "$dosdevices/f:"

filter=WinMapping.MappedFolder*
KORDAVEL_TEST_DRIVE='E:\' KORDAVEL_TEST_DRIVE_PRESENT=1 KORDAVEL_TEST_DRIVE_LABEL=KORDSTICK \
    "$run" "$build/tests/test_platform.exe" --gtest_filter="$filter"
KORDAVEL_TEST_WIDE_LABEL_DRIVE='F:\' \
    "$run" "$build/tests/test_platform.exe" --gtest_filter=WinMapping.LabelOutsideTheCodePage*
rm "$dosdevices/e:" "$dosdevices/f:"
restart
KORDAVEL_TEST_DRIVE='E:\' KORDAVEL_TEST_DRIVE_PRESENT=0 \
    "$run" "$build/tests/test_platform.exe" --gtest_filter="$filter"

linked="Z:${work//\//\\}\\linked\\link"
KORDAVEL_TEST_LINKED_FOLDER="$linked" \
    "$run" "$build/tests/test_platform.exe" --gtest_filter=WinMapping.FolderReached*
KORDAVEL_TEST_LINK_AS_FILE="Z:${work//\//\\}\\linked\\UPDATES\\kordvers.ion" \
    "$run" "$build/tests/test_platform.exe" --gtest_filter=WinMapping.LinkNamedLikeTheFile*
[ -d "$work/linked/target" ] || { echo "the link's target was touched"; exit 1; }
[ -L "$work/linked/UPDATES/kordvers.ion" ] || { echo "the link named like the file was touched"; exit 1; }
echo "wine drive mapping: all checks passed"
