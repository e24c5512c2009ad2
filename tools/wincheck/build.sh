#!/usr/bin/env bash
# Cross-compiles the Windows drive queries into a console program and runs it
# under wine when wine is there.
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
out=$(realpath -m "${1:-$top/build-win}")
mkdir -p "$out"
x86_64-w64-mingw32-g++-posix -std=c++20 -Wall -Wextra -Werror -O2 -static \
    -I"$top/src" "$top/src/platform/drives_win_api.cpp" "$top/tools/wincheck/wincheck.cpp" \
    -o "$out/wincheck.exe"
echo "built $out/wincheck.exe"
# The toolkit adapter of the same backend: checked against the toolkit's headers.
qt=/usr/include/x86_64-linux-gnu/qt6
if [ -d "$qt/QtCore" ]; then
    x86_64-w64-mingw32-g++-posix -std=c++20 -Wall -Wextra -Werror -fsyntax-only -I"$top/src" -I"$qt" -I"$qt/QtCore" \
        "$top/src/platform/drives_win.cpp"
    echo "src/platform/drives_win.cpp compiles for Windows"
fi
if command -v wine >/dev/null 2>&1; then
    WINEDEBUG=-all WINEPREFIX="$out/wineprefix" timeout 300 wine "$out/wincheck.exe"
else
    echo "wine is not installed: the program was compiled only"
fi
