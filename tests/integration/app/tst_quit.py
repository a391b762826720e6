"""End to end: every way of quitting the tray application ends it the same way. For each route
(the panel's Ctrl+Q, the tray menu's Quit, MPRIS Quit, SIGTERM, and the session's hang-up at
logout) the program plays a station at a volume changed from the tray, is asked to quit, exits
with code 0, stops the stream on its way out, and leaves the station's volume in its settings
file (a change while a station plays is that station's offset from the general volume)."""

import json
import os
import signal
import sys

try:
    import dbus
except ImportError:  # Debian's interpreter carries python3-dbus
    if sys.executable != "/usr/bin/python3" and os.path.exists("/usr/bin/python3"):
        os.execv("/usr/bin/python3", ["/usr/bin/python3"] + sys.argv)
    sys.exit("missing test component: python3-dbus")

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "support"))
from harness import Checks, Peers, menu_ids, require, wait_for  # noqa: E402

require("Xvfb", "openbox", "xdotool")
checks = Checks()
SNI = "org.kde.StatusNotifierItem"


def by_panel(peers, bus, item, menu):
    dbus.Interface(item, SNI).Activate(640, 4)
    wait_for(lambda: peers.run(["xdotool", "search", "--onlyvisible", "--name", "^Zeffira$"]).stdout.strip(),
             20, "the panel to open")
    peers.run(["xdotool", "key", "ctrl+q"])


def by_tray_menu(peers, bus, item, menu):
    menu.Event(menu_ids(menu.GetLayout(0, -1, [])[1])["Sluit af"], "clicked",
               dbus.Int32(0, variant_level=1), dbus.UInt32(0))


def by_mpris(peers, bus, item, menu):
    player = bus.get_object("org.mpris.MediaPlayer2.zeffira", "/org/mpris/MediaPlayer2")
    dbus.Interface(player, "org.mpris.MediaPlayer2").Quit()


def by_signal(number):
    return lambda peers, bus, item, menu: peers.zeffira.send_signal(number)


ROUTES = [("panel Ctrl+Q", by_panel), ("tray menu Quit", by_tray_menu), ("MPRIS Quit", by_mpris),
          ("SIGTERM", by_signal(signal.SIGTERM)), ("logout (SIGHUP)", by_signal(signal.SIGHUP))]

with Peers() as peers:
    peers.start_display()
    peers.start_window_manager()
    peers.start_pulse(("a",))
    peers.start_session_bus()
    peers.start_tray_watcher()
    base = peers.start_stream_server()
    peers.write_catalogue([{"name": "Lokaal", "stations": [{"name": "Toon MP3", "url": base + "/mp3"}]}])
    bus = dbus.bus.BusConnection(peers.env["DBUS_SESSION_BUS_ADDRESS"])

    for route, quit_by in ROUTES:
        peers.write_settings({})
        peers.start_zeffira()
        name = wait_for(lambda: next((str(n) for n in bus.list_names() if str(n).startswith(SNI + "-")), None),
                        20, "the tray item on the bus")
        item = bus.get_object(name, "/StatusNotifierItem")
        menu = dbus.Interface(bus.get_object(name, str(dbus.Interface(item, "org.freedesktop.DBus.Properties")
                                                        .Get(SNI, "Menu"))), "com.canonical.dbusmenu")
        menu.Event(menu_ids(menu.GetLayout(0, -1, [])[1])["Toon MP3"], "clicked",
                   dbus.Int32(0, variant_level=1), dbus.UInt32(0))
        peers.wait_for_log("Player item ready to play")
        dbus.Interface(item, SNI).Scroll(-240, "vertical")  # two notches down: 0.5 -> 0.4
        quit_by(peers, bus, item, menu)
        code = peers.zeffira.wait(timeout=15)
        with open(peers.settings_path()) as f:
            offset = json.load(f).get("stationVolumes", {}).get(base + "/mp3")
        stopped = "Stopping playback" in peers.log()
        # 0.5 -> 0.4 is 20 log10(0.8) = -1.94 dB
        checks.check("%s: exit code 0, stream stopped, station's volume saved" % route,
                     code == 0 and stopped and offset is not None and abs(offset + 1.94) < 0.01,
                     (code, stopped, offset))
        wait_for(lambda: not any(str(n).startswith(SNI + "-") for n in bus.list_names()), 10,
                 "the tray item to leave the bus")

checks.finish()
