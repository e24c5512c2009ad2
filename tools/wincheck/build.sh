#!/usr/bin/env bash
# Cross-compiles the Windows drive queries into a console program and runs it
# under wine. A missing compiler or wine fails the check.
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
out=$(realpath -m "${1:-$top/build-win}")
wine=/usr/lib/wine/wine64
mkdir -p "$out"
x86_64-w64-mingw32-g++-posix -std=c++20 -Wall -Wextra -Werror -O2 -static \
    -I"$top/src" "$top/src/platform/drives_win_api.cpp" "$top/tools/wincheck/wincheck.cpp" \
    -o "$out/wincheck.exe"
echo "built $out/wincheck.exe"
if [ ! -x "$wine" ]; then
    echo "wine64 is not installed ($wine is missing): the check cannot run" >&2
    exit 1
fi
WINEDEBUG=-all WINEPREFIX="$out/wineprefix" WINEDLLOVERRIDES='mscoree,mshtml=' timeout 300 "$wine" "$out/wincheck.exe"
