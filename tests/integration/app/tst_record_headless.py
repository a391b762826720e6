"""End to end: `zeffira --headless --play NAME --record FILE --duration MINUTES` against the local
stream server. The file grows as FILE.part while the recording runs and gets its name at the end;
its bytes are one contiguous piece of the audio the server sent (the ICY metadata taken out, not
re-encoded); it lasts as long as asked; an existing file is never overwritten; a folder gets a
file named after the station; a server that hangs up is connected to again and the recording
goes on."""

import os
import subprocess
import sys
import time
import urllib.request

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "support"))
from harness import Checks, Peers, wait_for  # noqa: E402

checks = Checks()
CLIP_SECONDS = 60  # the stream server's default --duration

with Peers() as peers:
    peers.start_pulse(("a",))
    peers.start_session_bus()
    base = peers.start_stream_server()
    peers.write_catalogue([{"name": "Lokaal", "stations": [{"name": "Toon ICY", "url": base + "/icy"},
                                                          {"name": "Ophanger", "url": base + "/hangup"}]}])
    with urllib.request.urlopen(base + "/source/mp3", timeout=10) as reply:
        source = reply.read()
    target = os.path.join(peers.dir, "opname.mp3")

    # 0.1 minutes: 6 s of audio.
    proc = peers.start_zeffira("--headless", "--play", "Toon ICY", "--record", target, "--duration", "0.1")
    growing = wait_for(lambda: os.path.exists(target + ".part") and os.path.getsize(target + ".part") > 0,
                       20, "the recording to grow as .part")
    checks.check("it grows as .part, the final name not there yet", growing and not os.path.exists(target))
    code = proc.wait(timeout=40)
    checks.check("the headless recorder ends 0 when the time is up", code == 0, code)
    checks.check("the file has its name, the .part is gone",
                 os.path.exists(target) and not os.path.exists(target + ".part"), os.listdir(peers.dir))
    with open(target, "rb") as f:
        data = f.read()
    # The server loops its clip from the first byte; a recording is a piece of that loop.
    looped = source * 3
    at = looped.find(data[:4096])
    checks.check("the bytes are one contiguous piece of what the server sent, without ICY metadata",
                 at >= 0 and looped[at:at + len(data)] == data, "at %d, %d bytes" % (at, len(data)))
    seconds = len(data) / (len(source) / CLIP_SECONDS)
    print("recorded %.2f s of audio (%d bytes)" % (seconds, len(data)))  # a figure for the report
    checks.check("it lasts as long as asked", 5.0 <= seconds <= 7.5, seconds)

    # The server hangs up every 4 s: 9 s asked for are 9 s recorded, over two new connections.
    ridden = os.path.join(peers.dir, "ophanger.mp3")
    code = peers.start_zeffira("--headless", "--play", "Ophanger", "--record", ridden, "--duration", "0.15").wait(
        timeout=40)
    seconds = os.path.getsize(ridden) / (len(source) / CLIP_SECONDS) if os.path.exists(ridden) else 0
    checks.check("a recording goes on across the server's hang-ups", code == 0 and 8.0 <= seconds <= 10.5,
                 (code, seconds))

    # Asked again for the same file: refused before anything plays, the file untouched.
    again = peers.run([os.environ["ZEFFIRA_BINARY"], "--headless", "--play", "Toon ICY", "--record", target])
    with open(target, "rb") as f:
        kept = f.read() == data
    checks.check("an existing file is never overwritten",
                 again.returncode == 2 and "bestaat al" in again.stderr and kept, again.stderr)

    # A folder: the file is named after the station and the time, with the stream's extension.
    folder = os.path.join(peers.dir, "map")
    os.mkdir(folder)
    peers.start_zeffira("--headless", "--play", "Toon ICY", "--record", folder, "--duration", "0.05").wait(timeout=40)
    names = os.listdir(folder)
    checks.check("a folder gets '<station> <time>.mp3'",
                 len(names) == 1 and names[0].startswith("Toon ICY 20") and names[0].endswith(".mp3"), names)

checks.finish()
