#!/usr/bin/env bash
# Fails when a program links Qt's GUI or widgets libraries (or cannot be read).
# Usage: links_no_gui.sh OBJDUMP PROGRAM
set -euo pipefail
objdump=$1
program=$2
libraries=$("$objdump" -p "$program" | grep -E 'NEEDED|DLL Name' | awk '{print $NF}')
[ -n "$libraries" ] || { echo "no libraries listed for $program"; exit 1; }
echo "$(basename "$program") links: $(echo $libraries | tr '\n' ' ')"
echo "$libraries" | grep -q 'Qt6Core' || { echo "Qt Core is not among them: wrong program?"; exit 1; }
if echo "$libraries" | grep -E 'Qt6(Gui|Widgets)'; then
    echo "links a GUI library"; exit 1
fi
echo "no GUI library"
