#!/usr/bin/env bash
# Fails on a clang-format difference in any C++ file of the repository and on
# any clang-tidy finding (.clang-tidy) in src/, checked against the Linux
# build's compile commands.
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

# Every source of src/ the Linux build compiles (the Windows backends are
# checked by the cross build's warnings).
mapfile -t sources < <(git ls-files 'src/*.cpp' | while read -r f; do
    grep -q "\"file\": \"$PWD/$f\"" "$build/compile_commands.json" && echo "$f"; done)
[ "${#sources[@]}" -gt 0 ] || { echo "no sources of src/ in $build/compile_commands.json"; exit 1; }
status=0
printf '%s\n' "${sources[@]}" |
    xargs -P "$(nproc)" -n 4 clang-tidy -p "$build" --quiet --warnings-as-errors='*' 2>/dev/null |
    tee "$build/clang-tidy.log" || status=$?
if [ "$status" -ne 0 ] || grep -qE "(warning|error):" "$build/clang-tidy.log"; then
    echo "clang-tidy: findings above"; exit 1
fi
echo "clang-tidy: ${#sources[@]} files of src/, no findings"
