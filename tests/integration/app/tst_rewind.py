"""End to end: live rewind in the real player, headless, driven over MPRIS by playerctl and heard
on a private PulseAudio null sink. The station (/clock) plays a tone whose frequency steps every
second, the same second on every connection, so what the sink hears tells which moment of the
stream plays. Pause 5 s and play goes on at the paused moment, not live; MPRIS then shows the
buffer (CanSeek, Position about 5 s short of mpris:length); Seek back plays the earlier moment;
forward past the end is live again. A stale buffer in $XDG_CACHE_HOME/Zeffira/timeshift is
removed when the first station starts, and the new one is written there."""

import os
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "support"))
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "fixtures"))
from harness import Checks, Peers, require, wait_for  # noqa: E402
from stream_server import CLOCK_BASE, CLOCK_STEP, CLOCK_STEPS  # noqa: E402

require("playerctl", "parec")
checks = Checks()
RATE = 44100


def ctl(peers, *args):
    return peers.run(["playerctl", "-p", "zeffira"] + list(args)).stdout.strip()


def heard(peers, seconds=1.6):
    """The clock second that the sink hears (a float step, read from the tone's zero crossings over
    0.4 s from the first sound) and the monotonic time it was heard at; None without sound."""
    samples = peers.recording("a", seconds, channels=1)
    # Timed from the end: parec's start-up can take a second on a busy machine, its end does not.
    ended = time.monotonic()
    first = next((i for i in range(0, len(samples), 441) if max(map(abs, samples[i:i + 441])) > 1000), None)
    if first is None or first + int(0.5 * RATE) > len(samples):
        return None, None
    window = samples[first + int(0.05 * RATE):first + int(0.45 * RATE)]
    crossings = sum(1 for a, b in zip(window, window[1:]) if (a < 0) != (b < 0))
    frequency = crossings / 2 / (len(window) / RATE)
    return (frequency - CLOCK_BASE) / CLOCK_STEP, ended - (len(samples) - first - 0.25 * RATE) / RATE


def apart(a, b):
    """a - b in clock seconds, on the clock's circle of CLOCK_STEPS."""
    return (a - b + CLOCK_STEPS / 2) % CLOCK_STEPS - CLOCK_STEPS / 2


def behind(peers):
    """mpris:length minus Position, in seconds."""
    return int(ctl(peers, "metadata", "mpris:length") or 0) / 1e6 - float(ctl(peers, "position") or 0)


with Peers() as peers:
    peers.start_pulse(("a",))
    peers.start_session_bus()
    base = peers.start_stream_server()
    peers.write_catalogue([{"name": "Lokaal", "stations": [{"name": "Klok", "url": base + "/clock"},
                                                          {"name": "Ogg", "url": base + "/ogg"}]}])
    peers.write_settings({"playerVolume": 1.0, "loudnessLeveling": False})
    folder = os.path.join(peers.env["XDG_CACHE_HOME"], "Zeffira", "timeshift")
    os.makedirs(folder)
    stale = os.path.join(folder, "segment-00000042.bin")
    with open(stale, "wb") as f:
        f.write(b"left by a previous run")

    peers.start_zeffira("--headless", "--play", "Klok")
    peers.wait_for_log("Player item ready to play")
    wait_for(lambda: ctl(peers, "status") == "Playing", 10, "status Playing")
    checks.check("the stale buffer is removed", wait_for(lambda: not os.path.exists(stale), 10, "stale gone"))
    checks.check("the new buffer is written there",
                 wait_for(lambda: any(n.startswith("segment-") for n in os.listdir(folder)), 10, "a segment"))

    time.sleep(2)
    live_before, at = heard(peers)
    checks.check("live is heard", live_before is not None)

    peers.command_until(["pause"], lambda: ctl(peers, "status") == "Paused", 5, "status Paused")
    paused_at = time.monotonic()
    time.sleep(5)
    peers.command_until(["play"], lambda: ctl(peers, "status") == "Playing", 5, "status Playing")
    resumed_at = time.monotonic()
    step, at = heard(peers, 4)
    if step is None:
        print(peers.log()[-4000:])
        at = resumed_at
    # Paused 5 s: near what was heard just before the pause (the commands take a moment), not
    # live, which is 5 s and more on.
    print("before the pause: heard %s; after it: %s" % (live_before, step))
    checks.check("play goes on at the paused moment, not live",
                 step is not None and -0.5 <= apart(step, live_before) <= 3.0, (live_before, step))
    checks.check("MPRIS can seek while a buffer exists",
                 peers.run(["dbus-send", "--session", "--print-reply", "--dest=org.mpris.MediaPlayer2.zeffira",
                            "/org/mpris/MediaPlayer2", "org.freedesktop.DBus.Properties.Get",
                            "string:org.mpris.MediaPlayer2.Player", "string:CanSeek"]).stdout.strip().endswith("true"))
    late = behind(peers)
    print("MPRIS: %.2f s behind the buffer's end" % late)
    checks.check("MPRIS Position is about 5 s short of mpris:length", 4.0 <= late <= 7.5, late)

    # Seek back 6 s: the tone 6 s earlier than what played.
    before, before_at = step, at
    ctl(peers, "position", "6-")
    step, at = heard(peers, 4)
    expected = before + ((at or before_at) - before_at) - 6
    print("after Seek -6 s: heard %s, expected %.2f" % (step, expected))
    checks.check("Seek back plays the earlier moment", step is not None and abs(apart(step, expected)) < 1.5,
                 (step, expected))
    further = behind(peers)
    checks.check("MPRIS shows the further distance", 10.0 <= further <= 13.5, further)
    before, before_at = step, at

    # Forward past the end: live.
    ctl(peers, "position", "60+")
    peers.wait_for_log("Rewind: back to live")
    step, at = heard(peers, 4)
    at = at or time.monotonic()
    expected = before + (at - before_at) + further
    print("after Seek past the end: heard %s, live %.2f" % (step, expected))
    checks.check("forward past the end is live", step is not None and abs(apart(step, expected)) < 1.5,
                 (step, expected))
    checks.check("MPRIS: live is the buffer's end", abs(behind(peers)) < 1.0, behind(peers))

    # Ogg cannot be joined mid-stream: played from the buffer behind its stream's headers. The
    # headless player took the app id, so the command line reaches it.
    seen = len(peers.log())
    chose = peers.run([os.environ["ZEFFIRA_BINARY"], "--station", "Ogg"])
    checks.check("--station reaches the headless player", chose.returncode == 0, chose.stderr)
    wait_for(lambda: "Player item ready to play" in peers.log()[seen:], 15, "the Ogg station")
    time.sleep(3)
    peers.command_until(["pause"], lambda: ctl(peers, "status") == "Paused", 5, "status Paused")
    time.sleep(3)
    peers.command_until(["play"], lambda: ctl(peers, "status") == "Playing", 5, "status Playing")
    peers.wait_for_log("Rewind: playing from the buffer", 10)
    sound = peers.recording("a", 2.5, channels=1)
    checks.check("an Ogg station plays on from the buffer after a pause",
                 sound and max(map(abs, sound)) > 1000 and "going live" not in peers.log(),
                 peers.log()[-1500:])

checks.finish()
