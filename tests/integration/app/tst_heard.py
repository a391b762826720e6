"""End to end: the songs heard, as a user meets them in the tray program on a private X server with
a window manager (openbox), driven by keyboard (xdotool) after a click on the tray item (Activate
over D-Bus), the clipboard read with xclip. An open panel maps no QtSql until "Gehoord" shows; a
local station announcing a title every second plays; the tray menu's "Kopieer titel" and Ctrl+C
copy the playing title; in "Gehoord" the newest song is listed, Return copies it and Ctrl+D stars
it in the database."""

import os
import sqlite3
import subprocess
import sys
import time

try:
    import dbus
except ImportError:  # Debian's interpreter carries python3-dbus
    if sys.executable != "/usr/bin/python3" and os.path.exists("/usr/bin/python3"):
        os.execv("/usr/bin/python3", ["/usr/bin/python3"] + sys.argv)
    sys.exit("missing test component: python3-dbus")

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "support"))
from harness import Checks, Peers, menu_ids, require, wait_for  # noqa: E402

require("Xvfb", "openbox", "xdotool", "xclip")
checks = Checks()
SNI = "org.kde.StatusNotifierItem"
STATION = "Liedjes"
MARK = "Stream title: "

with Peers() as peers:
    peers.start_display("1280x800")
    peers.start_window_manager()
    peers.start_pulse(("a",))
    peers.start_session_bus()
    peers.start_tray_watcher()
    url = peers.start_stream_server() + "/icy-songs"
    peers.write_catalogue([{"name": "Lokaal", "stations": [{"name": STATION, "url": url}]}])
    db = os.path.join(peers.env["XDG_DATA_HOME"], "Zeffira", "history.sqlite")
    app = peers.start_zeffira()

    def xdo(*args):
        return peers.run(["xdotool"] + list(args))

    def clipboard():
        return peers.run(["xclip", "-o", "-selection", "clipboard"]).stdout

    def sql_mapped():
        with open("/proc/%d/maps" % app.pid) as f:
            return "libQt6Sql" in f.read()

    def titles():
        return [line.split(MARK, 1)[1].rstrip("\n") for line in peers.log().splitlines(True) if MARK in line]

    bus = dbus.bus.BusConnection(peers.env["DBUS_SESSION_BUS_ADDRESS"])
    name = wait_for(lambda: next((str(n) for n in bus.list_names() if str(n).startswith(SNI + "-")), None),
                    20, "the tray item on the bus")
    item = bus.get_object(name, "/StatusNotifierItem")
    sni = dbus.Interface(item, SNI)
    menu_path = dbus.Interface(item, "org.freedesktop.DBus.Properties").Get(SNI, "Menu")
    menu = dbus.Interface(bus.get_object(name, str(menu_path)), "com.canonical.dbusmenu")

    sni.Activate(640, 4)
    panel = wait_for(lambda: (xdo("search", "--onlyvisible", "--name", "^Zeffira$").stdout.split() or [None])[0],
                     20, "the panel to open")
    wait_for(lambda: xdo("getwindowfocus").stdout.strip() == panel, 10, "the keyboard focus on the panel")
    time.sleep(0.5)
    checks.check("an open panel showing the stations maps no QtSql", not sql_mapped())
    xdo("key", "ctrl+Tab")
    wait_for(sql_mapped, 10, "showing Gehoord to open the history")
    checks.check("showing Gehoord opens the history", True)

    # Back to the stations: the search finds the station, Return plays it.
    xdo("key", "ctrl+Tab")
    xdo("type", "--delay", "40", STATION)
    xdo("key", "Return")
    wait_for(lambda: len([t for t in titles() if t != "Advertisement"]) >= 2, 30, "two titles announced")

    # The tray menu's entry and Ctrl+C copy what the station announces (a title a second: the
    # copy is one of those announced).
    entries = menu_ids(menu.GetLayout(0, -1, [])[1])
    menu.Event(entries["Kopieer titel"], "clicked", dbus.Int32(0, variant_level=1), dbus.UInt32(0))
    copied = wait_for(lambda: clipboard() or None, 10, "the tray's copy on the clipboard")
    checks.check("Kopieer titel copies the playing title", copied in titles(), (copied, titles()[-3:]))
    # xclip stays behind to own the selection: its output must not be waited for.
    subprocess.run(["xclip", "-selection", "clipboard", "-i", "/dev/null"], env=peers.env,
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=15, check=True)
    xdo("key", "Escape")  # the search text goes, Space is the panel's again
    xdo("key", "ctrl+c")
    copied = wait_for(lambda: clipboard() or None, 10, "Ctrl+C's copy on the clipboard")
    checks.check("Ctrl+C in the panel copies the playing title", copied in titles(), (copied, titles()[-3:]))

    # Paused, the station announces nothing more: the newest stored song stays the newest.
    xdo("key", "space")
    time.sleep(2)
    con = sqlite3.connect(db)
    newest_id, artist, title = con.execute("SELECT id, artist, title FROM plays ORDER BY started_at DESC, id DESC "
                                           "LIMIT 1").fetchone()
    xdo("key", "ctrl+Tab")
    xdo("key", "Down")
    xdo("key", "Return")
    wait_for(lambda: clipboard() == "%s - %s" % (artist, title), 10, "Return to copy the newest song")
    checks.check("Gehoord lists the newest song first; Return copies it", True)
    xdo("key", "ctrl+d")
    wait_for(lambda: con.execute("SELECT starred FROM plays WHERE id = ?", (newest_id,)).fetchone()[0] == 1,
             10, "Ctrl+D to star the song")
    checks.check("Ctrl+D stars the song in the history", True)
    con.close()

checks.finish()
