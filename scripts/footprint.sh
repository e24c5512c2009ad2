#!/usr/bin/env bash
# Measures the running utility: resident memory after start-up and CPU while it
# polls for 60 seconds with no device. Goals: below 60 MB and below 0.5% of a core.
set -euo pipefail
build=${1:-build}
seconds=${FOOTPRINT_SECONDS:-60}
exe="$build/kordavel-config"

if [ -n "${DISPLAY:-}" ]; then platform=xcb; else platform=offscreen; fi
QT_QPA_PLATFORM=$platform "$exe" >/dev/null 2>&1 &
pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT
sleep 5
kill -0 "$pid" || { echo "the utility did not start"; exit 1; }

ticks() { awk '{print $14 + $15}' "/proc/$pid/stat"; }
hz=$(getconf CLK_TCK)
rss_kb=$(awk '/^VmRSS/ {print $2}' "/proc/$pid/status")
start=$(ticks)
sleep "$seconds"
end=$(ticks)
rss_after_kb=$(awk '/^VmRSS/ {print $2}' "/proc/$pid/status")

cpu=$(awk -v t=$((end - start)) -v hz="$hz" -v s="$seconds" 'BEGIN { printf "%.3f", 100 * t / hz / s }')
rss=$(awk -v k="$rss_kb" 'BEGIN { printf "%.1f", k / 1024 }')
rss_after=$(awk -v k="$rss_after_kb" 'BEGIN { printf "%.1f", k / 1024 }')
echo "Resident memory after start-up: ${rss} MB (after ${seconds} s of polling: ${rss_after} MB); goal below 60 MB"
echo "CPU while polling with no device: ${cpu}% of one core over ${seconds} s; goal below 0.5%"
ok=$(awk -v r="$rss" -v c="$cpu" 'BEGIN { print (r < 60 && c < 0.5) ? "yes" : "no" }')
[ "$ok" = yes ] && echo "Both goals met." || { echo "A goal was missed."; exit 1; }
