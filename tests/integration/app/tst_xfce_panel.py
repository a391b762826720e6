"""End to end in a real panel: Xfce's panel (xfce4-panel) along the top of a private X server with
openbox, its notification area hosting the tray item. The icon shows in the panel (read back from
a screenshot of the panel's end), a click opens the station panel just below the icon and wholly
on screen, and the menu the panel draws itself from the item's menu works: a station chosen in
a category's submenu (found on the screen by OCR), plays. Then the same panel on a bus where it
cannot be the StatusNotifierWatcher, so the item falls back to an XEmbed icon: it shows, a click
opens the panel, and its own menu plays a station."""

import difflib
import os
import shutil
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "support"))
from harness import FIXTURES, Checks, Peers, changed_columns, ppm_pixels, require, screen_words, wait_for  # noqa: E402,E501

require("xfce4-panel", "Xvfb", "openbox", "xdotool", "import", "tesseract", "dbus-daemon")
checks = Checks()
WIDTH, HEIGHT, PANEL = 1280, 800, 30
END = 160  # the panel's right end, where the notification area sits


def capture(peers, width, height, left):
    """The screen's pixels from (left, 0), as a PPM."""
    return subprocess.run(["import", "-window", "root", "-crop", "%dx%d+%d+0" % (width, height, left),
                           "-depth", "8", "ppm:-"],
                          env=peers.env, capture_output=True, timeout=15).stdout


def strip(peers):
    """The RGB pixels of the panel's right end."""
    return ppm_pixels(capture(peers, END, PANEL, WIDTH - END))[2]


def words(peers):
    """The words on the upper right quarter of the screen (where the menus open)."""
    # Read at two sizes: GTK's menus read best three times larger, Qt's twice.
    shot = capture(peers, WIDTH // 2, HEIGHT // 2, WIDTH // 2)
    return screen_words(shot, WIDTH // 2, 0, 3) + screen_words(shot, WIDTH // 2, 0, 2)


def similar(a, b):
    """OCR misreads a letter now and then (Qt's menu font more than GTK's)."""
    return difflib.SequenceMatcher(None, a.lower(), b.lower()).ratio() >= 0.75


def find_word(found, word):
    return next(((x, y) for w, x, y in found if similar(w, word)), None)


def run_case(xembed):
    what = "XEmbed" if xembed else "StatusNotifierItem"
    with Peers() as peers:
        peers.start_display("%dx%d" % (WIDTH, HEIGHT))
        peers.start_window_manager()
        peers.start_pulse(("a",))
        if xembed:
            # A session bus on which nobody may own the watcher's name: the panel's notification
            # area then hosts XEmbed icons only, as an older panel does.
            config = os.path.join(peers.dir, "bus.conf")
            with open(config, "w") as f:
                f.write('<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN" '
                        '"http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">\n<busconfig>\n'
                        '<include>/usr/share/dbus-1/session.conf</include>\n<policy context="mandatory">'
                        '<deny own="org.kde.StatusNotifierWatcher"/></policy>\n</busconfig>\n')
            socket = os.path.join(peers.dir, "session-bus")
            bus = peers._spawn(["dbus-daemon", "--config-file=" + config, "--nofork", "--nopidfile",
                                "--print-address=1", "--address=unix:path=" + socket],
                               stdout=subprocess.PIPE, text=True)
            peers.env["DBUS_SESSION_BUS_ADDRESS"] = bus.stdout.readline().strip()
        else:
            peers.start_session_bus()
        channels = os.path.join(peers.env["XDG_CONFIG_HOME"], "xfce4", "xfconf", "xfce-perchannel-xml")
        os.makedirs(channels)
        shutil.copy(os.path.join(FIXTURES, "xfce4-panel", "xfce4-panel.xml"), channels)
        peers._spawn(["xfce4-panel", "--disable-wm-check"], stdout=subprocess.DEVNULL,
                     stderr=open(os.path.join(peers.dir, "xfce4-panel.log"), "w"))
        wait_for(lambda: peers.run(["xdotool", "search", "--class", "Xfce4-panel"]).stdout.strip(), 20,
                 "xfce4-panel")
        time.sleep(1)  # its first drawing
        before = strip(peers)
        base = peers.start_stream_server()
        peers.write_catalogue([{"name": "Lokaal", "stations": [{"name": "Toon MP3", "url": base + "/mp3"},
                                                               {"name": "Toon Ogg", "url": base + "/ogg"}]}])
        peers.start_zeffira()
        columns = wait_for(lambda: [WIDTH - END + x for x in changed_columns(before, strip(peers), END)], 20,
                           "the icon in the panel (%s)" % what)
        checks.check("%s: the icon shows in the panel's notification area" % what,
                     columns[-1] - columns[0] < 64, columns)
        icon_x = (columns[0] + columns[-1]) // 2

        # A click opens the station panel below the icon, wholly on screen.
        peers.run(["xdotool", "mousemove", str(icon_x), str(PANEL // 2), "click", "1"])
        window = wait_for(lambda: peers.run(["xdotool", "search", "--onlyvisible", "--name", "^Zeffira$"])
                          .stdout.split(), 15, "the station panel after a click on the icon (%s)" % what)[0]
        time.sleep(0.5)  # placed and sized
        geometry = dict(line.split("=") for line in peers.run(
            ["xdotool", "getwindowgeometry", "--shell", window]).stdout.split())
        x, y, w, h = (int(geometry[k]) for k in ("X", "Y", "WIDTH", "HEIGHT"))
        checks.check("%s: a click opens the panel just below the icon, wholly on screen" % what,
                     PANEL - 2 <= y <= PANEL + 40 and x >= 0 and x + w <= WIDTH and y + h <= HEIGHT
                     and x <= icon_x <= x + w + 40, (x, y, w, h, icon_x))
        # Real key input (XTEST): a key sent to the window itself (--window, XSendEvent) can reach
        # the panel's next showing as well and close it at once.
        peers.run(["xdotool", "key", "Escape"])
        wait_for(lambda: not peers.run(["xdotool", "search", "--onlyvisible", "--name", "^Zeffira$"]).stdout.strip(),
                 10, "Escape to close the panel")

        # The menu (drawn by the panel from the item's, or the XEmbed icon's own): read off the
        # screen, a category's submenu opened by pointing at it, and a station in it clicked.
        time.sleep(0.5)
        # A loaded machine may close the menu before the pointer gets there: then it is opened again.
        station = None
        for attempt in range(3):
            peers.run(["xdotool", "mousemove", str(icon_x), str(PANEL // 2), "click", "3"])
            shown = wait_for(lambda: (lambda found: found if find_word(found, "Lokaal") else None)(words(peers)),
                             15, "the panel's menu (%s)" % what)
            category = find_word(shown, "Lokaal")
            if attempt == 0:
                checks.check("%s: the menu shows its entries" % what,
                             all(any(similar(w, entry) for w, _, _ in shown)
                                 for entry in ("slaaptimer", "lokaal", "sluit")), [w for w, _, _ in shown])
            for _ in range(5):
                # Pointing at the category opens its submenu.
                peers.run(["xdotool", "mousemove", str(category[0] - 4), str(category[1]), "mousemove",
                           str(category[0]), str(category[1])])
                time.sleep(0.5)
                found = words(peers)
                station = find_word(found, "MP3")
                if station or not find_word(found, "Lokaal"):
                    break
            if station:
                break
            peers.run(["xdotool", "key", "Escape"])
        checks.check("%s: a category's submenu opens" % what, station is not None)
        if not station:
            return
        peers.run(["xdotool", "mousemove", str(station[0]), str(station[1]), "click", "1"])
        peers.wait_for_log("State: playing - Toon MP3", 20)
        checks.check("%s: a station chosen in the menu plays" % what, True)


for xembed in (False, True):
    run_case(xembed)
checks.finish()
