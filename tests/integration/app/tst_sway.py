"""End to end under a tiling Wayland compositor (sway, headless): a click on the tray item opens
the station panel, and sway floats it at its own size instead of tiling it over the whole
screen, which is what a tiling compositor does with an ordinary window."""

import json
import os
import shutil
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "support"))
from harness import Checks, Peers, require, wait_for  # noqa: E402

require("sway", "swaymsg", "gdbus")
checks = Checks()
SCREEN_W, SCREEN_H = 1280, 800

# sway refuses to run as root: as root, it runs as nobody in a folder of its own.
as_root = os.geteuid() == 0
sway_dir = tempfile.mkdtemp(prefix="zeffira-sway-")
try:
    with Peers() as peers:
        with open(os.path.join(sway_dir, "config"), "w") as f:
            f.write("output HEADLESS-1 resolution %dx%d\nxwayland disable\n" % (SCREEN_W, SCREEN_H))
        if as_root:
            shutil.chown(sway_dir, "nobody", "nogroup")
        sway_env = dict(peers.env, XDG_RUNTIME_DIR=sway_dir, HOME=sway_dir, WLR_BACKENDS="headless",
                        WLR_RENDERER="pixman", WLR_LIBINPUT_NO_DEVICES="1")
        prefix = ["setpriv", "--reuid=nobody", "--regid=nogroup", "--clear-groups"] if as_root else []
        peers.procs.append(subprocess.Popen(prefix + ["sway", "-c", os.path.join(sway_dir, "config")],
                                            env=sway_env, stdout=subprocess.DEVNULL,
                                            stderr=open(os.path.join(peers.dir, "sway.log"), "w")))
        socket = wait_for(lambda: next((os.path.join(sway_dir, n) for n in os.listdir(sway_dir)
                                        if n.startswith("sway-ipc.")), None), 15, "sway's IPC socket")
        wait_for(lambda: os.path.exists(os.path.join(sway_dir, "wayland-1")), 15, "sway's Wayland socket")
        peers.env.update(WAYLAND_DISPLAY=os.path.join(sway_dir, "wayland-1"), QT_QPA_PLATFORM="wayland")

        def tree():
            return json.loads(peers.run(["swaymsg", "-s", socket, "-t", "get_tree", "-r"]).stdout)

        def panel_node():
            """sway's node for the panel and whether it floats, or None while it is not mapped."""
            def search(node, floating):
                if node.get("name") == "Zeffira" and node.get("type") in ("con", "floating_con"):
                    return node, floating
                for child in node.get("nodes", []):
                    found = search(child, floating)
                    if found:
                        return found
                for child in node.get("floating_nodes", []):
                    found = search(child, True)
                    if found:
                        return found
                return None
            return search(tree(), False)

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

        node, floating = wait_for(panel_node, 20, "the panel to be mapped")
        rect = node["rect"]
        checks.check("sway floats the panel", floating, json.dumps(node)[:400])
        checks.check("at its own width", rect["width"] == 300, rect)
        checks.check("and its content's height, not the screen's", 0 < rect["height"] < SCREEN_H * 0.75, rect)
finally:
    shutil.rmtree(sway_dir, ignore_errors=True)

checks.finish()
