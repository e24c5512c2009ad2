#!/usr/bin/env bash
# Runs the disk-service tests on a private system bus that this script starts,
# with a fake UDisks2 from python3-dbusmock (udisks_mock.py); then once more
# with no bus at all. Never touches the machine's own system bus.
# Usage: udisks_mock.sh TEST_PROGRAM
set -euo pipefail
program=$(realpath "$1")
python=/usr/bin/python3
"$python" -c 'import dbusmock' 2>/dev/null || { echo "python3-dbusmock is missing (Debian package)"; exit 1; }
command -v dbus-daemon >/dev/null || { echo "dbus-daemon is missing (Debian package dbus-daemon)"; exit 1; }

work=$(mktemp -d)
pids=()
cleanup() { for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done; rm -rf "$work"; }
trap cleanup EXIT
cat > "$work/bus.conf" <<CONF
<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>system</type>
  <listen>unix:path=$work/system_bus_socket</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow user="*"/>
    <allow own="*"/>
    <allow send_destination="*"/>
    <allow receive_sender="*"/>
  </policy>
</busconfig>
CONF
dbus-daemon --config-file="$work/bus.conf" --nofork --nopidfile &
pids+=($!)
for _ in $(seq 1 50); do [ -S "$work/system_bus_socket" ] && break; sleep 0.1; done
export DBUS_SYSTEM_BUS_ADDRESS="unix:path=$work/system_bus_socket"
export MEDIA_DIR="$work/media"
mkdir -p "$MEDIA_DIR/device"
: > "$MEDIA_DIR/drives.table"
"$python" -m dbusmock --system -m org.freedesktop.UDisks2 /org/freedesktop/UDisks2 \
    org.freedesktop.UDisks2.Manager > "$work/mock.log" 2>&1 &
pids+=($!)
"$python" "$(dirname "$0")/udisks_mock.py"

status=0
QT_QPA_PLATFORM=offscreen "$program" --gtest_filter='DiskService.*' || status=1
echo "== without a system bus"
DBUS_SYSTEM_BUS_ADDRESS="unix:path=$work/no_such_socket" QT_QPA_PLATFORM=offscreen \
    "$program" --gtest_filter='NoDiskService.*' || status=1
[ $status -eq 0 ] || { echo "fake UDisks2 log:"; tail -n 40 "$work/mock.log"; }
exit $status
