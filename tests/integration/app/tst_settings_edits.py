"""End to end: the Stations tab of the settings window edits the catalogue file, driven by mouse
and keyboard (xdotool) on a private X server with a window manager: a station added into a new
category, one edited, one deleted, one dragged onto another category, an empty category made and
renamed. Each step waits for its effect in the file; the file is checked as a whole at the end."""

import json
import os
import sys

try:
    import dbus
except ImportError:  # Debian's interpreter carries python3-dbus
    if sys.executable != "/usr/bin/python3" and os.path.exists("/usr/bin/python3"):
        os.execv("/usr/bin/python3", ["/usr/bin/python3"] + sys.argv)
    sys.exit("missing test component: python3-dbus")

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "support"))
from harness import Checks, Peers, require, wait_for  # noqa: E402

require("Xvfb", "openbox", "xdotool")
checks = Checks()
SNI = "org.kde.StatusNotifierItem"
# Places in the settings window (550 x 420 at scale 1), relative to its content.
CATEGORY_ROW = {1: (66, 53), 2: (66, 84), 3: (66, 115)}
STATION_ROW = {1: (236, 57), 2: (236, 102)}
ADD_STATION, NEW_CATEGORY, CONFIRM_DELETE = (471, 396), (83, 396), (341, 259)


def station(name, url):
    return {"name": name, "url": url}


with Peers() as peers:
    peers.start_display()
    peers.start_window_manager()
    peers.start_session_bus()
    peers.start_tray_watcher()
    alfa, beta, gamma = (station(n, "http://%s.example/" % n.lower()) for n in ("Alfa", "Beta", "Gamma"))
    peers.write_catalogue([{"name": "Lokaal", "stations": [alfa, beta]}, {"name": "Jazz", "stations": [gamma]}])
    peers.start_zeffira()
    path = os.path.join(peers.env["XDG_DATA_HOME"], "Zeffira", "stations.json")

    def catalogue():
        with open(path, encoding="utf-8") as f:
            return json.load(f)

    def xdo(*args):
        return peers.run(["xdotool"] + list(args))

    def visible(title):
        ids = xdo("search", "--onlyvisible", "--name", "^%s$" % title).stdout.split()
        return ids[0] if ids else None

    def focused(window):
        wait_for(lambda: xdo("getactivewindow").stdout.strip() == window, 10, "the keyboard in " + window)

    bus = dbus.bus.BusConnection(peers.env["DBUS_SESSION_BUS_ADDRESS"])
    name = wait_for(lambda: next((str(n) for n in bus.list_names() if str(n).startswith(SNI + "-")), None),
                    20, "the tray item on the bus")
    dbus.Interface(bus.get_object(name, "/StatusNotifierItem"), SNI).Activate(600, 4)
    focused(wait_for(lambda: visible("Zeffira"), 20, "the panel"))
    xdo("key", "ctrl+comma")
    window = wait_for(lambda: visible("Instellingen"), 20, "the settings window")
    focused(window)
    xdo("key", "ctrl+Tab")  # the Stations tab

    def click(place):
        xdo("mousemove", "--window", window, str(place[0]), str(place[1]))
        xdo("click", "1")

    def step(what, expected, *actions):
        for action in actions:
            action()
        wait_for(lambda: expected(catalogue()), 10, what + " in the file")
        checks.check(what, True)

    def keys(*names):
        return lambda: xdo("key", *names)

    def typed(text):
        return lambda: xdo("type", "--delay", "20", text)

    def category(c, name):
        return next((x["stations"] for x in c if x["name"] == name), None)

    # The sheet's fields: name, URL, category; a category that is not there is made.
    step("add a station into a new category", lambda c: category(c, "Nieuw") == [station("Delta", "http://d.example/")],
         lambda: click(ADD_STATION), typed("Delta"), keys("Tab"), typed("http://d.example/"), keys("Tab"),
         typed("Nieuw"), keys("Return"))
    # F2 edits the selected station; the sheet opens with the name selected.
    step("edit a station", lambda c: category(c, "Lokaal") == [alfa, station("Bravo", beta["url"])],
         lambda: click(CATEGORY_ROW[1]), lambda: click(STATION_ROW[2]), keys("F2"), keys("ctrl+a"),
         typed("Bravo"), keys("Return"))
    # Delete asks first (Return would cancel).
    step("delete a station", lambda c: category(c, "Lokaal") == [station("Bravo", beta["url"])],
         lambda: click(STATION_ROW[1]), keys("Delete"), lambda: click(CONFIRM_DELETE))

    def drag(start, end):
        xdo("mousemove", "--window", window, str(start[0]), str(start[1]))
        xdo("mousedown", "1")
        for i in range(1, 9):  # in steps, as a hand moves
            xdo("mousemove", "--window", window, str(start[0] + (end[0] - start[0]) * i // 8),
                str(start[1] + (end[1] - start[1]) * i // 8))
        xdo("mouseup", "1")
    # Categories now: Lokaal, Jazz, Nieuw. Return confirms the move; the emptied category goes.
    step("drag a station onto another category",
         lambda c: category(c, "Lokaal") == [station("Bravo", beta["url"]), gamma] and category(c, "Jazz") is None,
         lambda: click(CATEGORY_ROW[2]), lambda: drag(STATION_ROW[1], CATEGORY_ROW[1]), keys("Return"))
    step("make an empty category", lambda c: category(c, "Klassiek") == [],
         lambda: click(NEW_CATEGORY), typed("Klassiek"), keys("Return"))
    # Categories now: Lokaal, Nieuw, Klassiek; F2 renames the one clicked.
    step("rename a category", lambda c: category(c, "Barok") == [] and category(c, "Klassiek") is None,
         lambda: click(CATEGORY_ROW[3]), keys("F2"), keys("ctrl+a"), typed("Barok"), keys("Return"))

    expected = [{"name": "Lokaal", "stations": [station("Bravo", beta["url"]), gamma]},
                {"name": "Nieuw", "stations": [station("Delta", "http://d.example/")]},
                {"name": "Barok", "stations": []}]
    checks.check("the file holds exactly the edits", catalogue() == expected, catalogue())

checks.finish()
