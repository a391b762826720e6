"""End to end: the tray application on a private X server, session bus and a NetworkManager mock,
with stations from the local server. Station changes fired at the tray menu as fast as the bus
takes them end on the last choice; offline, a failure does not walk the catalogue and the tooltip
says so, and the station plays when the network returns; a station that failed is tried again
when the user picks it; song titles reach the tooltip and, when switched on, a desktop
notification."""

import os
import re
import sys

try:
    import dbus
except ImportError:  # Debian's interpreter carries python3-dbus
    if sys.executable != "/usr/bin/python3" and os.path.exists("/usr/bin/python3"):
        os.execv("/usr/bin/python3", ["/usr/bin/python3"] + sys.argv)
    sys.exit("missing test component: python3-dbus")

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "support"))
from harness import Checks, Peers, menu_ids, require, wait_for  # noqa: E402

require("playerctl", "Xvfb", "parec")
checks = Checks()
SNI = "org.kde.StatusNotifierItem"
AUDIBLE = 1000
CLICKS = 400
NM_CONNECTED, NM_DISCONNECTED = 70, 20


def sni_name(bus):
    names = [str(n) for n in bus.list_names() if str(n).startswith(SNI + "-")]
    return names[0] if names else None


def last_state(peers):
    states = re.findall(r"State: (.*)", peers.log())
    return states[-1] if states else ""


with Peers() as peers:
    peers.start_display()
    peers.start_pulse(("a",))
    peers.start_session_bus()
    peers.start_tray_watcher()
    peers.start_network_manager(NM_CONNECTED)
    peers.start_notification_daemon()
    base = peers.start_stream_server()
    flaky = "http://127.0.0.1:%s/mp3" % peers.fixture("/flaky-port")
    peers.write_catalogue([{"name": "Lokaal", "stations": [
        {"name": "Toon MP3", "url": base + "/mp3"},
        {"name": "Toon Ogg", "url": base + "/ogg"},
        {"name": "Wankel", "url": flaky},
        {"name": "Toon AAC", "url": base + "/aac"},
        {"name": "Titels", "url": base + "/icy"}]}])
    peers.write_settings({"notifyOnNewTitle": True})
    peers.start_zeffira()

    bus = dbus.bus.BusConnection(peers.env["DBUS_SESSION_BUS_ADDRESS"])
    name = wait_for(lambda: sni_name(bus), 20, "the tray item on the bus")
    item = bus.get_object(name, "/StatusNotifierItem")
    props = dbus.Interface(item, "org.freedesktop.DBus.Properties")
    menu = dbus.Interface(bus.get_object(name, str(props.Get(SNI, "Menu"))), "com.canonical.dbusmenu")
    entries = menu_ids(menu.GetLayout(0, -1, [])[1])

    def click(label, wait=True):
        menu.Event(entries[label], "clicked", dbus.Int32(0, variant_level=1), dbus.UInt32(0), ignore_reply=not wait)

    def tooltip():
        return str(props.Get(SNI, "ToolTip")[3])

    def mpris(field):
        return peers.run(["playerctl", "-p", "zeffira", "metadata", field]).stdout.strip()

    def mapped(fragment):
        with open("/proc/%d/maps" % peers.zeffira.pid) as maps:
            return fragment in maps.read()

    checks.check("an idle tray maps no network library", not mapped("libQt6Network") and
                 not mapped("libzeffira_network"))

    # A burst of station changes, each sent without waiting for the one before; then a last one.
    for i in range(CLICKS):
        click("Toon MP3" if i % 2 else "Toon Ogg", wait=False)
    click("Toon AAC")
    wait_for(lambda: last_state(peers) == "playing - Toon AAC", 60, "the last choice to play")
    checks.check("%d station changes: still running" % CLICKS, peers.zeffira.poll() is None)
    checks.check("the last choice plays", mpris("xesam:title") == "Toon AAC" and peers.record("a", 2.0) > AUDIBLE)
    checks.check("tooltip names it", tooltip() == "Toon AAC", tooltip())
    checks.check("no failure in the burst", "failed" not in "".join(re.findall(r"State: .*", peers.log())))
    checks.check("the first stream loads the network library", mapped("libzeffira_network"))

    # Offline: the chosen station fails, nothing is walked, the tooltip says why.
    peers.fixture("/flaky/refuse?seconds=600")
    peers.set_network_state(NM_DISCONNECTED)
    peers.wait_for_log("Network connection lost")
    click("Wankel")
    peers.wait_for_log("No network connection; Wankel starts again when it is back")
    wait_for(lambda: "Geen netwerkverbinding" in tooltip(), 10, "the tooltip to say there is no network")
    checks.check("offline: tooltip", tooltip() == "Wankel (mislukt)<br/>Geen netwerkverbinding", tooltip())
    checks.check("offline: the catalogue is not walked", "attempting to skip" not in peers.log())
    checks.check("offline: the station stays chosen", mpris("xesam:title") == "Wankel")

    # The network and the station come back: it plays without anyone clicking.
    peers.fixture("/flaky/refuse?seconds=0")
    peers.set_network_state(NM_CONNECTED)
    peers.wait_for_log("Network connection is back; starting Wankel again")
    wait_for(lambda: last_state(peers) == "playing - Wankel", 20, "Wankel to play again")
    checks.check("back online: it plays", peers.record("a", 2.0) > AUDIBLE)
    checks.check("back online: the tooltip has no error", tooltip() == "Wankel", tooltip())

    # Online, the station fails and is skipped; picked again once it works, it plays.
    peers.fixture("/flaky/refuse?seconds=600")
    click("Toon MP3")
    wait_for(lambda: last_state(peers) == "playing - Toon MP3", 20, "Toon MP3")
    click("Wankel")
    wait_for(lambda: last_state(peers) == "playing - Toon AAC", 20, "the skip to the station after Wankel")
    checks.check("online, a failure skips", "Playback error detected, attempting to skip" in peers.log())
    peers.fixture("/flaky/refuse?seconds=0")
    click("Wankel")
    peers.wait_for_log("Station Wankel failed before; trying it again as chosen")
    wait_for(lambda: last_state(peers) == "playing - Wankel", 20, "Wankel, picked again")
    checks.check("a failed station picked again plays", peers.record("a", 2.0) > AUDIBLE)

    # Each new song title: a desktop notification that replaces the one before.
    notifications = dbus.Interface(bus.get_object("org.freedesktop.Notifications", "/org/freedesktop/Notifications"),
                                   "org.freedesktop.DBus.Mock")
    click("Titels")

    def notified():
        return [(int(args[1]), str(args[3]), str(args[4])) for _, method, args in notifications.GetCalls()
                if method == "Notify"]
    wait_for(lambda: len(notified()) >= 2, 20, "two song notifications")
    calls = notified()
    checks.check("a notification per new title", [c[1:] for c in calls[:2]] ==
                 [("First Title", "Titels"), ("Second Title", "Titels")], calls)
    checks.check("each replaces the one before", calls[0][0] == 0 and calls[1][0] != 0, calls)
    tip = tooltip()
    checks.check("the tooltip carries the title", tip in ("Titels<br/>First Title", "Titels<br/>Second Title"), tip)

    entries = menu_ids(menu.GetLayout(0, -1, [])[1])
    click("Sluit af")
    checks.check("ends with exit code 0", peers.zeffira.wait(timeout=10) == 0)

checks.finish()
