#!/usr/bin/env bash
# Reads the captions the window system shows for the main window, a message box
# and the help window of the real program on an X display (Xvfb).
# Usage: window_captions.sh linux BUILD_DIR | windows BUILD_DIR
# On Windows the deploy folder's program runs under wine with nothing but its
# own folder: that also proves the folder is complete.
set -Eeuo pipefail
# wine and its tools often fail without a word: the failing command is named.
trap 'echo "failed (status $?) at line $LINENO: $BASH_COMMAND" >&2' ERR
mode=$1
build=$(realpath "$2")
for tool in xvfb-run xdotool; do
    command -v "$tool" >/dev/null || { echo "$tool is missing (Debian packages xvfb, xdotool)"; exit 1; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# A device whose version file is missing: the first read shows a message box.
mkdir -p "$work/device/KORDAVEL/CARD" "$work/device/UPDATES"

if [ "$mode" = windows ]; then
    winroot="Z:${work//\//\\}\\device\\"
    printf '%s\t2\tKORD\n' "$winroot" > "$work/drives.plugged"
    "$build/wine-run.sh" cmd /c exit      # makes the prefix
    export WINEPREFIX=${KORDAVEL_WINEPREFIX:-$build/wineprefix} WINEDEBUG=-all
    export WINEDLLOVERRIDES='mscoree,mshtml=;winemenubuilder.exe=d'
    export KORDAVEL_DRIVE_TABLE="Z:${work//\//\\}\\drives.table"
    start=(/usr/lib/wine/wine64 "$build/deploy/kordavel-config.exe" --lang en)
else
    printf '%s/device/\t2\tKORD\n' "$work" > "$work/drives.plugged"
    export KORDAVEL_DRIVE_TABLE="$work/drives.table" QT_QPA_PLATFORM=xcb
    start=("$build/kordavel-config" --lang en)
fi
# The captions checked are the English ones, whatever this machine speaks.

cat > "$work/inner.sh" <<INNER
#!/usr/bin/env bash
set -u
# Every attempt starts with the device plugged in (an earlier one unplugs it).
cp "$work/drives.plugged" "$work/drives.table"
"\$@" >"$work/program.log" 2>&1 &
pid=\$!
names() { for id in \$(xdotool search --onlyvisible --name '.' 2>/dev/null); do xdotool getwindowname "\$id"; done | sort -u; }
wait_for() { # caption, seconds
    for _ in \$(seq 1 \$((\$2 * 4))); do
        xdotool search --onlyvisible --name "^\$1\\\$" >/dev/null 2>&1 && return 0
        sleep 0.25
    done
    echo "no window captioned '\$1'; captions seen:"; names; return 1
}
status=0
wait_for "Kordavel - Set 'Latest VU' settings" 60 || status=1
names > "$work/first.txt"
# Unplug the device so that no further box follows, close the box, then open
# the help window with the help button.
: > "$work/drives.table"
box=\$(xdotool search --onlyvisible --name "^Kordavel - Set 'Latest VU' settings\\\$" | head -n 1)
[ -n "\$box" ] && { xdotool windowfocus --sync "\$box"; xdotool key Return; }
sleep 1
main=\$(xdotool search --onlyvisible --name '^Kordavel Configuration\$' | head -n 1)
if [ -n "\$main" ]; then
    # The help button sits at 296, 20 in the client area.
    xdotool mousemove --window "\$main" 296 20 click 1
    wait_for "Kordavel Configuration Help" 30 || status=1
fi
names > "$work/second.txt"
kill \$pid 2>/dev/null
wait \$pid 2>/dev/null
exit \$status
INNER
status=0
# Displays from 200 on: each test that starts X servers has numbers of its own,
# so that the tests run side by side without taking each other's.
timeout 300 xvfb-run -a -n 200 -s "-screen 0 1280x1024x24" bash "$work/inner.sh" "${start[@]}" || status=$?
# An X server that xvfb-run started but that never took a connection is the
# machine's fault, not the program's: one more server is tried.
if [ "$status" -ne 0 ] && grep -q "could not connect to display" "$work/program.log" 2>/dev/null; then
    echo "the X server took no connection; starting another"
    status=0
    timeout 300 xvfb-run -a -n 210 -s "-screen 0 1280x1024x24" bash "$work/inner.sh" "${start[@]}" || status=$?
fi
echo "captions with the message box open:"; sed 's/^/  /' "$work/first.txt" 2>/dev/null || true
echo "captions with the help window open:"; sed 's/^/  /' "$work/second.txt" 2>/dev/null || true
[ "$status" -eq 0 ] || { echo "program output:"; cat "$work/program.log"; exit 1; }
check() { grep -qxF "$1" "$2" || { echo "missing caption: $1"; exit 1; }; }
check "Kordavel Configuration" "$work/first.txt"
check "Kordavel - Set 'Latest VU' settings" "$work/first.txt"
check "Kordavel Configuration" "$work/second.txt"
check "Kordavel Configuration Help" "$work/second.txt"
# No caption carries anything more (such as an application name appended).
if grep -E 'Kordavel' "$work/first.txt" "$work/second.txt" | cut -d: -f2- |
   grep -vxE "Kordavel Configuration|Kordavel Configuration Help|Kordavel - Set 'Latest VU' settings"; then
    echo "unexpected captions above"; exit 1
fi
echo "window captions: exact ($mode)"
