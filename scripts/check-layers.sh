#!/usr/bin/env bash
# Fails when a part of src/ includes a header of a part above it or beside it
# that it does not build on. The parts, each building only on those listed:
#   platform  (nothing)
#   look      (nothing)
#   device    platform
#   settings  platform
#   writer    platform settings
#   fleet     platform settings writer
#   cycle     platform device settings writer fleet
#   help      look
#   app       platform look device settings writer fleet cycle help
set -euo pipefail
cd "$(dirname "$0")/../src"
declare -A allowed=(
    [platform]=""
    [look]=""
    [device]="platform"
    [settings]="platform"
    [writer]="platform settings"
    [fleet]="platform settings writer"
    [cycle]="platform device settings writer fleet"
    [help]="look"
    [app]="platform look device settings writer fleet cycle help"
)
status=0
for part in */; do
    part=${part%/}
    [ -n "${allowed[$part]+set}" ] || { echo "src/$part is not a known part: add it here"; status=1; continue; }
    while IFS=: read -r file line include; do
        used=$(sed -E 's/.*#include "([a-z]+)\/.*/\1/' <<< "$include")
        [ "$used" = "$part" ] && continue
        if [[ " ${allowed[$part]} " != *" $used "* ]]; then
            echo "src/$file:$line: $part includes $used (it builds only on: ${allowed[$part]:-nothing})"
            status=1
        fi
    done < <(grep -nE '^#include "[a-z]+/' -r "$part" || true)
done
[ "$status" -eq 0 ] && echo "layers: every part includes only the parts it builds on"
exit "$status"
