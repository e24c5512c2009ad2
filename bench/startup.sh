#!/usr/bin/env bash
# How late the program's window appears against a bare Qt window built with
# the same toolkit, on an X display of its own (Xvfb): the two are started in
# turn, STARTS times each, alternating which goes first, and the clock stops
# when the window is mapped. Prints each start, the medians and their ratio.
#
#   bench/startup.sh linux   BUILD_DIR [STARTS]    (default build, 21)
#   bench/startup.sh windows WIN_BUILD_DIR LINUX_BUILD_DIR [STARTS]
#
# The Windows build runs under wine with its wine server kept running, so that
# each start pays for the program and the toolkit, not for starting wine.
set -euo pipefail
mode=${1:?linux or windows}
case "$mode" in
    linux)
        build=$(realpath "${2:-build}")
        clockdir=$build
        starts=${3:-21}
        program=("$build/kordavel-config")
        bare=("$build/kordavel-bare-window")
        ;;
    windows)
        build=$(realpath "${2:-build-windows}")
        clockdir=$(realpath "${3:-build}")
        starts=${4:-21}
        program=(bash "$build/wine-run.sh" "$build/kordavel-config.exe")
        bare=(bash "$build/wine-run.sh" "$build/kordavel-bare-window.exe")
        ;;
    *)
        echo "usage: $0 linux|windows ..." >&2
        exit 2
        ;;
esac
clock=$clockdir/kordavel-startup-clock
for f in "$clock" "${program[-1]}" "${bare[-1]}"; do
    [ -x "$f" ] || { echo "missing: $f (build it first)" >&2; exit 1; }
done
command -v xvfb-run >/dev/null || { echo "xvfb-run is missing (Debian package xvfb)" >&2; exit 1; }
[ "$starts" -ge 15 ] || { echo "at least 15 starts each" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cat > "$work/inner.sh" <<'INNER'
set -euo pipefail
work=$1 clock=$2 starts=$3 mode=$4
shift 4
program=() bare=()
while [ "$1" != "--" ]; do program+=("$1"); shift; done
shift
bare=("$@")
if [ "$mode" = windows ]; then
    # A wine server that stays, and one start of each that is not counted:
    # the first start in a prefix sets it up.
    "$clock" "Kordavel Configuration" 120000 "${program[@]}" >/dev/null
    export WINEPREFIX=${KORDAVEL_WINEPREFIX:?}
    /usr/lib/wine/wineserver64 -w
    /usr/lib/wine/wineserver64 -p
    "$clock" "Bare Qt window" 60000 "${bare[@]}" >/dev/null
else
    # Warm the file cache the same way for both.
    "$clock" "Kordavel Configuration" 20000 "${program[@]}" >/dev/null
    "$clock" "Bare Qt window" 20000 "${bare[@]}" >/dev/null
fi
for ((i = 1; i <= starts; i++)); do
    if ((i % 2)); then order="program bare"; else order="bare program"; fi
    for which in $order; do
        if [ "$which" = program ]; then
            ms=$("$clock" "Kordavel Configuration" 20000 "${program[@]}")
        else
            ms=$("$clock" "Bare Qt window" 20000 "${bare[@]}")
        fi
        echo "$which $ms" >> "$work/times"
    done
done
if [ "$mode" = windows ]; then
    /usr/lib/wine/wineserver64 -k || true
fi
INNER

export XDG_RUNTIME_DIR=$work/runtime
mkdir -p -m 700 "$XDG_RUNTIME_DIR"
export KORDAVEL_WINEPREFIX=${KORDAVEL_WINEPREFIX:-$build/wineprefix-startup}
# The program on no device, as at a workshop PC's start of day.
export QT_QPA_PLATFORM=xcb
[ "$mode" = windows ] && export QT_QPA_PLATFORM=windows
timeout 1800 xvfb-run -a -s "-screen 0 1280x1024x24" \
    bash "$work/inner.sh" "$work" "$clock" "$starts" "$mode" "${program[@]}" -- "${bare[@]}"

python3 - "$work/times" "$mode" "$starts" <<'PY'
import statistics, sys
times = {"program": [], "bare": []}
for line in open(sys.argv[1]):
    which, ms = line.split()
    times[which].append(float(ms))
p, b = statistics.median(times["program"]), statistics.median(times["bare"])
print(f"{sys.argv[2]}: {sys.argv[3]} alternating starts each, window mapped after (ms)")
print("  program:         " + " ".join(f"{t:.0f}" for t in times["program"]))
print("  bare Qt window:  " + " ".join(f"{t:.0f}" for t in times["bare"]))
print(f"  medians: program {p:.1f} ms, bare Qt window {b:.1f} ms, ratio {p / b:.2f}")
PY
