"""End to end in a real Wayland panel: waybar's tray on sway (headless), waybar being the
StatusNotifierWatcher itself. The item registers with it and its icon shows in the bar (read
back from a screenshot taken with grim). Then sway's own pointer, moved and clicked with its
`seat - cursor` commands (the headless seat has a pointer once a virtual one is added): a left
click on the icon opens the station panel, which sway floats at its own size; a second closes
it; a right click opens the menu waybar draws from the item's menu, read off the screen, and a
station chosen in a category's submenu plays."""

import os
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "support"))
from harness import FIXTURES, Checks, Peers, changed_columns, ppm_pixels, require, screen_words, wait_for  # noqa: E402,E501

require("sway", "swaymsg", "waybar", "grim", "gdbus", "tesseract", "playerctl")
checks = Checks()
WIDTH, HEIGHT, BAR = 1280, 800, 30
BACKGROUND = bytes.fromhex("f4f3f1")  # the bar's, in the style sheet
MENU = 480  # the width at the screen's right end where the menu and its submenus open

with Peers() as peers:
    peers.start_sway(WIDTH, HEIGHT)
    peers.add_sway_pointer()
    peers.start_pulse(("a",))
    peers.start_session_bus()

    def capture(left, width, height):
        """The screen's pixels from (left, 0), as a PPM."""
        return subprocess.run(["grim", "-t", "ppm", "-g", "%d,0 %dx%d" % (left, width, height), "-"],
                              env=peers.env, capture_output=True, timeout=15).stdout

    def bar_end():
        """The RGB pixels of the bar's right end."""
        return ppm_pixels(capture(WIDTH - 200, 200, BAR))[2]

    def menu_places(*words):
        """Where each of `words` shows in the screen's upper right part, or None unless all do."""
        found = {w.lower(): (x, y) for w, x, y in screen_words(capture(WIDTH - MENU, MENU, HEIGHT // 2),
                                                               WIDTH - MENU, 0)}
        places = [found.get(word.lower()) for word in words]
        return places if all(places) else None

    bar_config = os.path.join(FIXTURES, "waybar")
    peers._spawn(["waybar", "-c", os.path.join(bar_config, "config"), "-s", os.path.join(bar_config, "style.css")],
                 stdout=subprocess.DEVNULL, stderr=open(os.path.join(peers.dir, "waybar.log"), "w"))
    wait_for(lambda: peers.run(["gdbus", "introspect", "--session", "--dest", "org.kde.StatusNotifierWatcher",
                                "--object-path", "/StatusNotifierWatcher"]).returncode == 0, 20,
             "waybar's StatusNotifierWatcher")
    before = BACKGROUND * (200 * BAR)
    wait_for(lambda: bar_end() == before, 20, "the bar's first drawing")
    base = peers.start_stream_server()
    peers.write_catalogue([{"name": "Lokaal", "stations": [{"name": "Toon MP3", "url": base + "/mp3"},
                                                           {"name": "Toon Ogg", "url": base + "/ogg"}]}])
    peers.env.update(QT_QPA_PLATFORM="wayland", QT_IM_MODULE="compose")
    peers.start_zeffira()

    def registered():
        out = peers.run(["gdbus", "call", "--session", "--dest", "org.kde.StatusNotifierWatcher",
                         "--object-path", "/StatusNotifierWatcher", "--method",
                         "org.freedesktop.DBus.Properties.Get", "org.kde.StatusNotifierWatcher",
                         "RegisteredStatusNotifierItems"]).stdout
        return "StatusNotifierItem" in out
    wait_for(registered, 20, "the item registered with waybar")
    checks.check("the item registers with waybar", True)

    columns = wait_for(lambda: changed_columns(before, bar_end(), 200), 20, "the icon in the bar")
    checks.check("its icon shows in the bar", columns[-1] - columns[0] < 48, columns)
    icon_x = WIDTH - 200 + (columns[0] + columns[-1]) // 2

    peers.sway_click(icon_x, BAR // 2, 1)
    node, floating = wait_for(lambda: peers.sway_window("Zeffira"), 20, "the panel after a click on the icon")
    rect = node["rect"]
    checks.check("a left click opens the panel, floating at its own size",
                 floating and node.get("app_id") == "nl.zeffira.Zeffira" and rect["width"] == 300
                 and 0 < rect["height"] < HEIGHT * 0.75, (floating, node.get("app_id"), rect))
    peers.sway_click(icon_x, BAR // 2, 1)
    wait_for(lambda: not peers.sway_window("Zeffira"), 20, "the panel to close on a second click")
    checks.check("a second click closes it", True)

    # The menu waybar builds from the item's: a category's submenu opens when pointed at.
    peers.sway_click(icon_x, BAR // 2, 3)
    category = wait_for(lambda: menu_places("Lokaal", "Slaaptimer", "Sluit"), 30, "waybar's menu of the item")[0]
    checks.check("a right click opens the menu with its entries", True)

    def submenu():
        """The station's place in the category's submenu, the pointer moved onto the category."""
        for dx in (-4, 0):
            peers.sway_click(category[0] + dx, category[1])
        return menu_places("MP3")
    station = wait_for(submenu, 30, "the category's submenu")[0]
    peers.sway_click(station[0], station[1], 1)

    def playing():
        out = peers.run(["playerctl", "-p", "zeffira", "metadata", "--format", "{{status}} {{xesam:url}}"]).stdout
        return out.split() == ["Playing", base + "/mp3"]
    wait_for(playing, 30, "the station chosen in the menu to play")
    checks.check("a station chosen in the category's submenu plays", True)

checks.finish()
