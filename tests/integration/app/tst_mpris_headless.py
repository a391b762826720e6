"""End to end: `zeffira --headless` on a local stream, driven through MPRIS by playerctl on a
private session bus, with its sound on a private PulseAudio daemon."""

import os
import signal
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "support"))
from harness import DEBOUNCED, Checks, Peers, require, wait_for  # noqa: E402

require("playerctl", "dbus-send", "parec")
checks = Checks()


def ctl(peers, *args):
    return peers.run(["playerctl", "-p", "zeffira"] + list(args))


def prop(peers, interface, name):
    out = peers.run(["dbus-send", "--session", "--print-reply", "--dest=org.mpris.MediaPlayer2.zeffira",
                     "/org/mpris/MediaPlayer2", "org.freedesktop.DBus.Properties.Get",
                     "string:" + interface, "string:" + name]).stdout
    return out.strip().splitlines()[-1].split()[-1].strip('"') if out.strip() else None


def answers(peers, expected, *query):
    return lambda: ctl(peers, *query).stdout.strip() == expected


with Peers() as peers:
    peers.start_pulse(("a", "b"))
    peers.start_session_bus()
    base = peers.start_stream_server()
    peers.write_catalogue([{"name": "Lokaal", "stations": [
        {"name": "Toon MP3", "url": base + "/mp3"},
        {"name": "Toon Ogg", "url": base + "/ogg"},
        {"name": "Toon AAC", "url": base + "/aac"}]}])
    peers.start_zeffira("--headless", "--play", "Toon Ogg")
    peers.wait_for_log("Player item ready to play")

    wait_for(lambda: ctl(peers, "status").stdout.strip() == "Playing", 10, "status Playing")
    checks.check("status is Playing", True)
    checks.check("title is the station name", ctl(peers, "metadata", "xesam:title").stdout.strip() == "Toon Ogg")
    checks.check("identity", prop(peers, "org.mpris.MediaPlayer2", "Identity") == "Zeffira")
    checks.check("can control", prop(peers, "org.mpris.MediaPlayer2.Player", "CanControl") == "true")
    # The tray's toolkit stays out of a headless player, also while it plays.
    with open("/proc/%d/maps" % peers.zeffira.pid) as maps:
        toolkit = sorted({line.split("/")[-1].strip() for line in maps
                          if "libQt6Gui" in line or "libQt6Widgets" in line or "libzeffira_tray" in line})
    checks.check("a headless player maps no Qt Gui or Widgets", not toolkit, ", ".join(toolkit))
    peak = peers.record("a", 3.0)
    checks.check("audio reaches the default sink", peak > 1000, "peak %d" % peak)

    # Each command is sent until the player takes it (the 0.3 s between accepted commands is
    # the unit tests' business) and then judged by its effect.
    peers.command_until(["play-pause"], answers(peers, "Paused", "status"), 5, "status Paused")
    checks.check("play-pause pauses", True)
    peers.command_until(["play-pause"], answers(peers, "Playing", "status"), 5, "status Playing again")
    checks.check("play-pause resumes", True)

    for command, expected in (("next", "Toon AAC"), ("next", "Toon MP3"), ("previous", "Toon AAC"),
                              ("previous", "Toon Ogg")):
        peers.command_until([command], answers(peers, expected, "metadata", "xesam:title"), 5,
                            command + " to " + expected)
        checks.check("%s plays %s" % (command, expected), True)

    peers.command_until(["volume", "0.25"], lambda: ctl(peers, "volume").stdout.strip().startswith("0.25"), 5,
                        "volume 0.25")
    checks.check("volume is written", True)
    peers.command_until(["volume", "7"], lambda: ctl(peers, "volume").stdout.strip().startswith("1.0"), 5,
                        "volume 1.0")
    checks.check("a volume above 1 is clamped", True)

    # Switched off from outside the process: every command is refused until it is back on.
    peers.write_settings({"enableMediaKeys": False})
    peers.wait_for_log("Media keys disabled")
    for command in (["play-pause"], ["stop"], ["volume", "0.5"], ["open", base + "/aac"]):
        refused = ctl(peers, *command)
        checks.check(command[0] + " refused while media keys are off",
                     refused.returncode != 0 and DEBOUNCED not in refused.stderr, refused.stderr)
    checks.check("nothing changed while off", ctl(peers, "status").stdout.strip() == "Playing" and
                 ctl(peers, "volume").stdout.strip().startswith("1.0"))
    checks.check("cannot control while off", prop(peers, "org.mpris.MediaPlayer2.Player", "CanControl") == "false")
    peers.write_settings({"enableMediaKeys": True})
    peers.wait_for_log("Media keys enabled")
    peers.command_until(["pause"], answers(peers, "Paused", "status"), 5, "status Paused once back on")
    checks.check("accepted once back on", True)

    peers.command_until(["stop"], answers(peers, "Stopped", "status"), 5, "status Stopped")
    checks.check("stop clears the metadata", ctl(peers, "metadata", "xesam:title").stdout.strip() == "")

    peers.zeffira.send_signal(signal.SIGTERM)
    checks.check("SIGTERM ends with exit code 0", peers.zeffira.wait(timeout=10) == 0)

checks.finish()
