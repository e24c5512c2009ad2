# Sourced by the tests that read or set a wine prefix's registry (WINEPREFIX).
# wine's reg.exe now and then ends with status 1 and no word, or cannot be
# started ("Application could not be started"), while the machine is busy:
# wine_reg tries it again, with a pause, and shows reg's own output when it
# keeps failing.
#   wine_reg query|add|delete ARGS...  as reg takes them; a query prints what
#   reg printed (with its CR line ends). Status: 0 done; 1 a query of a key or
#   value that is not there (an answer, not a failure); 2 reg kept failing.
wine_reg() {
    local wine=${wine:-/usr/lib/wine/wine64} out attempt
    for attempt in 1 2 3 4; do
        if out=$("$wine" reg "$@" 2>&1); then
            [ "$1" != query ] || printf '%s\n' "$out"
            return 0
        fi
        case "$out" in
        *"Unable to find the specified registry"*) [ "$1" != query ] || return 1 ;;
        esac
        # A delete that did its work before it failed leaves no key.
        if [ "$1" = delete ] && ! "$wine" reg query "$2" >/dev/null 2>&1; then
            return 0
        fi
        sleep "$attempt"
    done
    echo "wine reg $*: $out" >&2
    return 2
}
