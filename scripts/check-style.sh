#!/usr/bin/env bash
# Fails on a clang-format difference in any C++ file of the repository and on
# any clang-tidy finding (.clang-tidy, which also keeps every function within
# 60 lines) in src/ and tools/, checked against the Linux build's compile
# commands.
# Usage: check-style.sh BUILD_DIR
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
for tool in clang-format clang-tidy; do
    command -v "$tool" >/dev/null || { echo "$tool is missing (Debian packages clang-format, clang-tidy)"; exit 1; }
done
[ -f "$build/compile_commands.json" ] || { echo "no $build/compile_commands.json: build first"; exit 1; }

git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror
echo "clang-format: no differences"

# Every source of src/ and tools/ the Linux build compiles (the Windows
# backends are checked by the cross build's warnings).
mapfile -t sources < <(git ls-files 'src/*.cpp' 'tools/*.cpp' | while read -r f; do
    grep -q "\"file\": \"$PWD/$f\"" "$build/compile_commands.json" && echo "$f"; done)
[ "${#sources[@]}" -gt 0 ] || { echo "no sources of src/ in $build/compile_commands.json"; exit 1; }
# The Windows sources have no Linux compile commands: their functions are
# measured by the lines between a signature's braces at its own indent.
long=$(git ls-files 'src/*_win.cpp' 'tools/wine/*.cpp' 'tools/wincheck/*.cpp' | xargs python3 -c '
import re, sys
for path in sys.argv[1:]:
    lines = open(path, encoding="utf-8").read().split("\n")
    for n, line in enumerate(lines[:-1]):
        if not re.match(r"^ *[A-Za-z_~].*\)( const)?( override)?$", line) or line.rstrip().endswith(";"):
            continue
        indent = len(line) - len(line.lstrip())
        if lines[n + 1] != " " * indent + "{":
            continue
        end = next((m for m in range(n + 2, len(lines)) if lines[m] == " " * indent + "}"), None)
        if end is not None and end - n - 2 > 60:
            print(f"{path}:{n + 1}: {end - n - 2} lines: {line.strip()}")
')
[ -z "$long" ] || { echo "functions over 60 lines:"; echo "$long"; exit 1; }
status=0
printf '%s\n' "${sources[@]}" |
    xargs -P "$(nproc)" -n 4 clang-tidy -p "$build" --quiet --warnings-as-errors='*' 2>/dev/null |
    tee "$build/clang-tidy.log" || status=$?
if [ "$status" -ne 0 ] || grep -qE "(warning|error):" "$build/clang-tidy.log"; then
    echo "clang-tidy: findings above"; exit 1
fi
echo "clang-tidy: ${#sources[@]} files of src/ and tools/, no findings"
