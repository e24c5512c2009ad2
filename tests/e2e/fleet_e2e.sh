#!/usr/bin/env bash
# The fleet standard end to end, with the real program as a user or a script
# starts it: first the command line alone (--version, --help, a wrong
# argument), then a run with --standard FILE --apply-standard on an X display
# of its own (Xvfb). A simulated TQ 54 device whose settings differ from the
# standard is plugged in; Configure is pressed; the device is unplugged and
# plugged in again, taking the file up as a real one does. Then the device's
# version file must hold the standard's settings and the record of every
# Configure one row for the file written and one for the success. Then the
# organisation's policy: a locked standard on a share and a record folder
# (see the part at the end).
# Usage: fleet_e2e.sh linux BUILD_DIR | windows BUILD_DIR
# On Windows the deploy folder's program (or KORDAVEL_E2E_PROGRAM, a Windows
# path in the prefix) runs under wine (its own prefix, KORDAVEL_WINEPREFIX),
# and the simulator's Windows build plugs the device.
set -Eeuo pipefail
# wine and its tools often fail without a word: the failing command is named.
trap 'echo "failed (status $?) at line $LINENO: $BASH_COMMAND" >&2' ERR
mode=$1
build=$(realpath "$2")
fail() { echo "FAILED: $*" >&2; exit 1; }
for tool in xvfb-run xdotool; do
    command -v "$tool" >/dev/null || fail "$tool is missing (Debian packages xvfb, xdotool)"
done
work=$(mktemp -d)
runner=
policy_runner=
# A failure ends the program's runs too, before their folder goes: each ends
# its program and its display itself when told.
end_runs() {
    touch "$work/done" "$work/stop"
    for run in "$runner" "$policy_runner"; do
        if [ -n "$run" ]; then wait "$run" 2>/dev/null || true; fi
    done
    rm -rf "$work"
}
trap end_runs EXIT
device=$work/device
table=$work/drives.table
standard=$work/north.json
cat > "$standard" <<'JSON'
{
    "format": "kordavel-fleet-standard",
    "version": 1,
    "name": "North depot",
    "downloads": ["activities", "detailed-speed", "detailed-speed-168h"],
    "daysBack": 28,
    "saveCardDownloadDate": true,
    "fileNameFormat": "spanish-tgd"
}
JSON

if [ "$mode" = windows ]; then
    win() { local p=$1; echo "Z:${p//\//\\}"; }
    "$build/wine-run.sh" cmd /c exit # makes the prefix
    export WINEPREFIX=${KORDAVEL_WINEPREFIX:-$build/wineprefix} WINEDEBUG=-all
    export WINEDLLOVERRIDES='mscoree,mshtml=;winemenubuilder.exe=d'
    export KORDAVEL_DRIVE_TABLE
    KORDAVEL_DRIVE_TABLE=$(win "$table")
    # The deploy folder's program, or one installed in the prefix (msi_windows.sh).
    program=(/usr/lib/wine/wine64 "${KORDAVEL_E2E_PROGRAM:-$build/deploy/kordavel-config.exe}")
    sim() { "$build/wine-run.sh" "$build/kordavel-device-sim.exe" "$1" "$(win "$device")" "${@:2}"; }
    plug() { sim plug --table "$(win "$table")" >/dev/null; }
    unplug() { sim unplug --table "$(win "$table")" >/dev/null; }
    standard_arg=$(win "$standard")
    records() { find "$WINEPREFIX/drive_c/users" -path '*/Roaming/kordavel-config/configure-record.csv' 2>/dev/null; }
    records | xargs -r rm -f
    # Wine shows the windows of a prefix on the display of the program its
    # server started first: the server of the runs without a display must end
    # before the program starts on its own display.
    settle() { /usr/lib/wine/wineserver64 -w; }
    . "$(dirname "$0")/../support/wine_reg.sh"
    reg() { wine_reg "$@"; }
else
    export HOME=$work/home XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data QT_QPA_PLATFORM=xcb
    export KORDAVEL_DRIVE_TABLE=$table
    program=("$build/kordavel-config")
    sim() { "$build/kordavel-device-sim" "$1" "$device" "${@:2}"; }
    plug() { sim plug --table "$table" >/dev/null; }
    unplug() { sim unplug --table "$table" >/dev/null; }
    standard_arg=$standard
    records() { ls "$XDG_DATA_HOME/kordavel-config/configure-record.csv" 2>/dev/null || true; }
    settle() { :; }
fi
sim create --version 54 --period-days 92 >/dev/null
: > "$table"

# The command line, as a script runs it: text on the console, the status says it all.
version=$("${program[@]}" --version 2>/dev/null | tr -d '\r') || fail "--version ended with $?"
[[ $version =~ ^kordavel-config\ [0-9]+\.[0-9]+\.[0-9]+$ ]] || fail "--version printed '$version'"
"${program[@]}" --help 2>/dev/null | tr -d '\r' | grep -q -- '--apply-standard' || fail "--help"
status=0
"${program[@]}" --no-such-option >/dev/null 2>"$work/err.txt" || status=$?
[ "$status" -eq 2 ] || fail "a wrong argument ended with $status, not 2"
grep -q "Unknown option 'no-such-option'" "$work/err.txt" || fail "no error text: $(cat "$work/err.txt")"
echo "command line: --version '$version', --help, a wrong argument: status 2 with its text ($mode)"

# The organisation's policy as --policy shows it: the machine's Language over
# the user's, a switch of the wrong type and an unknown name each named once.
if [ "$mode" = windows ]; then
    machine_key='HKLM\SOFTWARE\Policies\Kordavel\Configuration'
    user_key='HKCU\SOFTWARE\Policies\Kordavel\Configuration'
    policy() { reg add "$1" /v "$2" /d "$3" /f; }
    policy "$machine_key" Language de
    policy "$user_key" Language fr
    policy "$machine_key" LockStandard yes
    policy "$user_key" Colour red
    "${program[@]}" --policy 2>/dev/null | tr -d '\r' > "$work/policy.txt"
    for key in "$machine_key" "$user_key"; do reg delete "$key" /f; done
else
    mkdir -p "$work/xdg/kordavel-config"
    printf '{"Language": "de", "LockStandard": "yes", "Colour": "red"}\n' \
        > "$work/xdg/kordavel-config/policies.json"
    XDG_CONFIG_DIRS="$work/none:$work/xdg" "${program[@]}" --policy > "$work/policy.txt" 2>/dev/null
fi
cat "$work/policy.txt"
grep -q '^  Language = de    (' "$work/policy.txt" || fail "--policy does not show the machine's language"
[ "$(grep -c 'is not used' "$work/policy.txt")" -eq 2 ] || fail "--policy names not exactly the two wrong values"
grep -q '^  Colour (.*) is not used: the program has no such policy\.$' "$work/policy.txt" ||
    fail "--policy does not name the unknown value"
echo "command line: --policy shows the policy set and names what it does not use ($mode)"

# Both runs start the program (the arguments, output to LOG) on their display
# and find its main window: sourced, it leaves pid and main set, or ends the
# run saying which windows there are.
cat > "$work/start-program.sh" <<'START'
"$@" >>"$log" 2>&1 &
pid=$!
main=
for _ in $(seq 1 240); do
    main=$(xdotool search --onlyvisible --name '^Kordavel Configuration$' 2>/dev/null | head -n 1)
    [ -n "$main" ] && break
    sleep 0.25
done
if [ -z "$main" ]; then
    echo "no main window; the windows there:"
    xdotool search --name '.' getwindowname %@ 2>/dev/null | sed 's/^/  /'
    kill $pid
    exit 1
fi
START

cat > "$work/inner.sh" <<INNER
#!/usr/bin/env bash
set -u
log="$work/program.log"
source "$work/start-program.sh"
# Configure (at 236, 448 in the client area) is enabled once the device is
# read; pressed until the configuration file is on the device.
for _ in \$(seq 1 60); do
    [ -f "$device/UPDATES/DI999000.HEX" ] && break
    xdotool mousemove --window "\$main" 236 448 click 1
    sleep 0.5
done
[ -f "$device/UPDATES/DI999000.HEX" ] || { echo "Configure wrote no file"; kill \$pid; exit 1; }
echo ready > "$work/configured"
# The script outside unplugs and plugs the device in again meanwhile.
for _ in \$(seq 1 240); do
    [ -f "$work/done" ] && break
    sleep 0.25
done
kill \$pid 2>/dev/null
wait \$pid 2>/dev/null
exit 0
INNER

plug
settle
# Displays from 400 on, apart from the other tests' (tests/CMakeLists.txt).
timeout 300 xvfb-run -a -n 400 -s "-screen 0 1280x1024x24" \
    bash "$work/inner.sh" "${program[@]}" --standard "$standard_arg" --apply-standard &
runner=$!
for _ in $(seq 1 400); do
    [ -f "$work/configured" ] && break
    kill -0 $runner 2>/dev/null || break
    sleep 0.25
done
[ -f "$work/configured" ] || { wait $runner || true; cat "$work/program.log" 2>/dev/null; fail "the device was not configured"; }
unplug
sleep 2
plug # the device takes the file up as it starts
# The record's rows, as text.
rows() { local r; r=$(records); [ -n "$r" ] && iconv -f UTF-16 -t UTF-8 "$r" | tr -d '\r'; }
for _ in $(seq 1 80); do
    rows 2>/dev/null | grep -q $'\tsuccess\t' && break
    sleep 0.25
done
touch "$work/done"
wait $runner || fail "the program's run failed: $(cat "$work/program.log")"

echo "the record:"; rows | sed 's/^/  /'
[ "$(rows | wc -l)" -eq 3 ] || fail "the record holds the header and two rows"
rows | sed -n 2p | grep -qP '\tfile written\tKORDAVEL\tTQ\t54\tNorth depot\tactivities detailed-speed detailed-speed-168h\t28\t\t\tyes\tspanish-tgd\tKordavel$' ||
    fail "the file-written row"
rows | sed -n 3p | grep -qP '\tsuccess\t' || fail "the success row"

# The device's version file after the take-up holds the standard's settings.
python3 - "$device/UPDATES/kordvers.ion" <<'PY' || fail "the device did not take up the standard"
import sys
d = open(sys.argv[1], 'rb').read()
period = int.from_bytes(d[11:15], 'little')
byte = d[31]
first = d[16:31]
second = d[32:71]
print(f"  device: {period // 86400} days back, configuration byte {byte:02X}, "
      f"codes {first.hex(' ').upper()} | {second[:8].hex(' ').upper()}")
assert period == 28 * 86400, "days back"
assert (byte >> 4) & 7 == 1, "Spanish file names"
assert byte & 0x08 == 0, "card download date saved"
assert first.startswith(bytes([0x01, 0x02, 0x04, 0xFF])), "activities and detailed speed"
assert bytes([0x19]) in second and bytes([0x12]) not in second, "168 h speed, no VDO data"
PY
echo "fleet standard end to end: the device took the standard's settings, the record holds both rows ($mode)"

# The organisation's policy end to end: a standard on a "share" (a folder
# standing in for it), applied and locked, and a record folder there. The command line's
# own standard is not used. The standard is edited on the share between two
# devices: the second takes the edit without a restart. The record folder is
# taken away for one Configure and a restart, then brought back:
# every row is in this computer's file there once, in order.
share=$work/share
mkdir -p "$share/records"
sed -e 's/"daysBack": 28/"daysBack": 21/' -e 's/North depot/Share depot/' "$standard" > "$share/north.json"
if [ "$mode" = windows ]; then
    settle # the run before has ended with its wine server
    machine_key='HKLM\SOFTWARE\Policies\Kordavel\Configuration'
    reg add "$machine_key" /v FleetStandard /d "$(win "$share/north.json")" /f
    reg add "$machine_key" /v ApplyStandard /t REG_DWORD /d 1 /f
    reg add "$machine_key" /v LockStandard /t REG_DWORD /d 1 /f
    reg add "$machine_key" /v RecordFolder /d "$(win "$share/records")" /f
    unset_policy() { reg delete "$machine_key" /f; }
else
    mkdir -p "$work/xdg-policy/kordavel-config"
    printf '{"FleetStandard": "%s", "ApplyStandard": true, "LockStandard": true, "RecordFolder": "%s"}\n' \
        "$share/north.json" "$share/records" > "$work/xdg-policy/kordavel-config/policies.json"
    export XDG_CONFIG_DIRS=$work/xdg-policy
    unset_policy() { :; }
fi
"${program[@]}" --policy 2>/dev/null | tr -d '\r' > "$work/policy.txt"
sed 's/^/  /' "$work/policy.txt"
[ "$(grep -cE '^  (FleetStandard|ApplyStandard|LockStandard|RecordFolder) = ' "$work/policy.txt")" -eq 4 ] ||
    fail "--policy does not show the four values set"

cat > "$work/rounds.sh" <<INNER
#!/usr/bin/env bash
set -u
log="$work/policy-program.log"
source "$work/start-program.sh"
touch "$work/window-up"
# Each round file asks for one Configure: pressed until the file is on the device.
while [ ! -f "$work/stop" ]; do
    round=\$(cat "$work/next-round" 2>/dev/null) || break
    if [ -f "$work/round.\$round" ]; then
        if [ -f "$work/keys.\$round" ]; then
            # The days back tried from the keyboard first: every control in
            # the tab order is given a digit (a space could open the help
            # window over the button this script presses).
            xdotool windowfocus "\$main" 2>/dev/null
            for _ in \$(seq 1 30); do xdotool key --delay 20 Tab 7; done
        fi
        for _ in \$(seq 1 60); do
            [ -f "$device/UPDATES/DI999000.HEX" ] && break
            xdotool mousemove --window "\$main" 236 448 click 1
            sleep 0.5
        done
        [ -f "$device/UPDATES/DI999000.HEX" ] || { echo "Configure wrote no file in round \$round"; kill \$pid; exit 1; }
        echo \$((round + 1)) > "$work/next-round"
        touch "$work/configured.\$round"
    fi
    sleep 0.25
done
kill \$pid 2>/dev/null
wait \$pid 2>/dev/null
exit 0
INNER

echo 1 > "$work/next-round"
# Each run on a display numbered apart from the one before:
# an X server that has just ended may still hold its number's socket, and
# xvfb-run does not notice when its own then fails.
start_policy_run() {
    local from=$1
    shift
    rm -f "$work/stop" "$work/window-up"
    settle
    timeout 300 xvfb-run -a -n "$from" -s "-screen 0 1280x1024x24" \
        bash "$work/rounds.sh" "${program[@]}" "$@" &
    policy_runner=$!
}
stop_policy_run() {
    touch "$work/stop"
    wait "$policy_runner" || fail "the program's run failed: $(cat "$work/policy-program.log")"
    # The run waited for its program; under wine the next starts once the
    # prefix's server has ended too.
    settle
}
successes() { rows 2>/dev/null | grep -c $'\tsuccess\t' || true; }
device_days() {
    python3 -c 'import sys; d=open(sys.argv[1],"rb").read(); print(int.from_bytes(d[11:15],"little")//86400)' \
        "$device/UPDATES/kordvers.ion"
}
# One Configure of the device plugged in, its take-up, and the device plugged
# in afresh for the next round; the device must then hold days days back.
policy_round() {
    local n=$1 days=$2 before
    before=$(successes)
    touch "$work/round.$n"
    for _ in $(seq 1 400); do
        [ -f "$work/configured.$n" ] && break
        kill -0 "$policy_runner" 2>/dev/null || break
        sleep 0.25
    done
    [ -f "$work/configured.$n" ] || { cat "$work/policy-program.log"; fail "round $n: not configured"; }
    unplug
    sleep 2
    plug # the device takes the file up as it starts
    for _ in $(seq 1 80); do
        [ "$(successes)" -gt "$before" ] && break
        sleep 0.25
    done
    [ "$(successes)" -gt "$before" ] || fail "round $n: no success"
    [ "$(device_days)" -eq "$days" ] || fail "round $n: the device holds $(device_days) days back, not $days"
    echo "round $n: the device took the share's standard, $days days back"
    unplug
    sleep 1
}

unplug
sim create --version 54 --period-days 92 >/dev/null
plug
start_policy_run 410 --standard "$standard_arg"
touch "$work/keys.1" # locked: what is typed does not reach the device
policy_round 1 21
sed -i 's/"daysBack": 21/"daysBack": 14/' "$share/north.json" # edited centrally
plug
policy_round 2 14
mv "$share/records" "$share/records.away" # the record folder is away
plug
policy_round 3 14
[ ! -e "$share/records" ] || fail "the program made the record folder"
stop_policy_run
start_policy_run 420 # started again while it is away
for _ in $(seq 1 240); do
    [ -f "$work/window-up" ] && break
    sleep 0.25
done
sleep 1 # it has tried to send the rows waiting by the time its window shows
[ ! -e "$share/records" ] || fail "the program made the record folder after its restart"
mv "$share/records.away" "$share/records"
plug
policy_round 4 14
# The rows go to the folder beside the window: all eight are there before it closes.
shared_rows() {
    local f
    for f in "$share"/records/*.csv; do
        if [ -f "$f" ]; then iconv -f UTF-16 -t UTF-8 "$f" | tr -d '\r'; fi
    done
}
for _ in $(seq 1 80); do
    [ "$(shared_rows | wc -l)" -ge 9 ] && break
    sleep 0.25
done
stop_policy_run
unset_policy
grep -q -- "--standard is not used: your organisation's policy decides it" "$work/policy-program.log" ||
    fail "the console does not say that --standard is not used: $(cat "$work/policy-program.log")"

shopt -s nullglob
shared_files=("$share"/records/*.csv)
shopt -u nullglob
[ "${#shared_files[@]}" -eq 1 ] || fail "the record folder holds ${#shared_files[@]} record files, not one"
echo "the record in the folder, $(basename "${shared_files[0]}"):"; shared_rows | sed 's/^/  /'
shared_rows | head -1 | grep -q $'\tModel\tRow ID$' || fail "the folder's record has no Row ID column"
[ "$(shared_rows | wc -l)" -eq 9 ] || fail "the folder's record holds $(shared_rows | wc -l) lines, not the header and 8 rows"
# Each row once and in order: as the user's own record has them, with an id of its own.
[ "$(shared_rows | tail -n 8 | cut -f1-13)" = "$(rows | tail -n 8)" ] ||
    fail "the folder's rows are not the record's last eight, each once and in order"
[ "$(shared_rows | tail -n 8 | awk -F'\t' '{print $NF}' | sort -u | wc -l)" -eq 8 ] ||
    fail "the Row IDs are not unique"
[ "$(shared_rows | tail -n 8 | cut -f8 | tr '\n' ' ')" = "21 21 14 14 14 14 14 14 " ] ||
    fail "the days back of the rows"
echo "policy end to end: a locked standard from the share, edited between two devices; the record folder away and back, every row there once, in order ($mode)"
