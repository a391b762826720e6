"""End to end under a Wayland compositor (weston, headless): the program starts on Qt's Wayland
platform, offers MPRIS, shows its panel as a window while no tray host runs (the compositor
configures the toplevel and the program draws into it, as the protocol log shows), and registers
its tray item with a StatusNotifierWatcher that appears later."""

import os
import re
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "support"))
from harness import Checks, Peers, require, wait_for  # noqa: E402

require("playerctl", "weston")
checks = Checks()

with Peers() as peers:
    peers.start_wayland()
    peers.start_session_bus()
    # The client's side of the protocol, on the program's standard error.
    peers.env["WAYLAND_DEBUG"] = "client"
    # The headless compositor has no seat, and Qt 6.4's Wayland text input dereferences the
    # missing keyboard when a text field is made; desktops always have a seat.
    peers.env["QT_IM_MODULE"] = "compose"
    peers.start_zeffira()

    def mapped_toplevel():
        log = peers.log()
        title = re.search(r"xdg_toplevel@(\d+)\.set_title\(\"Zeffira\"\)", log)
        if not title:
            return False
        after = log[title.end():]
        # The compositor's configure, our ack, then a buffer committed to the surface.
        return ("xdg_toplevel@%s.configure(" % title.group(1) in after and "ack_configure(" in after
                and re.search(r"wl_surface@\d+\.attach\(wl_buffer@\d+", after) is not None)

    wait_for(lambda: "wl_display@1" in peers.log(), 20, "the program to talk to the compositor")
    checks.check("runs on the Wayland platform", "wl_display@1" in peers.log())
    wait_for(lambda: peers.run(["playerctl", "-p", "zeffira", "status"]).returncode == 0, 20, "MPRIS")
    checks.check("MPRIS on the bus", True)
    wait_for(mapped_toplevel, 30, "the window titled Zeffira to be configured and drawn")
    checks.check("no tray host: the window is configured by the compositor and drawn", True)

    peers.start_tray_watcher()
    wait_for(lambda: peers.tray_registrations(), 15, "the tray item to register")
    checks.check("the tray item registers with the watcher", peers.tray_registrations()[0].startswith(
        "org.kde.StatusNotifierItem-"))
    checks.check("still running", peers.zeffira.poll() is None)

checks.finish()
