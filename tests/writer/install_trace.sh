#!/usr/bin/env bash
# Traces install_once on a fresh device folder and checks the order in which
# the configuration file reaches the medium: on Linux with strace (system
# calls), on Windows under wine with its relay trace of kernel32 calls.
# Usage: install_trace.sh linux|windows BUILD_DIR
set -Eeuo pipefail
# wine and its tools often fail without a word: the failing command is named.
trap 'echo "failed (status $?) at line $LINENO: $BASH_COMMAND" >&2' ERR
platform=$1
build=$(realpath "$2")
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/dev/UPDATES" "$work/dev/KORDAVEL/CARD"
printf 'old' > "$work/dev/UPDATES/old.hex"

if [ "$platform" = linux ]; then
    command -v strace >/dev/null || { echo "strace is missing (Debian package strace)"; exit 1; }
    strace -f -qq -o "$work/trace" \
        -e trace=openat,read,write,fsync,fdatasync,fadvise64,close,rename,renameat,renameat2 \
        "$build/tests/install_once" "$work/dev/"
    kind=strace
else
    export KORDAVEL_WINEPREFIX="$build/wineprefix-trace"
    "$build/wine-run.sh" cmd /c exit
    # Only the calls that matter: a full relay trace of Qt's start is huge.
    WINEPREFIX=$KORDAVEL_WINEPREFIX WINEDEBUG=-all /usr/lib/wine/wine64 reg add \
        'HKCU\Software\Wine\Debug' /v RelayInclude /f \
        /d 'CreateFileW;WriteFile;ReadFile;FlushFileBuffers;CloseHandle;MoveFileExW' >/dev/null
    WINEDEBUG=+relay "$build/wine-run.sh" "$build/tests/install_once.exe" \
        "Z:${work//\//\\}\\dev\\" 2> "$work/trace"
    kind=relay
fi
[ "$(cat "$work/dev/UPDATES/DI999000.HEX")" = "$(printf ':0400000054510000CD\r\n:00000001FF\r\n')" ] ||
    { echo "DI999000.HEX was not written"; exit 1; }
[ ! -e "$work/dev/UPDATES/old.hex" ] || { echo "old.hex was not deleted"; exit 1; }
python3 "$here/check_install_order.py" "$kind" "$work/trace"
