"""End to end: `zeffira --headless --play NAME --sleep-timer MINUTES` on a local stream with its
sound on a private PulseAudio daemon. The sound fades out rather than stopping dead, playback
pauses (a normal pause to the media controls), the saved volume is untouched, and the headless
player, with nothing left to do, exits 0."""

import array
import json
import os
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "support"))
from harness import Checks, Peers, require  # noqa: E402

require("parec", "dbus-monitor")
checks = Checks()
BLOCK = 22050  # half a second of 44.1 kHz mono


def block_peaks(data):
    samples = array.array("h", data[: len(data) // 2 * 2])
    return [max((abs(s) for s in samples[i:i + BLOCK]), default=0) for i in range(0, len(samples), BLOCK)]


with Peers() as peers:
    peers.start_pulse(("a",))
    peers.start_session_bus()
    base = peers.start_stream_server()
    peers.write_catalogue([{"name": "Lokaal", "stations": [{"name": "Toon Ogg", "url": base + "/ogg"}]}])
    peers.write_settings({"playerVolume": 0.8})
    monitor = subprocess.Popen(["dbus-monitor", "--session",
                                "type='signal',path='/org/mpris/MediaPlayer2',member='PropertiesChanged'"],
                               env=peers.env, stdout=subprocess.PIPE, text=True)
    # Straight into a file: a pipe nobody reads until the end would hold back the recording.
    recording = os.path.join(peers.dir, "sink-a.raw")
    recorder = subprocess.Popen(["parec", "-d", "a.monitor", "--format=s16le", "--rate=44100", "--channels=1",
                                 "--latency-msec=50"], env=peers.env, stdout=open(recording, "wb"))
    try:
        # 0.3 minutes is 18 s: shorter than the fade, which therefore starts at once, part way.
        proc = peers.start_zeffira("--headless", "--play", "Toon Ogg", "--sleep-timer", "0.3")
        code = proc.wait(timeout=60)
        time.sleep(1.5)  # what the sink plays after the player has gone
    finally:
        recorder.terminate()
        monitor.terminate()
    recorder.wait(timeout=5)
    with open(recording, "rb") as f:
        peaks = block_peaks(f.read())
    signals = monitor.communicate(timeout=5)[0]
    log = peers.log()
    print("peak of each half second on the sink:", peaks)  # a figure for the report, not a bound

    checks.check("the headless player exits 0 when the timer ends", code == 0, code)
    checks.check("the timer is logged", "Sleep timer set: 18 s" in log, log)
    checks.check("the fade is logged", "Sleep timer: fading out" in log)
    checks.check("the end is logged before the pause",
                 0 <= log.find("Sleep timer ended: pausing playback") < log.find("State: paused - Toon Ogg"), log)
    checks.check("a normal pause to the media controls",
                 'string "PlaybackStatus"' in signals and 'string "Paused"' in signals, signals)
    # The sound got quieter before it went: a fade, not a cut; and then it stayed silent.
    loud = [i for i, p in enumerate(peaks) if p > 1000]
    heard = [i for i, p in enumerate(peaks) if p >= 200]
    checks.check("the stream was heard", bool(loud), peaks)
    if loud:
        first, last = loud[0], heard[-1]
        checks.check("it faded out before it stopped",
                     any(0 < p < peaks[first] * 0.5 for p in peaks[first:last + 1]), peaks)
        checks.check("and then was silent", len(peaks) - 1 - last >= 2, peaks)
    with open(peers.settings_path()) as f:
        saved = json.load(f).get("playerVolume")
    checks.check("the saved volume is untouched", saved == 0.8, saved)

checks.finish()
