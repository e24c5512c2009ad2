#!/usr/bin/env bash
# Starts the utility. With a real Kordavel plugged in (and no drive table set)
# it uses the real drives; otherwise it runs on a simulated device.
set -euo pipefail
build=${1:-build}
exe="$build/kordavel-config"

real_device() {
    # Mount points of the system, unescaped; a device is one holding KORDAVEL/CARD.
    awk '{print $5}' /proc/self/mountinfo | while read -r m; do
        m=$(printf '%b' "${m//\\0/\\0}")
        for d in "$m"/[Kk][Oo][Rr][Dd][Aa][Vv][Ee][Ll]/[Cc][Aa][Rr][Dd]; do
            [ -d "$d" ] && { echo "$m"; return 0; }
        done
    done
    return 0
}

if [ -z "${KORDAVEL_DRIVE_TABLE:-}" ]; then
    found=$(real_device | head -n 1)
    if [ -n "$found" ]; then
        echo "Using the Kordavel at $found"
    else
        sim="$build/sim"
        "$build/kordavel-device-sim" create "$sim/device" --family TQ --version 54 >/dev/null
        "$build/kordavel-device-sim" plug "$sim/device" --table "$sim/drives.table" >/dev/null
        export KORDAVEL_DRIVE_TABLE="$sim/drives.table"
        echo "No Kordavel found: using a simulated one at $sim/device (drive table $KORDAVEL_DRIVE_TABLE)."
        echo "Unplug / plug it with:  $build/kordavel-device-sim unplug|plug $sim/device --table $KORDAVEL_DRIVE_TABLE"
    fi
fi

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    if [ -x "$build/kordavel-demo" ]; then
        exec "$build/kordavel-demo" --out "$build/demo"
    fi
    echo "No display: starting under a virtual X server (xvfb-run)."
    exec xvfb-run -a "$exe"
fi
exec "$exe"
