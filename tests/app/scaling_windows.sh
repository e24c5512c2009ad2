#!/usr/bin/env bash
# The Windows program's window at 100, 125, 150 and 200 %: wine's LogPixels
# set to 96, 120, 144 and 192 in a prefix of its own, the test_scaling checks
# run on the windows platform on an X display (Xvfb), each told the scale it
# must see. With KORDAVEL_SHOTS_DIR set, the screenshots are kept there as
# windows-<percent>.png.
# Usage: scaling_windows.sh BUILD_DIR
set -Eeuo pipefail
# wine and its tools often fail without a word: the failing command is named.
trap 'echo "failed (status $?) at line $LINENO: $BASH_COMMAND" >&2' ERR
build=$(realpath "$1")
command -v xvfb-run >/dev/null || { echo "xvfb-run is missing (Debian package xvfb)"; exit 1; }
export KORDAVEL_WINEPREFIX="$build/wineprefix-scaling"
wine=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver64
work=$(mktemp -d)
trap 'rm -rf "$work"; WINEPREFIX=$KORDAVEL_WINEPREFIX "$wineserver" -k 2>/dev/null || true' EXIT
"$build/wine-run.sh" cmd /c exit   # makes the prefix
# Xvfb runs no window manager, and wine waits up to 2 s for one whenever it
# hides or destroys a window it has left to one: some fifteen windows a scale,
# each closed after a wait, until the windows were unmanaged. Nothing here
# asks a window manager for anything (the tests that drive windows with
# xdotool keep managed ones).
WINEPREFIX=$KORDAVEL_WINEPREFIX WINEDEBUG=-all "$wine" reg add 'HKCU\Software\Wine\X11 Driver' \
    /v Managed /d N /f >/dev/null
WINEPREFIX=$KORDAVEL_WINEPREFIX "$wineserver" -w # the registry is saved as the server ends
shots=${KORDAVEL_SHOTS_DIR:-$work}
mkdir -p "$shots"
shots=$(realpath "$shots")

# Each scale on displays of its own, from 300 on (apart from the other tests').
display_from=300
for dpi in 96 120 144 192; do
    percent=$(( dpi * 100 / 96 ))
    scale=$(awk -v d="$dpi" 'BEGIN { printf "%g", d / 96 }')
    WINEPREFIX=$KORDAVEL_WINEPREFIX "$wineserver" -k 2>/dev/null || true
    WINEPREFIX=$KORDAVEL_WINEPREFIX "$wineserver" -w
    WINEPREFIX=$KORDAVEL_WINEPREFIX WINEDEBUG=-all "$wine" reg add 'HKCU\Control Panel\Desktop' \
        /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null
    # The next start must bring up wine's desktop on the X display, not reuse
    # the one started here without it.
    WINEPREFIX=$KORDAVEL_WINEPREFIX "$wineserver" -w
    echo "== LogPixels $dpi ($percent %)"
    # The windows platform needs a display; the X server's own DPI is left alone.
    QT_QPA_PLATFORM=windows KORDAVEL_EXPECTED_SCALE=$scale \
    KORDAVEL_SCREENSHOT="Z:${shots//\//\\}\\windows-$percent.png" \
        timeout 420 xvfb-run -a -n "$display_from" -s "-screen 0 1920x1600x24" \
        "$build/wine-run.sh" "$build/tests/test_scaling.exe"
    display_from=$((display_from + 10))
done
echo "scaling under wine: all checks passed at 100, 125, 150 and 200 %"
