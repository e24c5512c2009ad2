#!/usr/bin/env bash
# The Windows program on a device whose volume refuses the write: a small
# tmpfs holding a device, once remounted read-only and once filled up, mapped
# as removable drive E: under wine. ctest runs it in a user and mount namespace
# of its own (tests/support/own_mount_namespace.sh), where it may mount without
# root; run by hand it needs root. A volume that cannot be made fails the test.
# Usage: media_volumes.sh BUILD_DIR
set -Eeuo pipefail
# wine and its tools often fail without a word: the failing command is named.
trap 'echo "failed (status $?) at line $LINENO: $BASH_COMMAND" >&2' ERR
build=$(realpath "$1")
export KORDAVEL_WINEPREFIX="$build/wineprefix-volumes"
export QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8
work=$(mktemp -d)
# The prefix's wine server goes too: it sees the mounts of the namespace it
# was started in, and the next run has a namespace of its own.
cleanup() {
    WINEPREFIX=$KORDAVEL_WINEPREFIX /usr/lib/wine/wineserver64 -k 2>/dev/null || true
    umount -l "$work/volume" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

make_device() {   # SIZE
    umount -l "$work/volume" 2>/dev/null || true
    mkdir -p "$work/volume"
    mount -t tmpfs -o "size=$1,mode=0755" kordavel-test "$work/volume" ||
        { echo "cannot mount a tmpfs (run through ctest, which gives the script a mount namespace of its own, or as root)"; exit 1; }
    mkdir -p "$work/volume/KORDAVEL/CARD" "$work/volume/UPDATES"
    # A layout-C version file of software version 54.
    "$build/wine-run.sh" "$build/kordavel-device-sim.exe" create "Z:${work//\//\\}\\sim" \
        --family TQ --version 54 >/dev/null
    cp "$work/sim/UPDATES/kordvers.ion" "$work/volume/UPDATES/"
    printf 'old' > "$work/volume/UPDATES/old.hex"
    printf 'KORDAVEL\n' > "$work/volume/.windows-label"
    rm -rf "$work/sim"
}
run() {   # MESSAGE
    KORDAVEL_TEST_VOLUME="Z:${work//\//\\}\\volume" KORDAVEL_TEST_VOLUME_MESSAGE="$1" \
        "$build/wine-run.sh" "$build/tests/test_e2e_windows.exe" \
        --gtest_filter=WindowsEndToEnd.DeviceOnAVolumeThatRefusesTheWrite
}

make_device 1m
mount -o remount,ro "$work/volume"
# Wine reports the read-only mount as access denied (a real write-protected
# medium answers ERROR_WRITE_PROTECT: "The Kordavel is write-protected.").
run "The Kordavel refuses new files; it may be write-protected or locked by another program."

make_device 64k
head -c 1M /dev/zero > "$work/volume/filler" 2>/dev/null || true
run "There is not enough space on the Kordavel."
echo "read-only and full volumes under wine: all checks passed"
