#!/usr/bin/env bash
# Runs each libFuzzer target of BUILD for SECONDS on its corpus (seeded from
# fuzz/corpus/), JOBS targets at a time; prints each one's summary in the
# order given and fails on any finding.
# Usage: fuzz.sh BUILD SECONDS JOBS TARGET...
set -euo pipefail
cd "$(dirname "$0")/.."
build=$1 seconds=$2 jobs=$3
shift 3

fuzz_one() {
    local build=$1 seconds=$2 target=$3
    mkdir -p "$build/corpus-$target"
    cp -n fuzz/corpus/"$target"/* "$build/corpus-$target/"
    ASAN_OPTIONS=detect_leaks=0 "$build/fuzz/fuzz_$target" -max_total_time="$seconds" -print_final_stats=1 \
        -artifact_prefix="$build/" "$build/corpus-$target" >"$build/fuzz-$target.log" 2>&1 || return 1
}
export -f fuzz_one

status=0
printf '%s\n' "$@" | xargs -P "$jobs" -I{} bash -c 'fuzz_one "$@"' _ "$build" "$seconds" {} || status=$?
for target in "$@"; do
    log=$build/fuzz-$target.log
    echo "fuzzed $target for $seconds s"
    grep -E "^(Done|stat::number_of_executed_units|stat::new_units_added)|ERROR|SUMMARY" "$log" || true
done
# A finding stops its target early, without the "Done" line.
if [ "$status" -ne 0 ]; then
    for target in "$@"; do
        grep -q "^Done [0-9]* runs" "$build/fuzz-$target.log" || tail -n 40 "$build/fuzz-$target.log"
    done
    exit 1
fi
