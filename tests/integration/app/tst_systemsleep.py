"""End to end: system sleep and wake as logind announces them (python3-dbusmock's logind on a
private system bus), on `zeffira --headless` playing a local stream into a private PulseAudio
null sink, in English. The delay lock holds the sleep until the stream is paused at the sound server (corked),
even when the sleep comes during the stream's first second; wake restarts the station on a new
connection, as after a long sleep, and takes the lock again."""

import os
import re
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "support"))
from harness import Checks, Peers, require, wait_for  # noqa: E402

require("playerctl", "parec", "pactl", "gdbus")
checks = Checks()
# The reason is shown to the user (by systemd-inhibit, a desktop's power settings): translated.
LOCK = ("sleep", "Zeffira", "Pauses the radio before the system sleeps", "delay")


def corked(peers):
    """Whether the player's one stream at the sound server is corked (None: no stream)."""
    found = re.findall(r"Corked: (yes|no)", peers.run(["pactl", "list", "sink-inputs"]).stdout)
    return found[0] == "yes" if len(found) == 1 else None


with Peers() as peers:
    peers.start_pulse(("a",))
    peers.start_session_bus()
    peers.start_logind()
    base = peers.start_stream_server()
    peers.write_catalogue([{"name": "Lokaal", "stations": [{"name": "Toon MP3", "url": base + "/mp3"}]}])
    language = peers.env.get("LC_ALL", "C.UTF-8")
    peers.env["LC_ALL"] = "en_US.UTF-8"
    peers.start_zeffira("--headless", "--play", "Toon MP3")
    peers.env["LC_ALL"] = language

    def status():
        return peers.run(["playerctl", "-p", "zeffira", "status"]).stdout.strip()

    wait_for(lambda: peers.logind_inhibitors() == [LOCK], 20, "the delay lock at start")
    checks.check("takes the delay lock at start, its reason in the user's language (English)", True)

    # Sleep at once, while the stream is in its first second (the backend only mutes then and
    # pauses when the second is up): logind's lock must outlast the pause, not just the signal.
    peers.wait_for_log("Player item ready to play")
    peers.logind_sleep(True)
    order = []  # (lock held, stream corked) as seen until the lock went

    def lock_gone():
        held = bool(peers.logind_inhibitors())
        order.append((held, corked(peers)))
        return not held
    wait_for(lock_gone, 20, "the delay lock to go at sleep")
    checks.check("the lock goes only once the stream is corked", order[-1][1] is True, order)
    checks.check("... and as soon as the pause is reported, not at logind's limit",
                 "before the radio has paused" not in peers.log())
    checks.check("paused for sleep", status() == "Paused", status())
    peak = peers.record("a", 1.0)
    checks.check("silent while asleep", peak == 0, "peak %d" % peak)

    # A long sleep: the connection is not trusted; wake starts the station on a new one.
    before = peers.stream_requests.count("/mp3")
    peers.logind_sleep(False)
    wait_for(lambda: peers.stream_requests.count("/mp3") > before, 20, "a new connection after wake")
    wait_for(lambda: status() == "Playing", 20, "Playing after wake")
    checks.check("wake restarts the station on a new connection", True)
    peak = peers.record("a", 2.0)
    checks.check("audio after wake", peak > 1000, "peak %d" % peak)
    wait_for(lambda: peers.logind_inhibitors() == [LOCK], 20, "the delay lock after wake")
    checks.check("takes the lock again after wake", True)

checks.finish()
