"""End to end in a real Wayland panel: waybar's tray on sway (headless), waybar being the
StatusNotifierWatcher itself. The item registers with it and its icon shows in the bar (read
back from a screenshot taken with grim). Clicks are not part of it yet: the pointer that sway's
`seat - cursor` commands move does not reach waybar's bar in this headless setup (tst_sway.py
opens the panel through the item's Activate instead)."""

import os
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "support"))
from harness import FIXTURES, Checks, Peers, changed_columns, ppm_pixels, require, wait_for  # noqa: E402

require("sway", "waybar", "grim", "gdbus")
checks = Checks()
WIDTH, HEIGHT, BAR = 1280, 800, 30

with Peers() as peers:
    peers.start_sway(WIDTH, HEIGHT)
    peers.start_pulse(("a",))
    peers.start_session_bus()

    def bar_end():
        """The RGB pixels of the bar's right end."""
        return ppm_pixels(subprocess.run(["grim", "-t", "ppm", "-g", "%d,0 200x%d" % (WIDTH - 200, BAR), "-"],
                                         env=peers.env, capture_output=True, timeout=15).stdout)[2]

    bar_config = os.path.join(FIXTURES, "waybar")
    peers._spawn(["waybar", "-c", os.path.join(bar_config, "config"), "-s", os.path.join(bar_config, "style.css")],
                 stdout=subprocess.DEVNULL, stderr=open(os.path.join(peers.dir, "waybar.log"), "w"))
    wait_for(lambda: peers.run(["gdbus", "introspect", "--session", "--dest", "org.kde.StatusNotifierWatcher",
                                "--object-path", "/StatusNotifierWatcher"]).returncode == 0, 20,
             "waybar's StatusNotifierWatcher")
    time.sleep(1)  # its first drawing
    before = bar_end()
    peers.write_catalogue([{"name": "Lokaal", "stations": [{"name": "Een", "url": "http://127.0.0.1:9/een"}]}])
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

checks.finish()
