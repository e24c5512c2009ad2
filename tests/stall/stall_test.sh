#!/usr/bin/env bash
# The real program against a device that stops answering: the device is served
# by tools/stallfs (FUSE), whose calls hold while a switch file exists. The
# program runs on an X display of its own (Xvfb) as a user starts it, on a
# drive table that lists the device as a removable drive.
#
#   1. The harness: a plain cat of the version file through the mount, held,
#      is logged with its thread and the time held.
#   1a. The program starts with a remembered fleet standard on the device
#      (one that applies itself) while every call holds (STALL_START_HOLD
#      seconds, 5 by default): the window must appear before the standard's
#      file has been read.
#   2. The device is unplugged, then plugged in again while every call holds
#      (STALL_READ_HOLD seconds each, 1 by default) until the program has read
#      the version file: no held call may come from the program's main thread
#      (the thread whose id is the process id), since a held main thread is a
#      window that neither draws nor closes.
#   3. Calls hold for 10 s; while one of the program's holds, the window is
#      closed as a window manager closes it (WM_DELETE_WINDOW): the process
#      must be gone within 2 s.
# Every held call (operation, path, thread, seconds) and the close-to-exit
# time are printed. FUSE (/dev/fuse, fusermount3, libfuse3) is required: the
# test fails without it, it never skips. make test-stall runs it (as root in
# CI); a user who may mount FUSE file systems can run it too.
#
# Usage: stall_test.sh BUILD_DIR
# shellcheck disable=SC2317 # functions called through wait_for and the trap
set -euo pipefail

fail() {
    echo "FAILED: $*" >&2
    exit 1
}
[ $# -eq 1 ] || fail "usage: stall_test.sh BUILD_DIR"
build=$(realpath "$1")
stallfs=$build/kordavel-stallfs
program=$build/kordavel-config
simulator=$build/kordavel-device-sim
read_hold=${STALL_READ_HOLD:-1}
start_hold=${STALL_START_HOLD:-5}
close_hold=10
close_bound=2

[ -c /dev/fuse ] || fail "/dev/fuse is missing (load the fuse module; a container needs the device passed in)"
command -v fusermount3 >/dev/null || fail "fusermount3 is missing (Debian package fuse3)"
for built in "$stallfs" "$program" "$simulator"; do
    [ -x "$built" ] || fail "$built is missing (build the tests first)"
done
fuse_library=$(ldd "$stallfs" | grep 'libfuse3\.so' || true)
[[ $fuse_library == *"=> /"* ]] ||
    fail "the FUSE library is missing (Debian package libfuse3-3): ${fuse_library:-not linked}"
for tool in xvfb-run xdotool; do
    command -v "$tool" >/dev/null || fail "$tool is missing (Debian packages xvfb, xdotool)"
done
# Debian's own interpreter, which the Debian package's module is installed for.
python=/usr/bin/python3
"$python" -c 'import Xlib' 2>/dev/null || fail "python3's Xlib is missing (Debian package python3-xlib)"

# The rest runs on a display of its own, numbered apart from the test suite's
# (from :99): an X server of a test that has just ended may still hold its
# number's socket, and xvfb-run does not notice when its own then fails.
if [ -z "${KORDAVEL_STALL_DISPLAY:-}" ]; then
    exec xvfb-run -a -n 150 -s "-screen 0 1280x1024x24" env KORDAVEL_STALL_DISPLAY=1 bash "$0" "$@"
fi

work=$(mktemp -d)
device=$work/device
log=$work/calls.log
switch=$work/stall
table=$work/drives.table
mkdir "$device"
fs_pid=
program_pid=

is_mounted() { awk -v m="$device" '$5 == m { found = 1 } END { exit !found }' /proc/self/mountinfo; }

# True while any thread of the process is alive (a zombie is not).
alive() {
    local stat
    for stat in /proc/"$1"/task/*/stat; do
        [ -r "$stat" ] || continue
        case "$(sed 's/.*) //' "$stat" 2>/dev/null | cut -d' ' -f1)" in
            Z | X | '') ;;
            *) return 0 ;;
        esac
    done
    return 1
}

cleanup() {
    rm -f "$switch" # releases every held call
    if [ -n "$program_pid" ] && alive "$program_pid"; then
        kill -KILL "$program_pid" 2>/dev/null || true
    fi
    [ -z "$program_pid" ] || wait "$program_pid" 2>/dev/null || true
    if is_mounted; then
        fusermount3 -u -z "$device" || echo "could not unmount $device" >&2
    fi
    if [ -n "$fs_pid" ]; then
        for _ in $(seq 50); do alive "$fs_pid" || break; sleep 0.1; done
        alive "$fs_pid" && kill -TERM "$fs_pid" 2>/dev/null
        wait "$fs_pid" 2>/dev/null || true
    fi
    is_mounted || rm -rf "$work"
}
trap cleanup EXIT

now() { date +%s.%N; }
seconds_since() { awk -v a="$1" -v b="$(now)" 'BEGIN { printf "%.2f", b - a }'; }

# The calls that were held, in the order they answered, from the log: a
# "holding" line opens a thread's held call, its "op=" line closes it.
# Prints: LINE OP PATH TID PID HELD [interrupted]
held_calls() {
    awk '
        /^holding / { open[$4] = 1; next }
        /^op=/ && open[$3] {
            delete open[$3]
            out = NR
            for (i = 1; i <= 5; ++i) { split($i, kv, "="); out = out " " kv[2] }
            print out ($6 == "interrupted" ? " interrupted" : "")
        }' "$log"
}

# The program's calls that hold at this moment: LINE OP PATH TID PID.
holding_now() {
    awk -v pid="pid=$program_pid" '
        /^holding / && $5 == pid { now[$4] = NR " " $2 " " $3 " " $4; next }
        /^op=/ && $4 == pid { delete now[$3] }
        END { for (t in now) print now[t] }' "$log" | sed 's/[a-z]*=//g'
}

print_held() { # HEADING, lines of held_calls
    echo "$1"
    awk -v main="$program_pid" '{
        who = $4 == main ? "main thread " $4 : "thread " $4
        printf "  %-8s %-26s %-20s held %6.2f s%s\n", $2, $3, who, $6, ($7 ? " (" $7 ")" : "")
    }'
}

wait_for() { # SECONDS, command...
    local deadline=$(($(date +%s) + $1))
    shift
    until "$@"; do
        [ "$(date +%s)" -lt "$deadline" ] || return 1
        sleep 0.05
    done
}

# A device: a version file made by the simulator, served by the file system.
"$simulator" create "$work/made" --family TQ --version 54 >/dev/null
"$stallfs" "$device" --version-file="$work/made/UPDATES/kordvers.ion" --log="$log" \
    --stall-switch="$switch" --hold="$close_hold" -f 2>"$work/stallfs.err" &
fs_pid=$!
wait_for 10 is_mounted || fail "the file system did not mount: $(cat "$work/stallfs.err")"

# 1. The harness itself: a held cat, logged with its thread.
echo 0.3 >"$switch"
cat "$device/UPDATES/kordvers.ion" >"$work/through-mount" &
cat_pid=$!
wait "$cat_pid" || fail "cat through the mount failed"
rm -f "$switch"
cmp -s "$work/through-mount" "$work/made/UPDATES/kordvers.ion" ||
    fail "the mount serves other bytes than the version file"
held_calls | awk -v t="$cat_pid" '$4 == t' >"$work/cat.held"
print_held "harness: cat (process $cat_pid) of the version file, every call held 0.3 s:" <"$work/cat.held"
grep -Eq '^[0-9]+ (open|read) /UPDATES/kordvers.ion ' "$work/cat.held" ||
    fail "the harness logged no held open and read of cat"

# A fleet standard on the device, which the program remembers and applies to
# every device it reads (its settings in a folder of the test's own).
printf '{"format": "kordavel-fleet-standard", "version": 1, "name": "North",\n' >"$work/north.json"
printf ' "downloads": ["activities"], "daysBack": 28, "saveCardDownloadDate": false,\n' >>"$work/north.json"
printf ' "fileNameFormat": "european-ddd"}\n' >>"$work/north.json"
cp "$work/north.json" "$device/UPDATES/north.json" || fail "could not put the standard on the device"
export XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data
mkdir -p "$XDG_CONFIG_HOME/kordavel-config"
printf '[fleet]\nstandard=%s\napplyToEveryDeviceRead=true\n' "$device/UPDATES/north.json" \
    >"$XDG_CONFIG_HOME/kordavel-config/fleet.ini"

# 1a. The program, as a user starts it, with the device plugged in and every
# call held: the window appears while the standard's file is still held.
printf '%s/\t2\tKORD\n' "$device" >"$table"
export KORDAVEL_DRIVE_TABLE=$table QT_QPA_PLATFORM=xcb
echo "$start_hold" >"$switch"
"$program" >"$work/program.log" 2>&1 &
program_pid=$!
find_window() { xdotool search --onlyvisible --name '^Kordavel Configuration$' 2>/dev/null | head -n 1; }
window_shown() { [ -n "$(find_window)" ]; }
version_read() { grep -Eq "^op=read path=/UPDATES/kordvers.ion tid=[0-9]+ pid=$program_pid " "$log"; }
standard_read() { grep -Eq "^op=read path=/UPDATES/north.json tid=[0-9]+ pid=$program_pid " "$log"; }
wait_for 60 window_shown || fail "no window 'Kordavel Configuration' within 60 s: $(cat "$work/program.log")"
window=$(find_window)
standard_before_window=no
standard_read && standard_before_window=yes
# The standard is asked for once the window is up: its call holds too.
standard_holding() { grep -Eq "^holding op=[a-z]+ path=/UPDATES/north.json tid=[0-9]+ pid=$program_pid\$" "$log"; }
wait_for 60 standard_holding || echo "no call on the standard's file held within 60 s"
rm -f "$switch"
wait_for 60 standard_read || fail "the program did not read the remembered standard within 60 s"
wait_for 60 version_read || fail "the program did not read the device's version file within 60 s"

# 2. Unplugged, then plugged in again while every call holds.
: >"$table"
sleep 2 # four polls: the program has seen the device go
echo "$read_hold" >"$switch"
read_start=$(wc -l <"$log")
printf '%s/\t2\tKORD\n' "$device" >"$table"
plugged_at=$(now)
read_held() {
    held_calls | awk -v from="$read_start" -v pid="$program_pid" '
        $1 > from && $5 == pid && ($2 == "open" || $2 == "read") && $3 == "/UPDATES/kordvers.ion" {
            found = 1
        }
        END { exit !found }'
}
read_reached=yes
wait_for 120 read_held || read_reached=no
read_took=$(seconds_since "$plugged_at")

# 3. Calls hold for 10 s; the window is closed while one of them holds.
echo "$close_hold" >"$switch"
close_start=$(wc -l <"$log")
holding() { holding_now | awk -v from="$close_start" '$1 > from { found = 1 } END { exit !found }'; }
gone() { ! alive "$program_pid"; }
close_status=0
closed_at=
if wait_for 30 holding; then
    holding_now | awk -v from="$close_start" '$1 > from' >"$work/holding-at-close"
    closed_at=$("$python" - "$window" <<'PY'
import sys, time
from Xlib import X, display, protocol
d = display.Display()
window = d.create_resource_object('window', int(sys.argv[1]))
protocols = d.intern_atom('WM_PROTOCOLS')
delete = d.intern_atom('WM_DELETE_WINDOW')
if delete not in (window.get_wm_protocols() or []):
    sys.exit('the window does not take WM_DELETE_WINDOW')
window.send_event(protocol.event.ClientMessage(window=window, client_type=protocols,
                                               data=(32, [delete, X.CurrentTime, 0, 0, 0])),
                  event_mask=X.NoEventMask)
d.sync()
print(time.time())
PY
) || fail "could not send WM_DELETE_WINDOW to window $window"
    wait_for $((close_hold + 5)) gone || true
    close_took=$(seconds_since "$closed_at")
    if alive "$program_pid"; then
        rm -f "$switch"
        wait_for 30 gone || true
        close_note="still running $close_took s after the close; released, then gone after $(seconds_since "$closed_at") s"
    else
        close_note="gone $close_took s after the close"
    fi
    alive "$program_pid" || { wait "$program_pid" || close_status=$?; }
fi
rm -f "$switch"

# The figures.
held_calls | awk -v pid="$program_pid" '$5 == pid' >"$work/program.held"
awk -v from="$read_start" -v to="$close_start" '$1 > from && $1 <= to' "$work/program.held" |
    print_held "plugged in while calls held $read_hold s each (program $program_pid, main thread $program_pid):"
echo "  the version file's open or read held: $read_reached (after $read_took s)"
awk -v from="$close_start" '$1 > from' "$work/program.held" |
    print_held "calls hold $close_hold s from here on; the window is closed while one holds:"
if [ -n "$closed_at" ]; then
    awk -v main="$program_pid" '{
        printf "  holding at the close: %s %s, %s\n", $2, $3, ($4 == main ? "main thread " : "thread ") $4
    }' "$work/holding-at-close"
    echo "close to exit: $close_note (exit status $close_status)"
fi

verdict=0
echo "started with every call held $start_hold s: the standard's file was read before the window appeared: $standard_before_window"
if [ "$standard_before_window" != no ]; then
    echo "FAILED: the window waited for the remembered standard's file"
    verdict=1
fi
if ! grep -Eq '^[0-9]+ (open|read|getattr) /UPDATES/north.json ' "$work/program.held"; then
    echo "FAILED: no call on the remembered standard's file was held; the test saw nothing of it"
    verdict=1
fi
on_main=$(awk -v main="$program_pid" '$4 == main' "$work/program.held" | wc -l)
all=$(wc -l <"$work/program.held")
if [ "$all" -eq 0 ]; then
    echo "FAILED: no call of the program was held; the test saw nothing"
    verdict=1
elif [ "$on_main" -gt 0 ]; then
    echo "FAILED: $on_main of the program's $all held calls came from its main thread"
    verdict=1
else
    echo "passed: none of the program's $all held calls came from its main thread"
fi
if [ "$read_reached" != yes ]; then
    echo "FAILED: the program did not reach the version file's open or read within 120 s of the plug-in"
    verdict=1
fi
if [ -z "$closed_at" ]; then
    echo "FAILED: no call of the program held within 30 s, so the window was not closed"
    verdict=1
elif ! awk -v a="$close_note" -v bound="$close_bound" \
    'BEGIN { split(a, w, " "); exit !(w[1] == "gone" && w[2] + 0 <= bound) }'; then
    echo "FAILED: the process was not gone within $close_bound s of the close ($close_note)"
    verdict=1
elif [ "$close_status" -ne 0 ]; then
    echo "FAILED: the program ended with status $close_status after the close"
    verdict=1
else
    echo "passed: the process was gone within $close_bound s of the close"
fi
if [ "$verdict" -ne 0 ]; then
    echo "program output:"
    sed 's/^/  /' "$work/program.log"
fi
exit "$verdict"
