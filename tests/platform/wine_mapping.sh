#!/usr/bin/env bash
# Maps a folder as removable drive E: in a wine prefix of its own (drive
# changes restart the wine server, which would stop other tests), then runs the
# Windows tests that look at it: with the drive mapped, after unmapping it, and
# a folder reached through a link.
# Usage: wine_mapping.sh BUILD_DIR
set -euo pipefail
build=$(realpath "$1")
run="$build/wine-run.sh"
export KORDAVEL_WINEPREFIX="$build/wineprefix-mapping"
wine=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver64
work="$build/wine-mapping"
rm -rf "$work"
mkdir -p "$work/stick/KORDAVEL/CARD" "$work/stick/UPDATES" "$work/linked/target"
printf 'KORDSTICK\n' > "$work/stick/.windows-label"
ln -s target "$work/linked/link"

# Wine's mount manager reads the drive mapping when the wine server starts;
# a running server keeps the drives it had.
restart() { WINEPREFIX=$KORDAVEL_WINEPREFIX "$wineserver" -k 2>/dev/null || true
            WINEPREFIX=$KORDAVEL_WINEPREFIX "$wineserver" -w; }

"$run" cmd /c exit   # makes the prefix
WINEPREFIX=$KORDAVEL_WINEPREFIX WINEDEBUG=-all "$wine" reg add 'HKLM\Software\Wine\Drives' /v e: /d floppy /f >/dev/null
restart
dosdevices="$KORDAVEL_WINEPREFIX/dosdevices"
rm -f "$dosdevices/e:" "$dosdevices/e::"
ln -s "$work/stick" "$dosdevices/e:"

filter=WinMapping.MappedFolder*
KORDAVEL_TEST_DRIVE='E:\' KORDAVEL_TEST_DRIVE_PRESENT=1 KORDAVEL_TEST_DRIVE_LABEL=KORDSTICK \
    "$run" "$build/tests/test_platform.exe" --gtest_filter="$filter"
rm "$dosdevices/e:"
restart
KORDAVEL_TEST_DRIVE='E:\' KORDAVEL_TEST_DRIVE_PRESENT=0 \
    "$run" "$build/tests/test_platform.exe" --gtest_filter="$filter"

linked="Z:${work//\//\\}\\linked\\link"
KORDAVEL_TEST_LINKED_FOLDER="$linked" \
    "$run" "$build/tests/test_platform.exe" --gtest_filter=WinMapping.FolderReached*
[ -d "$work/linked/target" ] || { echo "the link's target was touched"; exit 1; }
echo "wine drive mapping: all checks passed"
