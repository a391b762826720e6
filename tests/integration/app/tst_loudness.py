"""End to end: "Gelijk volume" on two local stations whose tones differ by 14 dB, played headless
and heard on a private PulseAudio null sink. Off, the 14 dB gap stays; on, both end within 2 dB of
each other within 10 s of their first sound, a station's second play starts at the loudness it
learned, and no sample clips."""

import json
import math
import os
import signal
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "support"))
from harness import Checks, Peers, require  # noqa: E402

require("parec")
checks = Checks()
BLOCK = 4410  # 0.1 s of 44.1 kHz mono


def db(samples):
    if not samples:
        return -120.0
    power = sum(s * s for s in samples) / len(samples)
    return 10 * math.log10(max(power, 1e-12) / (32768.0 ** 2))


def play(peers, name, seconds=14):
    """Plays `name` for `seconds`: the RMS (dBFS) of its first second of sound and of the second
    before 10 s, and how many samples reached full scale."""
    proc = peers.start_zeffira("--headless", "--play", name)
    samples = peers.recording("a", seconds, channels=1)
    proc.send_signal(signal.SIGTERM)
    code = proc.wait(timeout=15)
    blocks = [samples[i:i + BLOCK] for i in range(0, len(samples) - BLOCK + 1, BLOCK)]
    first = next((i for i, b in enumerate(blocks) if db(b) > -50), None)
    if first is None:
        return None, None, 0, code
    # The first block may hold the start of the sound: left out.
    start = db([s for b in blocks[first + 1:first + 10] for s in b]) if first + 10 <= len(blocks) else None
    end = db([s for b in blocks[first + 90:first + 100] for s in b]) if first + 100 <= len(blocks) else None
    clipped = sum(1 for s in samples if abs(s) >= 32767)
    return start, end, clipped, code


with Peers() as peers:
    peers.start_pulse(("a",))
    peers.start_session_bus()
    base = peers.start_stream_server()
    peers.write_catalogue([{"name": "Lokaal", "stations": [{"name": "Luid", "url": base + "/loud"},
                                                           {"name": "Zacht", "url": base + "/quiet"}]}])
    results = {}
    for leveling in (False, True):
        peers.write_settings({"playerVolume": 1.0, "loudnessLeveling": leveling})
        for name in ("Luid", "Zacht"):
            results[(leveling, name)] = play(peers, name)
    # The second play of the loud station, with what the first one learned.
    second = play(peers, "Luid", seconds=4)
    with open(peers.settings_path()) as f:
        learned = json.load(f).get("stationLoudness", {})
    for key, value in results.items():
        print("levelling %s, %s: first second %s dBFS, at 9-10 s %s dBFS, clipped %s, exit %s" % (key + value))
    print("second play of Luid: first second", second[0], "dBFS; learned", learned)

    for key, (start, end, clipped, code) in results.items():
        checks.check("%s (levelling %s) was heard for 10 s and ended with 0" % (key[1], key[0]),
                     end is not None and code == 0, (start, end, code))
        checks.check("%s (levelling %s): no sample clips" % (key[1], key[0]), clipped == 0, clipped)
    off = results[(False, "Luid")][1], results[(False, "Zacht")][1]
    on = results[(True, "Luid")][1], results[(True, "Zacht")][1]
    if None not in off:
        checks.check("off: the stations stay 14 dB apart", abs(off[0] - off[1] - 14) < 1, off)
    if None not in on:
        checks.check("on: within 2 dB of each other within 10 s", abs(on[0] - on[1]) < 2, on)
        checks.check("on: near the target level", all(abs(v + 18) < 2 for v in on), on)
        checks.check("the second play starts at the learned level",
                     second[0] is not None and abs(second[0] - on[0]) < 1.5, (second, on))
    checks.check("the second play: no sample clips", second[2] == 0, second[2])

checks.finish()
