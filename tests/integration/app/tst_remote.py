"""End to end: the tray application driven from scripts over the session bus. Without a running
player every remote option says so and exits 1; with one, each option acts on it and
--status --json reports the result; the sound reaches the null sink; refusals exit 1."""

import json
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "support"))
from harness import Checks, Peers, require, wait_for  # noqa: E402

require("Xvfb", "parec")
checks = Checks()
AUDIBLE = 1000
APP_ID = "nl.zeffira.Zeffira"

with Peers() as peers:
    peers.start_display()
    peers.start_pulse(("a",))
    peers.start_session_bus()
    peers.start_tray_watcher()
    base = peers.start_stream_server()
    peers.write_catalogue([{"name": "Lokaal", "stations": [
        {"name": "Toon MP3", "url": base + "/mp3"},
        {"name": "Titels", "url": base + "/icy"},
        {"name": "Toon Ogg", "url": base + "/ogg"}]}])
    binary = os.environ["ZEFFIRA_BINARY"]

    def zeffira(*args):
        return peers.run([binary] + list(args))

    for option in (["--status"], ["--play-pause"], ["--station", "Titels"], ["--volume", "20"]):
        result = zeffira(*option)
        checks.check("not running: %s exits 1 and says so" % option[0],
                     result.returncode == 1 and "draait niet" in result.stderr, (result.returncode, result.stderr))
    checks.check("not running: nothing was started", peers.run(
        ["dbus-send", "--session", "--print-reply", "--dest=org.freedesktop.DBus", "/org/freedesktop/DBus",
         "org.freedesktop.DBus.NameHasOwner", "string:" + APP_ID]).stdout.strip().endswith("false"))

    peers.start_zeffira("--sleep-timer", "30")

    def status():
        result = zeffira("--status", "--json")
        return json.loads(result.stdout) if result.returncode == 0 else None

    first = wait_for(status, 30, "the running player to answer --status")
    checks.check("status while idle", (first["state"], first["station"], first["volume"]) == ("idle", "", 50), first)
    checks.check("status carries the sleep timer", 1700 <= (first["sleepTimer"] or 0) <= 1800, first)

    def command_then(args, predicate, what):
        result = zeffira(*args)
        if result.returncode != 0:
            raise AssertionError("%s exited %d: %s" % (" ".join(args), result.returncode, result.stderr))
        return wait_for(lambda: (lambda s: s if s and predicate(s) else None)(status()), 20, what)

    now = command_then(["--station", "titels"], lambda s: s["state"] == "playing" and s["title"],
                       "Titels to play with a title")
    checks.check("--station plays it (any case)", now["station"] == "Titels" and now["url"] == base + "/icy", now)
    checks.check("--status reports the song title", now["title"] in ("First Title", "Second Title"), now)
    checks.check("the station is heard", peers.record("a", 1.5) > AUDIBLE)
    command_then(["--volume", "20"], lambda s: s["volume"] == 20, "the volume to be 20")
    checks.check("--volume sets it", True)
    now = command_then(["--next"], lambda s: s["station"] == "Toon Ogg" and s["state"] == "playing", "the next station")
    checks.check("--next plays the next station", True)
    command_then(["--previous"], lambda s: s["station"] == "Titels", "the previous station")
    checks.check("--previous plays the previous station", True)
    command_then(["--play-pause"], lambda s: s["state"] == "paused", "the pause")
    checks.check("--play-pause pauses", peers.record("a", 1.0) < AUDIBLE)
    command_then(["--play-pause"], lambda s: s["state"] == "playing", "playing again")
    checks.check("--play-pause resumes", True)
    text = zeffira("--status").stdout
    checks.check("plain --status reads as lines", "Station: Titels\nToestand: speelt\n" in text, text)
    command_then(["--stop"], lambda s: s["state"] == "idle", "the stop")
    checks.check("--stop stops", peers.record("a", 1.0) < AUDIBLE)

    for args, why in ((["--station", "Bestaat niet"], "geen station met de naam"),):
        result = zeffira(*args)
        checks.check("refused: %s exits 1 and says why" % " ".join(args),
                     result.returncode == 1 and why in result.stderr, (result.returncode, result.stderr))
    for args in (["--volume", "101"], ["--volume", "x"], ["--stop", "--next"], ["--json"], ["--next", "http://x/"]):
        checks.check("usage error: %s exits 2" % " ".join(args), zeffira(*args).returncode == 2)
    checks.check("the player still runs", peers.zeffira.poll() is None)

checks.finish()
