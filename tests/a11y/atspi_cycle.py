#!/usr/bin/python3
"""The program on the AT-SPI bus, as a screen reader meets it.

    atspi_cycle.py SIMULATOR DEVICE DRIVE_TABLE

Checks that every control on show is exposed with its role, name and state,
that nothing beyond the window's edge is on show, then drives a whole cycle
(read, Configure, unplug, replug, "Success!") by keys alone and follows it
only through focus changes and the name changes of the status objects, which
a screen reader announces without the user moving there.
"""
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

SIMULATOR, DEVICE, TABLE = sys.argv[1:4]
problems = []
events = []  # (kind, role, name)


def check(ok, what):
    print(("ok      " if ok else "FAILED  ") + what)
    if not ok:
        problems.append(what)


def pump(seconds, until=lambda: False):
    """Lets events arrive for up to seconds, or until until() holds."""
    end = time.monotonic() + seconds
    context = GLib.MainContext.default()
    while time.monotonic() < end and not until():
        context.iteration(False)
        time.sleep(0.01)
    return until()


def on_event(event):
    try:
        role = event.source.getRoleName()
        name = event.source.name
    except Exception:  # the object went away meanwhile
        return
    if event.type.startswith("object:property-change:accessible-name"):
        # The name the event carries: the object's may have changed again.
        events.append(("name", role, event.any_data if isinstance(event.any_data, str) else name))
    elif event.type.startswith("object:state-changed:focused") and event.detail1:
        events.append(("focus", role, name))


def find_program():
    for _ in range(120):
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == "kordavel-config" and app.childCount:
                return app
        time.sleep(0.25)
    sys.exit("the program never came on the accessibility bus")


def walk(obj, parent_showing=True):
    """Every object under obj, with whether it and all its parents are on show."""
    showing = parent_showing and obj.getState().contains(pyatspi.STATE_SHOWING)
    yield obj, showing
    for i in range(obj.childCount):
        child = obj.getChildAtIndex(i)
        if child is not None:
            yield from walk(child, showing)


def exposed(window):
    """Every object under the window: role, name, description, states, extents."""
    found = []
    for obj, showing in walk(window):
        states = obj.getState()
        extents = obj.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        found.append({
            "role": obj.getRoleName(), "name": obj.name, "description": obj.description,
            "showing": showing,
            "focusable": states.contains(pyatspi.STATE_FOCUSABLE),
            "enabled": states.contains(pyatspi.STATE_ENABLED),
            "checked": states.contains(pyatspi.STATE_CHECKED),
            "rect": (extents.x, extents.y, extents.width, extents.height),
        })
    return found


def intersects(a, b):
    return a[0] < b[0] + b[2] and b[0] < a[0] + a[2] and a[1] < b[1] + b[3] and b[1] < a[1] + a[3]


def keys(*names):
    subprocess.run(["xdotool", "key", "--delay", "80", *names], check=True)


def sim(action):
    subprocess.run([SIMULATOR, action, DEVICE, "--table", TABLE], check=True,
                   stdout=subprocess.DEVNULL)


def announced(name):
    return lambda: ("name", "status bar", name) in events


def main():
    app = find_program()
    window = app.getChildAtIndex(0)
    check(window.name == "Kordavel Configuration", f"the window is named: {window.name!r}")
    # The device is read: the status says so.
    pump(15, lambda: any(o["role"] == "status bar" and o["name"] == "Configuration read"
                         for o in exposed(window)))
    objects = exposed(window)
    frame = window.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    frame = (frame.x, frame.y, frame.width, frame.height)
    shown = {(o["role"], o["name"]): o for o in objects if o["showing"]}

    expected = [
        ("radio button", "Configuration", ""), ("radio button", "File Name", ""),
        ("push button", "Fleet", "Fleet standard and record of every Configure"),
        ("push button", "Help", ""),
        ("check box", "Overview (Mandatory)", "TREP 01"),
        ("check box", "Daily Activity Records", "TREP 02"),
        ("check box", "Events & Faults", "TREP 03"),
        ("check box", "Detailed Speed (24h)", "TREP 04"),
        ("check box", "Technical Data", "TREP 05"),
        ("check box", "Driver Card in VU (if there is one)", "TREP 06"),
        ("check box", "Save Card Download Date",
         "For card downloaded direct into Kordavel Plus or Blue"),
        ("check box", "168h Detailed Speed", "168h Detailed Speed available from VDO tachographs"),
        ("check box", "Other VDO Specific Data", "Available from VDO tachographs"),
        ("check box", "4Hz Data", "4Hz Speed Data available from VDO tachographs"),
        ("check box", "Use Start/End Dates", "Available from firmware version 55"),
        ("text", "Days back", "Set to zero for 'download since last download'"),
        ("spin button", "Download start", ""), ("spin button", "Download end", ""),
        ("push button", "Configure", ""),
        ("status bar", "Configuration read", ""),
        ("label", "SW Version - TQ 54", ""),
    ]
    for role, name, description in expected:
        o = shown.get((role, name))
        check(o is not None and o["description"] == description,
              f"{role} {name!r} is on show, described {description!r}"
              + ("" if o else " (missing)") + (f" (described {o['description']!r})" if o and o["description"] != description else ""))
    check(shown.get(("push button", "Configure"), {}).get("enabled", False), "Configure is enabled")
    overview = shown.get(("check box", "Overview (Mandatory)"), {})
    check(overview.get("checked") and not overview.get("enabled"),
          "the overview is checked and cannot be changed")
    outside = [f"{o['role']} {o['name']!r}" for o in objects
               if o["showing"] and o["rect"][2] > 0 and not intersects(o["rect"], frame)]
    check(outside == [], f"everything on show lies in the window: {outside}")
    unnamed = [o["role"] for o in objects if o["showing"] and o["focusable"] and not o["name"]]
    check(unnamed == [], f"every control on show has a name: {unnamed}")
    for role, name in [("list", "Drive log"), ("panel", "Select File Name Format"),
                       ("radio button", "Kordavel Plus"), ("label", "State"),
                       ("status bar", "Disconnect USB"), ("image", "Unplug the device")]:
        o = next((o for o in objects if (o["role"], o["name"]) == (role, name)), None)
        check(o is not None and not o["showing"], f"{role} {name!r} beyond the edge is not on show")

    # From here on only keys, focus changes and announcements.
    for kind in ("object:property-change:accessible-name", "object:state-changed:focused"):
        pyatspi.Registry.registerEventListener(on_event, kind)
    subprocess.run(["xdotool", "search", "--sync", "--name", "^Kordavel Configuration$",
                    "windowfocus", "--sync"], check=True, stdout=subprocess.DEVNULL)
    pump(1)
    events.clear()
    keys("Tab", "Tab", "Tab")
    pump(3, lambda: len([e for e in events if e[0] == "focus"]) >= 3)
    focus = [e[2] for e in events if e[0] == "focus"]
    check(focus[-3:] == ["Fleet", "Help", "Daily Activity Records"],
          f"Tab goes Fleet, Help, Daily Activity Records: {focus}")
    events.clear()
    pump(2)  # the device is read again and again meanwhile
    idle = [e for e in events if e[0] == "name" and e[1] == "status bar"]
    check(idle == [], f"nothing is announced while nothing changes: {idle}")

    keys("alt+c")
    check(pump(20, announced("Disconnect USB")), "Alt+C configures: \"Disconnect USB\" is announced")
    sim("unplug")
    check(pump(20, announced("Connect USB")), "unplugged: \"Connect USB\" is announced")
    sim("plug")
    check(pump(30, announced("Success!")), "plugged in again: \"Success!\" is announced")
    # The replug reaches "Success!" in one report, which also sets the
    # instruction back while the window goes short: that is never on show.
    status = [e[2] for e in events if e[0] == "name" and e[1] == "status bar"]
    check(status == ["Disconnect USB", "Connect USB", "Success!"],
          f"each change is announced once, and only these: {status}")
    print(f"{len(problems)} problem(s)")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
