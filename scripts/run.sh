#!/usr/bin/env bash
# Starts the utility. With a real Kordavel plugged in (and no drive table set)
# it uses the real drives; otherwise it runs on a simulated device.
set -euo pipefail
build=${1:-build}
exe="$build/kordavel-config"

real_device() {
    # Mount points of the system, unescaped; a device is one holding KORDAVEL/CARD.
    awk '{print $5}' /proc/self/mountinfo | while read -r m; do
        m=$(printf '%b' "$m")
        for d in "$m"/[Kk][Oo][Rr][Dd][Aa][Vv][Ee][Ll]/[Cc][Aa][Rr][Dd]; do
            [ -d "$d" ] && { echo "$m"; return 0; }
        done
    done
    return 0
}

has_display() { [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; }

if ! has_display && [ -z "${KORDAVEL_DRIVE_TABLE:-}" ]; then
    # A server or CI: run the whole cycle headless and show what happened.
    exec "$build/kordavel-demo" --out "$build/demo"
fi

sim_window=""
if [ -z "${KORDAVEL_DRIVE_TABLE:-}" ]; then
    found=$(real_device | head -n 1)
    if [ -n "$found" ]; then
        echo "Using the Kordavel at $found"
    else
        sim="$build/sim"
        rm -rf "$sim"
        "$build/kordavel-device-sim" create "$sim/device" --family TQ --version 54 >/dev/null
        "$build/kordavel-device-sim" plug "$sim/device" --table "$sim/drives.table" >/dev/null
        export KORDAVEL_DRIVE_TABLE="$sim/drives.table"
        echo "No Kordavel found: using a simulated one at $sim/device (drive table $KORDAVEL_DRIVE_TABLE)."
        echo "Plug and unplug it in the \"Simulated Kordavel\" window."
        "$build/kordavel-device-sim-window" "$sim/device" --table "$KORDAVEL_DRIVE_TABLE" &
        sim_window=$!
    fi
fi

if ! has_display; then
    echo "No display: starting under a virtual X server (xvfb-run)."
    exe="xvfb-run -a $exe"
fi
status=0
$exe || status=$?
[ -n "$sim_window" ] && kill "$sim_window" 2>/dev/null
exit $status
