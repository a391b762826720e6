"""End to end: the tray application on a private X server and session bus. The media keys answer
from the start; the tray item and its menu are read and clicked over D-Bus as a desktop panel
would (the sleep timer's submenu among it); the label follows the setting and the playing state;
the views are loaded only by the first activation."""

import os
import sys
import time

try:
    import dbus
except ImportError:  # Debian's interpreter carries python3-dbus
    if sys.executable != "/usr/bin/python3" and os.path.exists("/usr/bin/python3"):
        os.execv("/usr/bin/python3", ["/usr/bin/python3"] + sys.argv)
    sys.exit("missing test component: python3-dbus")

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "support"))
from harness import Checks, Peers, require, wait_for  # noqa: E402

require("playerctl", "Xvfb")
checks = Checks()
SNI = "org.kde.StatusNotifierItem"


def sni_name(bus):
    names = [str(n) for n in bus.list_names() if str(n).startswith(SNI + "-")]
    return names[0] if names else None


def walk(layout, found):
    item_id, props, children = layout
    if "label" in props:
        found[str(props["label"]).replace("__", "_")] = (int(item_id), dict(props))
    for child in children:
        walk(child, found)
    return found


with Peers() as peers:
    peers.start_display()
    peers.start_pulse(("a",))
    peers.start_session_bus()
    peers.start_tray_watcher()
    base = peers.start_stream_server()
    peers.write_catalogue([{"name": "Lokaal", "stations": [
        {"name": "Toon MP3", "url": base + "/mp3"},
        {"name": "Toon Ogg", "url": base + "/ogg", "logo": base + "/logo.png"}]}])
    peers.write_settings({"showStationInMenuBar": True})
    music = os.path.join(peers.dir, "muziek")
    with open(os.path.join(peers.env["XDG_CONFIG_HOME"], "user-dirs.dirs"), "w") as f:
        f.write('XDG_MUSIC_DIR="%s"\n' % music)
    peers.start_zeffira()

    bus = dbus.bus.BusConnection(peers.env["DBUS_SESSION_BUS_ADDRESS"])
    name = wait_for(lambda: sni_name(bus), 20, "the tray item on the bus")
    item = bus.get_object(name, "/StatusNotifierItem")
    props = dbus.Interface(item, "org.freedesktop.DBus.Properties")

    def prop(key):
        return props.Get(SNI, key)

    checks.check("title", str(prop("Title")) == "Zeffira")
    checks.check("idle icon", str(prop("IconName")) == "zeffira-radio-symbolic", prop("IconName"))
    checks.check("no label while idle", str(prop("XAyatanaLabel")) == "")

    def mapped(fragment):
        with open("/proc/%d/maps" % peers.zeffira.pid) as maps:
            return fragment in maps.read()

    # An autostarted tray answers the keyboard's media keys before anyone clicks it.
    peers.command_until(["play-pause"], lambda: peers.run(["playerctl", "-p", "zeffira", "status"]).stdout.strip()
                        == "Playing", 10, "MPRIS to report Playing")
    checks.check("media keys answer before any activation", True)
    checks.check("play-pause started the first station", "Toon MP3" in peers.run(
        ["playerctl", "-p", "zeffira", "metadata", "xesam:title"]).stdout)
    checks.check("stop over MPRIS", peers.run(["playerctl", "-p", "zeffira", "stop"]).returncode == 0)
    wait_for(lambda: peers.run(["playerctl", "-p", "zeffira", "status"]).stdout.strip() == "Stopped", 10,
             "MPRIS to report Stopped")
    checks.check("no view toolkit mapped before the first activation",
                 not mapped("libQt6Quick") and not mapped("libQt6Qml") and not mapped("libzeffira_ui"))

    menu = dbus.Interface(bus.get_object(name, str(prop("Menu"))), "com.canonical.dbusmenu")
    entries = walk(menu.GetLayout(0, -1, [])[1], {})
    for label in ("Paneel openen", "Hervat", "Stop", "Lokaal", "Toon MP3", "Toon Ogg", "Instellingen...",
                  "Over Zeffira", "Sluit af"):
        checks.check("menu has " + label, label in entries, sorted(entries))

    menu.Event(entries["Toon Ogg"][0], "clicked", dbus.Int32(0, variant_level=1), dbus.UInt32(0))
    peers.wait_for_log("Player item ready to play")
    wait_for(lambda: str(prop("XAyatanaLabel")) == "Toon Ogg", 10, "the station name as label")
    checks.check("label shows the playing station", True)
    checks.check("antenna icon while playing", str(prop("IconName")) == "zeffira-antenna-symbolic")
    entries = walk(menu.GetLayout(0, -1, [])[1], {})
    checks.check("the playing station is checked in the menu",
                 int(entries["Toon Ogg"][1].get("toggle-state", 0)) == 1 and
                 int(entries["Toon MP3"][1].get("toggle-state", 0)) == 0)
    checks.check("play/pause entry says Pauzeer", "Pauzeer" in entries)

    # "Neem op" in the rewind submenu records the playing station into the music folder until
    # "Stop opname"; the tooltip says it records meanwhile.
    menu.Event(entries["Neem op"][0], "clicked", dbus.Int32(0, variant_level=1), dbus.UInt32(0))
    wait_for(lambda: "Neemt op" in str(prop("ToolTip")[3]), 10, "the tooltip to say it records")
    wait_for(lambda: "Stop opname" in walk(menu.GetLayout(0, -1, [])[1], {}), 10, "Stop opname in the menu")
    peers.wait_for_log("Recording ")
    time.sleep(2)
    menu.Event(walk(menu.GetLayout(0, -1, [])[1], {})["Stop opname"][0], "clicked",
               dbus.Int32(0, variant_level=1), dbus.UInt32(0))
    peers.wait_for_log("Recording saved")
    folder = os.path.join(music, "Zeffira", "Toon Ogg")
    saved = os.listdir(folder) if os.path.isdir(folder) else []
    checks.check("the tray's Neem op records the station into the music folder",
                 len(saved) == 1 and saved[0].endswith(".ogg") and os.path.getsize(os.path.join(folder, saved[0])) > 0,
                 saved)

    # The sleep timer's submenu: its choices with "Uit" marked; a click sets the timer, and the
    # submenu's title and the tooltip show the time left.
    choices = ["15 minuten", "30 minuten", "45 minuten", "60 minuten", "90 minuten", "Uit"]
    checks.check("menu has the sleep timer", "Slaaptimer" in entries and all(c in entries for c in choices),
                 sorted(entries))
    checks.check("Uit is marked", int(entries["Uit"][1].get("toggle-state", 0)) == 1)
    menu.Event(entries["30 minuten"][0], "clicked", dbus.Int32(0, variant_level=1), dbus.UInt32(0))
    wait_for(lambda: "Slaaptimer: 30 min" in str(prop("ToolTip")[3]), 10, "the sleep timer in the tooltip")
    peers.wait_for_log("Sleep timer set: 30 min")
    entries = walk(menu.GetLayout(0, -1, [])[1], {})
    checks.check("the submenu shows the time left", "Slaaptimer: 30 min" in entries, sorted(entries))
    checks.check("30 minuten is marked, Uit not",
                 int(entries["30 minuten"][1].get("toggle-state", 0)) == 1 and
                 int(entries["Uit"][1].get("toggle-state", 0)) == 0)
    menu.Event(entries["Uit"][0], "clicked", dbus.Int32(0, variant_level=1), dbus.UInt32(0))
    wait_for(lambda: "Slaaptimer" not in str(prop("ToolTip")[3]), 10, "the sleep timer to leave the tooltip")
    checks.check("Uit switches the timer off", "Sleep timer cancelled: switched off" in peers.log())

    peers.write_settings({"showStationInMenuBar": False})
    wait_for(lambda: str(prop("XAyatanaLabel")) == "", 10, "the label to go when the setting is off")
    checks.check("label follows the setting written from outside", True)
    peers.write_settings({"showStationInMenuBar": True})
    wait_for(lambda: str(prop("XAyatanaLabel")) == "Toon Ogg", 10, "the label to come back")
    checks.check("label comes back", True)

    dbus.Interface(item, SNI).Activate(200, 30)
    wait_for(lambda: mapped("libzeffira_ui"), 10, "the views library to load on the first activation")
    checks.check("the first activation loads the views", mapped("libQt6Quick"))
    # The panel shows the station's logo, fetched once and kept; the media controls show it too.
    art = wait_for(lambda: peers.run(["playerctl", "-p", "zeffira", "metadata", "mpris:artUrl"]).stdout.strip(),
                   15, "the station's logo as mpris:artUrl")
    kept = art[len("file://"):]
    checks.check("the logo is kept as a 64 px PNG in the cache, named as art",
                 art.startswith("file://" + os.path.join(peers.env["XDG_CACHE_HOME"], "Zeffira", "logos")) and
                 open(kept, "rb").read(24)[16:24] == (64).to_bytes(4, "big") + (32).to_bytes(4, "big"), art)
    peers.command_until(["pause"], lambda: str(prop("XAyatanaLabel")) == "" and str(prop("IconName")) == "zeffira-radio-symbolic",
                        10, "the label and icon of a paused station")
    checks.check("media controls answer", True)
    checks.check("paused: radio icon, no label", True)

    entries = walk(menu.GetLayout(0, -1, [])[1], {})
    menu.Event(entries["Sluit af"][0], "clicked", dbus.Int32(0, variant_level=1), dbus.UInt32(0))
    checks.check("Sluit af ends the program with exit code 0", peers.zeffira.wait(timeout=10) == 0)

    # Under an English locale the tray speaks English: the menu and the tooltip.
    for variable in ("LC_ALL", "LC_MESSAGES", "LANGUAGE"):
        peers.env.pop(variable, None)
    peers.env["LANG"] = "en_US.UTF-8"
    peers.start_zeffira()
    name = wait_for(lambda: sni_name(bus), 20, "the English tray item on the bus")
    item = bus.get_object(name, "/StatusNotifierItem")
    props = dbus.Interface(item, "org.freedesktop.DBus.Properties")
    menu = dbus.Interface(bus.get_object(name, str(prop("Menu"))), "com.canonical.dbusmenu")
    entries = walk(menu.GetLayout(0, -1, [])[1], {})
    for label in ("Open panel", "Resume", "Stop", "Settings...", "About Zeffira", "Quit"):
        checks.check("English menu has " + label, label in entries, sorted(entries))
    checks.check("no Dutch left in the English menu", not {"Paneel openen", "Sluit af"} & set(entries))
    checks.check("English tooltip", str(prop("ToolTip")[3]) == "No station chosen", prop("ToolTip"))
    menu.Event(entries["Quit"][0], "clicked", dbus.Int32(0, variant_level=1), dbus.UInt32(0))
    checks.check("Quit ends the English program", peers.zeffira.wait(timeout=10) == 0)

checks.finish()
