"""End to end: keeping what was heard, in the real player (headless, which takes the app id when
it plays alone) against a station whose ICY title changes every 4 s. `zeffira --save-song` and
the desktop actions save the playing and the previous song into the music folder
(XDG_MUSIC_DIR) under Zeffira/<station>/<artist> - <title>.mp3: an ID3 tag naming the song,
then a contiguous piece of the bytes the server sent, cut on frame boundaries; the previous song
whole (about its 4 s). The "record" action records from now until asked again."""

import json
import os
import re
import sys
import time
import urllib.request

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "support"))
from harness import Checks, Peers, require, wait_for  # noqa: E402

require("gdbus")
checks = Checks()
CLIP_SECONDS = 60
APP_ID = "nl.zeffira.Zeffira"


def action(peers, name):
    return peers.run(["gdbus", "call", "--session", "--dest", APP_ID, "--object-path", "/nl/zeffira/Zeffira",
                      "--method", "org.freedesktop.Application.ActivateAction", name, "[]", "{}"])


def audio_of(path, source):
    """(title in the tag, seconds of audio, whether the audio is one contiguous piece of the loop)."""
    with open(path, "rb") as f:
        data = f.read()
    if not data.startswith(b"ID3\x04"):
        return None, 0, False
    size = (data[6] << 21) | (data[7] << 14) | (data[8] << 7) | data[9]
    tag, audio = data[10:10 + size], data[10 + size:]
    title = re.search(rb"TIT2.{6}\x03([^\x00]*?)(?=T[A-Z0-9]{3}|$)", tag, re.S)
    looped = source * 3
    at = looped.find(audio[:4096])
    contiguous = at >= 0 and looped[at:at + len(audio)] == audio and audio[:2] == b"\xff\xfb"
    return title.group(1).decode() if title else None, len(audio) / (len(source) / CLIP_SECONDS), contiguous


with Peers() as peers:
    peers.start_pulse(("a",))
    peers.start_session_bus()
    base = peers.start_stream_server()
    music = os.path.join(peers.dir, "muziek")
    with open(os.path.join(peers.env["XDG_CONFIG_HOME"], "user-dirs.dirs"), "w") as f:
        f.write('XDG_MUSIC_DIR="%s"\n' % music)
    with urllib.request.urlopen(base + "/source/mp3", timeout=10) as reply:
        source = reply.read()
    peers.write_catalogue([{"name": "Lokaal", "stations": [{"name": "Liedjes", "url": base + "/icy-songs?every=4"}]}])
    peers.start_zeffira("--headless", "--play", "Liedjes")
    peers.wait_for_log("Player item ready to play")
    folder = os.path.join(music, "Zeffira", "Liedjes")

    def song_number():
        status = peers.run([os.environ["ZEFFIRA_BINARY"], "--status", "--json"])
        found = re.match(r"Artist (\d+) - Song", json.loads(status.stdout or "{}").get("title", ""))
        return int(found.group(1)) if found else None

    # Every fifth title is an advertisement: wait for a song after a song, past the first songs
    # (the rewind buffer's own connection may have come in during the first), and a moment into it.
    wait_for(lambda: (song_number() or 0) >= 6 and song_number() % 5 in (1, 2), 60, "a song after a song")
    time.sleep(1.5)

    saved = peers.run([os.environ["ZEFFIRA_BINARY"], "--save-song"])
    checks.check("--save-song reaches the headless player", saved.returncode == 0, saved.stderr)
    wait_for(lambda: os.path.isdir(folder) and os.listdir(folder), 10, "a saved song")
    now_playing = sorted(os.listdir(folder))
    print("saved:", now_playing)
    checks.check("the song is named '<artist> - <title>.mp3'",
                 len(now_playing) == 1 and re.fullmatch(r"Artist \d+ - Song \d+\.mp3", now_playing[0]), now_playing)
    title, seconds, contiguous = audio_of(os.path.join(folder, now_playing[0]), source)
    checks.check("its tag names the song", title and now_playing[0].endswith(" - %s.mp3" % title), title)
    checks.check("its audio is a contiguous piece of what the server sent, from a frame's start", contiguous)

    previous = action(peers, "save-previous-song")
    checks.check("the save-previous-song action is taken", previous.returncode == 0, previous.stderr)
    names = wait_for(lambda: set(os.listdir(folder)) - set(now_playing), 10, "the previous song")
    name = names.pop()
    title, seconds, contiguous = audio_of(os.path.join(folder, name), source)
    print("previous: %s, %.2f s" % (name, seconds))  # a figure for the report
    checks.check("the previous song is whole: about its 4 s, contiguous", 3.0 <= seconds <= 5.0 and contiguous,
                 (name, seconds, contiguous))
    number = lambda n: int(re.search(r"Song (\d+)", n).group(1))  # noqa: E731
    checks.check("the previous song is the one before", number(name) == number(now_playing[0]) - 1,
                 (name, now_playing))

    before = set(os.listdir(folder))
    checks.check("the record action starts a recording", action(peers, "record").returncode == 0)
    status = peers.run([os.environ["ZEFFIRA_BINARY"], "--status", "--json"])
    checks.check("--status says it records", json.loads(status.stdout or "{}").get("recording") is True, status.stdout)
    time.sleep(4)
    action(peers, "record")
    peers.wait_for_log("Recording saved")
    recorded = [n for n in set(os.listdir(folder)) - before]
    checks.check("the recording is '<station> <time>.mp3', complete",
                 len(recorded) == 1 and recorded[0].startswith("Liedjes 20") and recorded[0].endswith(".mp3"),
                 recorded)

checks.finish()
