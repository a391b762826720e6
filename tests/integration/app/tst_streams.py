"""End to end: `zeffira --headless` on real stations from the local server, as a listener meets
them: a playlist link, stream titles that try to be more than text, a server that hangs up every
few seconds, a server that restarts and refuses connections meanwhile, live HLS, and a dead URL
on the command line. Judged by the player's log, MPRIS and the audio on a null sink."""

import os
import re
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "support"))
from harness import Checks, Peers, require, wait_for  # noqa: E402

require("playerctl", "parec")
checks = Checks()
AUDIBLE = 1000  # peak of the test tone is about 4000


def ctl(peers, *args):
    return peers.run(["playerctl", "-p", "zeffira"] + list(args)).stdout.strip()


def skipped(peers):
    return "attempting to skip to next station" in peers.log()


def longest_silence(peers, sink, seconds):
    """The longest stretch, in seconds, in which `sink` played nothing audible, and the length of
    the recording."""
    samples = peers.recording(sink, seconds, channels=1)
    longest = run = 0
    block = 441  # 10 ms
    for i in range(0, len(samples), block):
        quiet = max((abs(x) for x in samples[i:i + block]), default=0) < 200
        run = run + 1 if quiet else 0
        longest = max(longest, run)
    return longest * block / 44100.0, len(samples) / 44100.0


def last_state(peers):
    states = re.findall(r"State: (.*)", peers.log())
    return states[-1] if states else ""


with Peers() as peers:
    peers.start_pulse(("a",))
    peers.start_session_bus()
    base = peers.start_stream_server(lifetime=280)
    flaky = "http://127.0.0.1:%s/mp3" % peers.fixture("/flaky-port")
    peers.write_catalogue([{"name": "Lokaal", "stations": [
        {"name": "Lijst", "url": base + "/list.m3u"},
        {"name": "Titels", "url": base + "/icy-hostile"},
        {"name": "Ophanger", "url": base + "/hangup?burst=2"},
        {"name": "Wankel", "url": flaky}]}])

    # A playlist link: its entry plays, the catalogue keeps the link.
    peers.start_zeffira("--headless", "--play", "Lijst")
    peers.wait_for_log("M3U playlist with 1 stream(s): " + base + "/list.m3u")
    peers.wait_for_log("Player item ready to play")
    wait_for(lambda: ctl(peers, "status") == "Playing", 10, "status Playing")
    checks.check("a playlist link plays its entry", peers.record("a", 2.0) > AUDIBLE)
    checks.check("the station keeps its link", ctl(peers, "metadata", "xesam:url") == base + "/list.m3u")

    # Titles with markup, Latin-1 bytes and control characters arrive as plain single lines.
    peers.command_until(["next"], lambda: ctl(peers, "metadata", "xesam:title") == "Titels", 10, "Titels")
    expected = {"<b>Bold</b> <img src=x>", "Café ÿþ au lait", "Line player: State: failed [2Jend", "spaced out"}
    seen = set()

    def all_titles():
        artist = ctl(peers, "metadata", "xesam:artist")
        if artist:
            seen.add(artist)
        return expected <= seen
    wait_for(all_titles, 20, "every hostile title over MPRIS")
    checks.check("titles over MPRIS are the cleaned texts", seen <= expected, seen)
    log = peers.log()
    checks.check("no control character reaches the log", not re.search(r"[\x00-\x08\x0b-\x1f\x7f]", log))
    checks.check("no forged log line", not re.search(r"^player: State: failed", log, re.M))
    checks.check("the title is logged on one line", "Stream title: Line player: State: failed [2Jend\n" in log)

    # A server that sends a 2 s burst and hangs up 4 s after each connection: the player connects
    # again at once and plays the new connection behind the buffered audio, so that the hang-ups
    # are not heard (a gap up to 0.1 s is a recording's jitter, not a hang-up).
    REJOINED = "The server hung up; reconnecting behind the buffered audio"
    peers.command_until(["next"], lambda: ctl(peers, "metadata", "xesam:title") == "Ophanger", 10, "Ophanger")
    wait_for(lambda: last_state(peers) == "playing - Ophanger", 15, "Ophanger playing")
    before = peers.log().count(REJOINED)
    silence, recorded = longest_silence(peers, "a", 12.0)
    rejoins = peers.log().count(REJOINED) - before
    print("longest silence over %.1f s with %d hang-up(s): %.2f s" % (recorded, rejoins, silence))
    # A hang-up every 4 s: at least two in 8 s of sound.
    checks.check("hang-ups during the recording", rejoins >= 2 and recorded >= 8.0, (rejoins, recorded))
    checks.check("a hang-up is not heard", silence <= 0.1, "%.2f s of silence" % silence)
    checks.check("hang-ups are ridden out on the same station",
                 not skipped(peers) and ctl(peers, "metadata", "xesam:title") == "Ophanger")

    # A server that restarts: hangs up and refuses connections for 3 s, then serves again.
    peers.command_until(["next"], lambda: ctl(peers, "metadata", "xesam:title") == "Wankel", 10, "Wankel")
    wait_for(lambda: last_state(peers) == "playing - Wankel", 15, "Wankel playing")
    before = peers.log()
    start = time.monotonic()
    peers.fixture("/flaky/refuse?seconds=3")
    peers.wait_for_log("Reconnected to Wankel", timeout=30)
    wait_for(lambda: last_state(peers) == "playing - Wankel", 10, "Wankel playing again")
    after = peers.log()[len(before):]
    attempts = after.count("reconnecting to Wankel")
    print("a 3 s refusal was ridden out after %d reconnect attempt(s), %.1f s" % (attempts, time.monotonic() - start))
    checks.check("a server restart is ridden out", attempts >= 2 and not skipped(peers), after)
    checks.check("audio after the restart", peers.record("a", 2.0) > AUDIBLE)
    peers.zeffira.terminate()
    checks.check("ends cleanly", peers.zeffira.wait(timeout=10) == 0)

    # A dead URL that is not in the catalogue: the error and status 1, no other station tried.
    start = time.monotonic()
    proc = peers.start_zeffira("--headless", "--play", "http://127.0.0.1:1/dead", exit_status=1)
    code = proc.wait(timeout=30)
    print("a dead --play URL ended after %.2f s" % (time.monotonic() - start))
    log = peers.log()
    checks.check("a dead --play URL exits with status 1", code == 1, code)
    checks.check("and says why", "zeffira: kon http://127.0.0.1:1/dead niet afspelen: verbinding geweigerd" in log, log)
    checks.check("without walking the catalogue", "Starting playback for station: Lijst" not in log)

    # Live HLS given on the command line.
    peers.start_zeffira("--headless", "--play", base + "/hls/live.m3u8")
    peers.wait_for_log("Player item ready to play")
    # Segments come one a second; on a loaded machine the first ones may arrive late.
    peaks = []
    deadline = time.monotonic() + 15
    while time.monotonic() < deadline and (not peaks or peaks[-1] <= AUDIBLE):
        peaks.append(peers.record("a", 1.0))
    checks.check("live HLS plays", peaks[-1] > AUDIBLE, "peaks %s" % peaks)
    peers.zeffira.terminate()
    peers.zeffira.wait(timeout=10)

checks.finish()
