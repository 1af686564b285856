#!/usr/bin/python3
# Prints the AT-SPI events by which the program announces a new result, as a screen
# reader receives them: the announcement's "showing" event (what Orca speaks for a
# notification, wherever the focus is), the name change before it, and the focus
# changes around it. How to run: it needs Debian's own /usr/bin/python3 with
# python3-pyatspi (apt-get install -y at-spi2-core python3-pyatspi dbus-x11), an X
# display, and the accessibility bus running before the program starts, e.g.
#   export DISPLAY=:99   # Xvfb :99 -screen 0 1280x1024x24 & when none runs
#   dbus-run-session -- bash -c '/usr/libexec/at-spi-bus-launcher --launch-immediately &
#     sleep 1; QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 scripts/atspi-listen.py --seconds 10 \
#     -- build/src/ui/quantivo'
# It starts the command after "--" (or, without one, listens to whatever runs on the
# bus), prints one line per event for the given seconds, then ends the command. Each
# announcement shows as a line starting "ANNOUNCED". Exit status 0 when at least one
# announcement arrived, 1 otherwise.
import argparse
import os
import signal
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

EVENTS = [
    "object:state-changed:showing",
    "object:property-change:accessible-name",
    "object:state-changed:focused",
]


def describe(acc):
    try:
        return "%s %r" % (acc.getRoleName(), acc.name)
    except Exception as error:  # a source gone by the time it is asked
        return "? (%s)" % error


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--seconds", type=float, default=10)
    parser.add_argument("command", nargs=argparse.REMAINDER)
    args = parser.parse_args()
    command = args.command[1:] if args.command[:1] == ["--"] else args.command

    started = time.monotonic()
    announced = []

    def on_event(event):
        when = time.monotonic() - started
        data = event.any_data
        if isinstance(data, pyatspi.Accessible):
            data = "<object %s>" % describe(data)
        line = "%6.2fs %s detail1=%d source=[%s] any_data=%r" % (
            when, event.type, event.detail1, describe(event.source), data)
        print(line, flush=True)
        try:
            notification = event.source.getRole() == pyatspi.ROLE_NOTIFICATION
        except Exception:
            notification = False
        if event.type.startswith("object:state-changed:showing") and event.detail1 \
                and notification:
            announced.append(event.source.name)
            print("%6.2fs ANNOUNCED %r" % (when, event.source.name), flush=True)

    for event_type in EVENTS:
        pyatspi.Registry.registerEventListener(on_event, event_type)

    program = None
    if command:
        program = subprocess.Popen(command)
    GLib.timeout_add(int(args.seconds * 1000), pyatspi.Registry.stop)
    pyatspi.Registry.start()
    if program is not None:
        program.send_signal(signal.SIGTERM)
        try:
            program.wait(5)
        except subprocess.TimeoutExpired:
            program.kill()
    print("%d announcement(s)" % len(announced))
    return 0 if announced else 1


if __name__ == "__main__":
    sys.exit(main())
