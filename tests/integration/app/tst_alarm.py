"""End to end: alarms on the null sink. A headless player given --alarm waits in silence and then
fades its station in over --fade to --alarm-volume. In the running tray application, an alarm 0.2 minutes ahead set from the
command line takes over from a paused player and a running sleep timer and fades its station
in, and the tray's tooltip names it while it waits; when every station is dead the chime is
heard instead, until --stop. Last, the tray menu's alarm entry opens the settings on the Wekker
page, where an alarm added from the keyboard is stored and named by the tooltip and the menu."""

import json
import os
import re
import sys
import time
from datetime import datetime, timedelta

try:
    import dbus
except ImportError:  # Debian's interpreter carries python3-dbus
    if sys.executable != "/usr/bin/python3" and os.path.exists("/usr/bin/python3"):
        os.execv("/usr/bin/python3", ["/usr/bin/python3"] + sys.argv)
    sys.exit("missing test component: python3-dbus")

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "support"))
from harness import Checks, Peers, menu_ids, require, wait_for  # noqa: E402

require("Xvfb", "openbox", "xdotool", "parec", "playerctl")
checks = Checks()
AUDIBLE = 1000
SNI = "org.kde.StatusNotifierItem"

with Peers() as peers:
    peers.start_display()
    peers.start_window_manager()
    peers.start_pulse(("a",))
    peers.start_session_bus()
    peers.start_tray_watcher()
    peers.start_stream_server()
    flaky = "http://127.0.0.1:%s/mp3" % peers.fixture("/flaky-port")
    peers.write_catalogue([{"name": "Lokaal", "stations": [
        {"name": "Wankel", "url": flaky},
        {"name": "Dood", "url": "http://127.0.0.1:9/dood"}]}])
    binary = os.environ["ZEFFIRA_BINARY"]

    # Headless, 6 s ahead, with its own fade and volume: silence until the alarm, then the
    # station fading in to 80 %, which MPRIS reports.
    headless = peers.start_zeffira("--headless", "--play", "Wankel", "--alarm", "+0.1", "--fade", "4",
                                   "--alarm-volume", "80")
    peers.wait_for_log("(fade 4 s, volume 80)", 15)
    waiting = peers.record("a", 2.5)
    peers.wait_for_log("Alarm: playing Wankel", 15)
    rising = peers.record("a", 1.0)
    peers.wait_for_log("Alarm: faded in", 15)
    full = peers.record("a", 1.0)
    print("headless alarm peaks: %d while waiting, %d in its first second, %d faded in" % (waiting, rising, full))
    checks.check("headless: silent until the alarm", waiting < 50, waiting)
    checks.check("headless: then it fades in", full > AUDIBLE and rising < full / 2, (rising, full))
    volume = peers.run(["playerctl", "-p", "zeffira", "volume"]).stdout.strip()
    checks.check("headless: at the alarm's volume", volume == "0.800000", volume)
    headless.terminate()
    checks.check("headless: ends with 0 on SIGTERM", headless.wait(timeout=10) == 0)

    peers.start_zeffira("--sleep-timer", "30")

    def zeffira(*args):
        result = peers.run([binary] + list(args))
        if result.returncode != 0:
            raise AssertionError("zeffira %s exited %d: %s" % (" ".join(args), result.returncode, result.stderr))
        return result.stdout

    def status():
        result = peers.run([binary, "--status", "--json"])
        return json.loads(result.stdout) if result.returncode == 0 else None

    wait_for(status, 30, "the running player")
    zeffira("--station", "Wankel")
    wait_for(lambda: status()["state"] == "playing", 20, "Wankel to play")
    zeffira("--play-pause")
    wait_for(lambda: status()["state"] == "paused", 20, "the pause")

    # An alarm 12 s ahead: it waits in the settings file and shows in --status.
    zeffira("--alarm", "+0.2", "--station", "Wankel")
    with open(peers.settings_path()) as f:
        stored = json.load(f).get("alarms", [])
    checks.check("the alarm is stored", len(stored) == 1 and stored[0]["station"] == "Wankel", stored)
    checks.check("--status shows the alarm", re.fullmatch(r"\d\d:\d\d", status()["alarm"] or ""), status())
    bus = dbus.bus.BusConnection(peers.env["DBUS_SESSION_BUS_ADDRESS"])
    item = [str(n) for n in bus.list_names() if str(n).startswith(SNI + "-")][0]
    properties = dbus.Interface(bus.get_object(item, "/StatusNotifierItem"), "org.freedesktop.DBus.Properties")

    def tooltip():
        return str(properties.Get(SNI, "ToolTip")[3])
    tip = tooltip()
    checks.check("the tooltip names the alarm", tip.endswith("Wekker: " + status()["alarm"]), tip)
    peers.wait_for_log("Alarm: playing Wankel", 30)
    now = wait_for(lambda: (lambda s: s if s["state"] == "playing" else None)(status()), 20, "the alarm's station")
    checks.check("the alarm plays its station, paused before", now["station"] == "Wankel", now)
    checks.check("the alarm switched the sleep timer off", now["sleepTimer"] is None, now)
    early = peers.record("a", 2.0)

    time.sleep(6)
    later = peers.record("a", 2.0)
    print("fade-in peaks: %d in the first 2 s, %d at 8-10 s" % (early, later))
    checks.check("it fades in: louder after 8 s", later > 3 * max(early, 1) and later > 150, (early, later))
    checks.check("still below the alarm's full volume (60 s fade)", later < 2048 * 0.5, later)
    with open(peers.settings_path()) as f:
        checks.check("a one-off is gone once it rang", json.load(f).get("alarms") == [])
    checks.check("no alarm is left in --status", status()["alarm"] is None, status())

    # Every station dead: the chime sounds once nothing played for 20 s, and --stop ends it.
    peers.fixture("/flaky/refuse?seconds=600")
    zeffira("--stop")
    zeffira("--alarm", "+0.2", "--station", "Dood")
    peers.wait_for_log("Alarm: playing Dood", 30)
    peers.wait_for_log("chiming", 40)
    checks.check("nothing played", status()["state"] != "playing", status())
    chime = peers.record("a", 2.0)
    checks.check("the chime is heard", chime > AUDIBLE, chime)
    zeffira("--stop")
    time.sleep(0.5)
    checks.check("--stop silences it", peers.record("a", 1.5) < AUDIBLE)
    checks.check("the player still runs", peers.zeffira.poll() is None)

    # The tray menu's alarm entry opens the Wekker page, whose add button has the keyboard.
    def xdo(*args):
        return peers.run(["xdotool"] + list(args))

    def menu_entries():
        return menu_ids(menu.GetLayout(0, -1, [])[1])

    menu = dbus.Interface(bus.get_object(item, str(properties.Get(SNI, "Menu"))), "com.canonical.dbusmenu")
    entries = menu_entries()
    checks.check("the tray menu offers to set an alarm", "Wekker instellen..." in entries, sorted(entries))
    menu.Event(entries["Wekker instellen..."], "clicked", dbus.Int32(0, variant_level=1), dbus.UInt32(0))
    window = wait_for(lambda: (xdo("search", "--onlyvisible", "--name", "^Instellingen$").stdout.split() or [None])[0],
                      20, "the settings window")
    wait_for(lambda: xdo("getactivewindow").stdout.strip() == window, 10, "the keyboard in the settings")
    ahead = (datetime.now() + timedelta(hours=2)).strftime("%H:%M")
    xdo("key", "space")
    time.sleep(0.5)  # the sheet opens with its time field selected
    xdo("type", "--delay", "20", ahead)
    xdo("key", "Return")

    def stored_alarms():
        with open(peers.settings_path()) as f:
            return json.load(f).get("alarms")
    wait_for(lambda: stored_alarms(), 10, "the alarm in the settings file")
    checks.check("the page stores the alarm: working days, last station, 60 s fade",
                 stored_alarms() == [{"time": ahead, "days": [1, 2, 3, 4, 5], "station": "", "fadeSeconds": 60,
                                      "volume": 50, "enabled": True}], stored_alarms())
    wait_for(lambda: tooltip().endswith("Wekker: " + ahead), 10, "the tooltip to name the alarm")
    checks.check("the tooltip names the page's alarm", True)
    checks.check("the menu names it too", "Wekker: " + ahead in menu_entries(), sorted(menu_entries()))

checks.finish()
