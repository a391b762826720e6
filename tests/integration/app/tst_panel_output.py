"""End to end: choosing the output device in the panel of the tray application, on a private X
server with a window manager and a private PulseAudio with two null sinks. From the keyboard, the
device menu moves the playing stream to the other sink, and the keys reach the panel again once
the menu has closed."""

import os
import re
import sys

try:
    import dbus
except ImportError:  # Debian's interpreter carries python3-dbus
    if sys.executable != "/usr/bin/python3" and os.path.exists("/usr/bin/python3"):
        os.execv("/usr/bin/python3", ["/usr/bin/python3"] + sys.argv)
    sys.exit("missing test component: python3-dbus")

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "support"))
from harness import Checks, Peers, require, wait_for  # noqa: E402

require("playerctl", "Xvfb", "openbox", "xdotool", "pactl")
checks = Checks()
SNI = "org.kde.StatusNotifierItem"

with Peers() as peers:
    peers.start_display()
    peers.start_window_manager()
    peers.start_pulse(("a", "b"))
    peers.start_session_bus()
    peers.start_tray_watcher()
    base = peers.start_stream_server()
    peers.write_catalogue([{"name": "Lokaal", "stations": [{"name": "Toon MP3", "url": base + "/mp3"}]}])
    peers.start_zeffira()

    def xdo(*args):
        return peers.run(["xdotool"] + list(args))

    def panel():
        ids = xdo("search", "--onlyvisible", "--name", "^Zeffira$").stdout.split()
        return ids[0] if ids else None

    def stream_sinks():
        """The sink (by name) of each stream the player has at the sound server."""
        names = dict(line.split()[:2] for line in peers.run(["pactl", "list", "short", "sinks"]).stdout.splitlines())
        inputs = peers.run(["pactl", "list", "short", "sink-inputs"]).stdout.splitlines()
        return [names.get(line.split()[1]) for line in inputs]

    bus = dbus.bus.BusConnection(peers.env["DBUS_SESSION_BUS_ADDRESS"])
    name = wait_for(lambda: next((str(n) for n in bus.list_names() if str(n).startswith(SNI + "-")), None),
                    20, "the tray item on the bus")
    dbus.Interface(bus.get_object(name, "/StatusNotifierItem"), SNI).Activate(600, 4)
    window = wait_for(panel, 20, "the panel to open")
    wait_for(lambda: xdo("getactivewindow").stdout.strip() == window, 10, "the panel to take the keyboard")
    xdo("key", "Return")  # the first station
    wait_for(lambda: stream_sinks() == ["a"], 20, "the stream on the default sink a")

    # In the keys' order the list switch (Gehoord, Stations) and then the device button come
    # before the search; the device menu lists the system default, a and b.
    for key in ("shift+Tab",) * 3 + ("Return", "Down", "Down", "Down", "Return"):
        xdo("key", key)
    wait_for(lambda: stream_sinks() == ["b"], 10, "the stream to move to sink b")
    checks.check("choosing b in the panel moves the stream to sink b", True)
    status = peers.run(["playerctl", "-p", "zeffira", "status"]).stdout.strip()
    checks.check("the stream plays on", status == "Playing", status)

    # The keys reach the panel again: Escape closes it (the search is empty).
    xdo("key", "Escape")
    wait_for(lambda: panel() is None, 10, "Escape to close the panel after the device menu")
    checks.check("the keyboard is back in the panel once the menu closed", True)

checks.finish()
