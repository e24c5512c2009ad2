#!/usr/bin/env python3
"""Checks in a trace of install_once that the configuration file reached the
medium in the safe order: created new, written, flushed, read back from the
medium, renamed over the final name, then the folder flushed.

Usage: check_install_order.py strace|relay TRACE_FILE
An strace trace comes from `strace -f -o`, a relay trace from wine's
WINEDEBUG=+relay. Exits 1 naming the first step that is missing or out of order.
"""
import re
import sys

TEMP = "KORDCFG.TMP"
FINAL = "DI999000.HEX"


def strace_events(lines):
    """(kind, handle, detail) tuples from an strace trace."""
    for line in lines:
        line = re.sub(r"^\d+\s+", "", line.strip())
        m = re.match(r'openat\(\w+, "([^"]*)", ([A-Z_|]+)(?:, \d+)?\)\s+=\s+(\d+)', line)
        if m:
            path, flags, fd = m.groups()
            if path.endswith("/" + TEMP) and "O_CREAT" in flags and "O_EXCL" in flags:
                yield ("create", fd, path)
            elif path.endswith("/" + TEMP) and "O_RDONLY" in flags:
                yield ("open-read", fd, path)
            elif path.endswith("/UPDATES") and "O_DIRECTORY" in flags:
                yield ("open-folder", fd, path)
            continue
        m = re.match(r"(write|read|fsync|fdatasync|close)\((\d+)(.*)\)\s+=\s+(-?\d+)", line)
        if m:
            call, fd, _, ret = m.groups()
            if int(ret) >= 0:
                yield (call, fd, "")
            continue
        m = re.match(r"fadvise64\((\d+), 0, 0, POSIX_FADV_DONTNEED\)\s+=\s+0", line)
        if m:
            yield ("drop-cache", m.group(1), "")
            continue
        m = re.match(r'rename(?:at2?)?\((?:\w+, )?"([^"]*)", (?:\w+, )?"([^"]*)"(?:, \w+)?\)\s+=\s+0', line)
        if m and m.group(1).endswith("/" + TEMP) and m.group(2).endswith("/" + FINAL):
            yield ("rename", "", "")


def relay_events(lines):
    """(kind, handle, detail) tuples from a wine relay trace of kernel32 calls."""
    pending = {}  # thread -> what the next CreateFileW return opens
    for line in lines:
        m = re.match(r"(\w+):Call [\w-]+\.(\w+)\((.*)\) ret=", line)
        if m:
            thread, func, args = m.groups()
            if func == "CreateFileW":
                path = re.search(r'L"((?:[^"\\]|\\.)*)"', args)
                path = path.group(1).replace("\\\\", "\\") if path else ""
                fields = args.split(",")
                access = int(fields[1], 16) if len(fields) > 4 else 0
                disposition = int(fields[4], 16) if len(fields) > 4 else 0
                flags = int(fields[5], 16) if len(fields) > 5 else 0
                if path.endswith("\\" + TEMP) and disposition == 1 and access & 0x40000000:
                    pending[thread] = "create"
                elif path.endswith("\\" + TEMP) and flags & 0x20000000:
                    pending[thread] = "open-unbuffered"
                elif path.endswith("\\UPDATES") and flags & 0x02000000:
                    pending[thread] = "open-folder"
                else:
                    pending.pop(thread, None)
            elif func in ("WriteFile", "ReadFile", "FlushFileBuffers", "CloseHandle"):
                handle = args.split(",")[0].strip().lower()
                yield (func, handle, "")
            elif func == "MoveFileExW":
                names = re.findall(r'L"((?:[^"\\]|\\.)*)"', args)
                flags = int(args.rsplit(",", 1)[1], 16)
                if (len(names) == 2 and names[0].endswith(TEMP) and names[1].endswith(FINAL)
                        and flags & 0x1 and flags & 0x8):
                    yield ("MoveFileExW", "", "")
            continue
        m = re.match(r"(\w+):Ret  [\w-]+\.CreateFileW\(\) retval=(\w+)", line)
        if m and m.group(1) in pending:
            kind = pending.pop(m.group(1))
            if m.group(2).lower() != "ffffffffffffffff" and m.group(2).lower() != "ffffffff":
                yield (kind, m.group(2).lower().lstrip("0") or "0", "")


def normalise(handle):
    return handle.lower().lstrip("0") or "0"


def check(events, steps):
    """steps: (kind, handle-slot or None, slot to bind) in the required order."""
    bound = {}
    i = 0
    for kind, handle, _ in events:
        if i == len(steps):
            break
        want, use, bind = steps[i]
        closes = kind in ("close", "CloseHandle")
        if use and closes and want != kind and normalise(handle) == bound.get(use):
            # Handles are reused: a step after its handle was closed would be
            # matched on another file.
            return "%s missing before its handle was closed" % want
        if kind != want:
            continue
        if use and normalise(handle) != bound.get(use):
            continue
        if bind:
            bound[bind] = normalise(handle)
        i += 1
    if i < len(steps):
        return "missing or out of order: %s (after %s)" % (
            steps[i][0], ", ".join(s[0] for s in steps[:i]) or "nothing")
    return None


STRACE_STEPS = [
    ("create", None, "new"), ("write", "new", None), ("fsync", "new", None),
    ("close", "new", None),
    ("open-read", None, "back"), ("fdatasync", "back", None), ("drop-cache", "back", None),
    ("read", "back", None),
    ("rename", None, None),
    ("open-folder", None, "dir"), ("fsync", "dir", None),
]

RELAY_STEPS = [
    ("create", None, "new"), ("WriteFile", "new", None), ("FlushFileBuffers", "new", None),
    ("CloseHandle", "new", None),
    ("open-unbuffered", None, "back"), ("ReadFile", "back", None),
    ("MoveFileExW", None, None),
    ("open-folder", None, "dir"), ("FlushFileBuffers", "dir", None),
]


def main():
    kind, path = sys.argv[1], sys.argv[2]
    with open(path, errors="replace") as f:
        lines = f.readlines()
    if kind == "strace":
        problem = check(strace_events(lines), STRACE_STEPS)
        steps = STRACE_STEPS
    else:
        problem = check(relay_events(lines), RELAY_STEPS)
        steps = RELAY_STEPS
    if problem:
        print("install order: " + problem)
        return 1
    print("install order: " + " -> ".join(s[0] for s in steps))
    return 0


if __name__ == "__main__":
    sys.exit(main())
