"""End to end: the history of heard songs on the real program. `zeffira --headless` plays a local
station whose ICY title changes every second and is killed (SIGKILL) three times right after it
stored a title or at a random moment, then started again, while another process reads the
database all along. The file stays sound, each killed run loses at most the song it was writing,
nothing that is not a song is stored, and `zeffira --history` prints what is stored. An idle
program maps no QtSql."""

import collections
import json
import os
import random
import re
import signal
import sqlite3
import sys
import threading
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "support"))
from harness import Checks, Peers, wait_for  # noqa: E402

checks = Checks()
STATION = "Liedjes"
MARK = "Stream title: "


def logged_titles(peers):
    return [line.split(MARK, 1)[1].rstrip("\n") for line in peers.log().splitlines(True) if MARK in line]


def maps(pid):
    with open("/proc/%d/maps" % pid) as f:
        return f.read()


with Peers() as peers:
    peers.start_pulse(("a",))
    peers.start_session_bus()
    base = peers.start_stream_server()
    url = base + "/icy-songs"
    peers.write_catalogue([{"name": "Lokaal", "stations": [{"name": STATION, "url": url}]}])
    db = os.path.join(peers.env["XDG_DATA_HOME"], "Zeffira", "history.sqlite")

    # Idle: the history library and QtSql stay out of the process, and no file is made.
    idle = peers.start_zeffira("--headless")
    time.sleep(1.5)
    checks.check("an idle program maps no QtSql",
                 "libQt6Sql" not in maps(idle.pid) and "libzeffira_history" not in maps(idle.pid))
    checks.check("an idle program makes no history file", not os.path.exists(db))
    idle.send_signal(signal.SIGTERM)
    idle.wait(timeout=10)

    reads = collections.Counter()
    stop = threading.Event()

    def read_all_along():
        """Another process's connection (a plain one, as any SQLite reader's), reading in a loop."""
        while not stop.is_set():
            try:
                con = sqlite3.connect(db, timeout=5)
                con.execute("SELECT count(*), max(started_at) FROM plays WHERE title LIKE '%Song%'").fetchone()
                con.close()
                reads["ok"] += 1
            except sqlite3.Error as e:
                reads["error: %s" % e] += 1
            time.sleep(0.005)

    reader = None
    expected = []  # the songs each run announced, and the last one of each killed run
    last_of_killed = []
    for run in range(4):
        killed = run < 3
        app = peers.start_zeffira("--headless", "--play", STATION,
                                  exit_status=-signal.SIGKILL if killed else 0)
        wait_for(lambda: len(logged_titles(peers)) >= 3, 30, "three titles in run %d" % run)
        if reader is None:
            checks.check("the first title maps QtSql", "libQt6Sql" in maps(app.pid))
            reader = threading.Thread(target=read_all_along, daemon=True)
            reader.start()
        if killed:
            seen = len(logged_titles(peers))
            if run == 1:
                time.sleep(random.uniform(0, 1))
            else:
                # Right as the next title is announced: the program is storing it.
                wait_for(lambda: len(logged_titles(peers)) > seen, 5, "the next title")
            app.send_signal(signal.SIGKILL)
        else:
            app.send_signal(signal.SIGTERM)
        app.wait(timeout=10)
        titles = [t for t in logged_titles(peers) if t not in ("", "Advertisement")]
        expected += titles
        if killed and titles:
            last_of_killed.append(titles[-1])
    stop.set()
    reader.join(timeout=10)

    con = sqlite3.connect(db)
    checks.check("integrity_check ok", con.execute("PRAGMA integrity_check").fetchone()[0] == "ok")
    rows = con.execute("SELECT started_at, station_name, station_url, artist, title FROM plays "
                       "ORDER BY started_at, id").fetchall()
    con.close()
    stored = ["%s - %s" % (artist, title) if artist else title for _, _, _, artist, title in rows]
    missing = collections.Counter(expected) - collections.Counter(stored)
    extra = collections.Counter(stored) - collections.Counter(expected)
    print("titles announced %d, songs stored %d, lost %s, reads %s" %
          (len(expected), len(stored), sorted(missing), dict(reads)))
    checks.check("only songs the program announced are stored", not extra, sorted(extra))
    checks.check("a killed run loses at most the song it was storing",
                 all(title in last_of_killed for title in missing) and sum(missing.values()) <= 3,
                 sorted(missing))
    checks.check("songs split into artist and title",
                 all(artist and artist.startswith("Artist ") and title.startswith("Song ")
                     for _, _, _, artist, title in rows))
    checks.check("each song carries its station", all(row[1:3] == (STATION, url) for row in rows))
    checks.check("another process read throughout without an error",
                 reads["ok"] > 50 and sum(reads.values()) == reads["ok"], dict(reads))

    # --history prints what is stored, oldest first, without a player or a bus.
    env = dict(peers.env)
    env.pop("DBUS_SESSION_BUS_ADDRESS")
    binary = os.environ["ZEFFIRA_BINARY"]
    import subprocess
    out = subprocess.run([binary, "--history", "--json"], env=env, capture_output=True, text=True, timeout=15)
    printed = json.loads(out.stdout) if out.returncode == 0 else []
    checks.check("--history --json prints every stored song in order",
                 [(e["station"], e["url"], e["artist"], e["title"]) for e in printed] ==
                 [row[1:] for row in rows], out.stderr)
    out = subprocess.run([binary, "--history"], env=env, capture_output=True, text=True, timeout=15)
    lines = [line.split("\t") for line in out.stdout.splitlines()]
    checks.check("--history prints one tab-separated line a song",
                 out.returncode == 0 and [line[1:] for line in lines] == [[STATION, a, t] for _, _, _, a, t in rows],
                 out.stdout[:300])
    checks.check("--history gives the local time with its offset",
                 all(re.fullmatch(r"\d{4}-\d\d-\d\dT\d\d:\d\d:\d\d([+-]\d\d:\d\d|Z)", line[0]) for line in lines),
                 lines[:1])
    tomorrow = time.strftime("%Y-%m-%d", time.localtime(time.time() + 86400))
    out = subprocess.run([binary, "--history", "--since", tomorrow], env=env, capture_output=True, text=True,
                         timeout=15)
    checks.check("--since tomorrow prints nothing", out.returncode == 0 and out.stdout == "", out.stdout[:200])

checks.finish()
