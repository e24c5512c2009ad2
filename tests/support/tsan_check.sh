#!/usr/bin/env bash
# The core's tests, the hand-off between the window's thread and the workers
# among them, under ThreadSanitizer, then a race planted between a slot and
# the worker, which must still be reported with the suppressions in force.
# The window's own tests are not run here: Qt's GUI paints through a thread
# pool of its own, whose code is not built for the sanitizer.
#   tsan_check.sh BUILD_DIR
set -euo pipefail
build=$1
here=$(cd "$(dirname "$0")" && pwd)
export QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8
# Qt's own event dispatcher: the GLib one wakes threads in GLib's code,
# which is not built for the sanitizer either.
export QT_NO_GLIB=1
export TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1 suppressions=$here/tsan.supp"

# The hand-offs in a process of their own: the core's other tests start
# tools through QProcess, which clones without the sanitizer seeing it, and
# after that it no longer sees the window's thread take the worker's lock.
"$build/tests/test_core" --gtest_filter='-WorkerHandOff.*'
"$build/tests/test_core" --gtest_filter='WorkerHandOff.*'

log=$(mktemp)
trap 'rm -f "$log"' EXIT
status=0
TSAN_OPTIONS="halt_on_error=0 exitcode=66 suppressions=$here/tsan.supp" \
    "$build/tests/test_core" --gtest_also_run_disabled_tests \
    --gtest_filter='TsanCanary.*' >"$log" 2>&1 || status=$?
if [ "$status" -ne 66 ] || ! grep -q "WARNING: ThreadSanitizer: data race" "$log" ||
    ! grep -q "TsanCanary_DISABLED_PlantedRaceIsReported" "$log"; then
    cat "$log"
    echo "tsan_check: the race planted in our code was not reported (exit $status)" >&2
    exit 1
fi
echo "tsan_check: the cycle and the hand-off are race-free; the planted race was reported"
