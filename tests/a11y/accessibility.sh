#!/usr/bin/env bash
# The program as a screen reader meets it, on a real AT-SPI bus: a D-Bus
# session, the accessibility bus and an X display of the test's own, the
# program on the xcb platform with a simulated device. atspi_cycle.py (with
# Debian's own python3 and pyatspi) checks what every control exposes and
# drives a whole cycle by keys, following it only through what is announced.
# Usage: accessibility.sh BUILD_DIR
set -euo pipefail
build=$(realpath "$1")
here=$(dirname "$(realpath "$0")")
fail() { echo "FAILED: $*" >&2; exit 1; }
for tool in dbus-run-session dbus-send xvfb-run xdotool; do
    command -v "$tool" >/dev/null || fail "$tool is missing (Debian packages dbus-bin, xvfb, xdotool)"
done
[ -x /usr/libexec/at-spi-bus-launcher ] || fail "at-spi-bus-launcher is missing (Debian package at-spi2-core)"
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || fail "pyatspi is missing (Debian package python3-pyatspi)"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export HOME=$work/home XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data
export XDG_RUNTIME_DIR=$work/runtime
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
"$build/kordavel-device-sim" create "$work/device" --version 54 --period-days 92 >/dev/null
: > "$work/drives.table"
"$build/kordavel-device-sim" plug "$work/device" --table "$work/drives.table" >/dev/null

cat > "$work/inner.sh" <<INNER
#!/usr/bin/env bash
set -u
# The session bus starts the accessibility bus (at-spi-bus-launcher) on the
# first request for its address, as it does for a screen reader; the program
# finds it the same way.
for _ in \$(seq 1 40); do
    dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress \
        >/dev/null 2>&1 && break
    sleep 0.25
done
QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 KORDAVEL_DRIVE_TABLE="$work/drives.table" \
    "$build/kordavel-config" --lang en >"$work/program.log" 2>&1 &
program=\$!
/usr/bin/python3 "$here/atspi_cycle.py" "$build/kordavel-device-sim" "$work/device" "$work/drives.table"
status=\$?
kill \$program 2>/dev/null
wait \$program 2>/dev/null
exit \$status
INNER

status=0
# timeout signals its whole process group: the X server and the program too.
# Displays from 230 on, apart from the other tests' (tests/CMakeLists.txt).
timeout 240 dbus-run-session -- xvfb-run -a -n 230 -s "-screen 0 1280x1024x24" bash "$work/inner.sh" || status=$?
if [ $status -ne 0 ]; then
    echo "--- program log"; cat "$work/program.log" 2>/dev/null || true
    fail "the accessibility test ended with status $status"
fi
