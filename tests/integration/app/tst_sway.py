"""End to end under a tiling Wayland compositor (sway, headless): a click on the tray item opens
the station panel, and sway floats it at its own size instead of tiling it over the whole
screen, which is what a tiling compositor does with an ordinary window."""

import json
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "support"))
from harness import Checks, Peers, require, wait_for  # noqa: E402

require("sway", "swaymsg", "gdbus")
checks = Checks()
SCREEN_W, SCREEN_H = 1280, 800

with Peers() as peers:
    peers.start_sway(SCREEN_W, SCREEN_H)
    peers.env.update(QT_QPA_PLATFORM="wayland")
    peers.start_session_bus()
    peers.start_tray_watcher()
    peers.write_catalogue([{"name": "Lokaal", "stations": [
        {"name": "Een", "url": "http://127.0.0.1:9/een"}, {"name": "Twee", "url": "http://127.0.0.1:9/twee"},
        {"name": "Drie", "url": "http://127.0.0.1:9/drie"}]}])
    # Qt 6.4's Wayland text input needs a keyboard, which the headless seat lacks.
    peers.env["QT_IM_MODULE"] = "compose"
    peers.start_zeffira()
    item = wait_for(lambda: peers.tray_registrations(), 20, "the tray item to register")[0]
    result = peers.run(["gdbus", "call", "--session", "--dest", item, "--object-path", "/StatusNotifierItem",
                        "--method", "org.kde.StatusNotifierItem.Activate", str(SCREEN_W - 40), "10"])
    checks.check("the tray item takes the click", result.returncode == 0, result.stderr)

    node, floating = wait_for(lambda: peers.sway_window("Zeffira"), 20, "the panel to be mapped")
    rect = node["rect"]
    checks.check("sway floats the panel", floating, json.dumps(node)[:400])
    checks.check("at its own width", rect["width"] == 300, rect)
    checks.check("and its content's height, not the screen's", 0 < rect["height"] < SCREEN_H * 0.75, rect)

checks.finish()
