"""End to end: scrobbling on the real program against a stand-in of the ListenBrainz API on
127.0.0.1 (submit-listens and validate-token). `zeffira --headless` plays a local station whose ICY
title changes every 4 s; ZEFFIRA_TEST_MIN_LISTEN_SECONDS=3 stands in for the 30 s after which a
title counts when the next one starts (4 minutes would not fit a test). Off, nothing is loaded or
sent. On through ZEFFIRA_LISTENBRAINZ_URL/TOKEN: playing_now arrives with the token; while the
server answers 503 the listens wait in the database, over a restart too, and then arrive in order
with the right fields, exactly the songs the rules make listens; after a 401 nothing more is sent."""

import json
import os
import signal
import sqlite3
import sys
import threading
import time
from http.server import BaseHTTPRequestHandler, ThreadingHTTPServer

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "support"))
from harness import Checks, Peers, wait_for  # noqa: E402

checks = Checks()
STATION = "Liedjes"
TOKEN = "secret-token"
MARK = "Stream title: "


class StandIn(BaseHTTPRequestHandler):
    """The two endpoints; `status` answers every submission; requests are kept in order."""
    status = 200
    requests = []  # (time, status answered, Authorization header, body)
    lock = threading.Lock()

    def answer(self, status, body):
        data = json.dumps(body).encode()
        self.send_response(status)
        self.send_header("Content-Type", "application/json")
        self.send_header("Content-Length", str(len(data)))
        self.send_header("X-RateLimit-Remaining", "50")
        self.send_header("X-RateLimit-Reset-In", "10")
        self.end_headers()
        self.wfile.write(data)

    def do_POST(self):
        body = json.loads(self.rfile.read(int(self.headers.get("Content-Length", 0))) or b"null")
        with StandIn.lock:
            status = StandIn.status
            StandIn.requests.append((time.time(), status, self.headers.get("Authorization"), body))
        if self.path != "/1/submit-listens":
            status = 404
        self.answer(status, {"status": "ok"} if status == 200 else {"code": status, "error": "no"})

    def do_GET(self):
        valid = self.headers.get("Authorization") == "Token " + TOKEN
        self.answer(200 if self.path == "/1/validate-token" else 404,
                    {"code": 200, "valid": valid, "user_name": "luisteraar" if valid else None})

    def log_message(self, *args):
        pass


def submissions(kind):
    with StandIn.lock:
        return [r for r in StandIn.requests if r[3] and r[3].get("listen_type") == kind]


def text(body):
    meta = body["payload"][0]["track_metadata"]
    return "%s - %s" % (meta["artist_name"], meta["track_name"])


def logged_titles(peers):
    titles = [line.split(MARK, 1)[1].rstrip("\n") for line in peers.log().splitlines(True) if MARK in line]
    return [t for t in titles if t]


def maps(pid):
    with open("/proc/%d/maps" % pid) as f:
        return f.read()


server = ThreadingHTTPServer(("127.0.0.1", 0), StandIn)
threading.Thread(target=server.serve_forever, daemon=True).start()
try:
    with Peers() as peers:
        peers.start_pulse(("a",))
        peers.start_session_bus()
        url = peers.start_stream_server() + "/icy-songs?every=4"
        peers.write_catalogue([{"name": "Lokaal", "stations": [{"name": STATION, "url": url}]}])
        db = os.path.join(peers.env["XDG_DATA_HOME"], "Zeffira", "history.sqlite")
        peers.env.update(ZEFFIRA_LISTENBRAINZ_URL="http://127.0.0.1:%d" % server.server_address[1],
                         ZEFFIRA_TEST_MIN_LISTEN_SECONDS="3")

        # Off (no token, the switch as installed): nothing sent, no token store loaded.
        app = peers.start_zeffira("--headless", "--play", STATION)
        wait_for(lambda: len(logged_titles(peers)) >= 2, 30, "two titles while off")
        checks.check("off: no token store is loaded", "libzeffira_secrets" not in maps(app.pid))
        app.send_signal(signal.SIGTERM)
        app.wait(timeout=10)
        checks.check("off: nothing is sent", not StandIn.requests, StandIn.requests[:2])

        # On, and the server fails: playing_now comes, the listens wait in the database.
        peers.env["ZEFFIRA_LISTENBRAINZ_TOKEN"] = TOKEN
        StandIn.status = 503
        started = time.time()
        app = peers.start_zeffira("--headless", "--play", STATION)
        now_playing = wait_for(lambda: submissions("playing_now"), 20, "playing_now")[0]
        checks.check("playing_now carries the token and a title the station announced",
                     now_playing[2] == "Token " + TOKEN and text(now_playing[3]) in logged_titles(peers),
                     now_playing[2:])
        checks.check("playing_now has no time", "listened_at" not in now_playing[3]["payload"][0])
        wait_for(lambda: os.path.exists(db) and
                 sqlite3.connect(db).execute("SELECT count(*) FROM listens").fetchone()[0] >= 2,
                 30, "two listens queued")
        app.send_signal(signal.SIGTERM)
        app.wait(timeout=10)
        first_titles = logged_titles(peers)
        con = sqlite3.connect(db)
        queued = con.execute("SELECT artist || ' - ' || track, listened_at FROM listens ORDER BY id").fetchall()
        con.close()
        checks.check("nothing went through while the server failed",
                     all(r[1] == 503 for r in StandIn.requests))

        # Back up, and a restart: the waiting listens go first, in order, then the new ones.
        StandIn.status = 200
        app = peers.start_zeffira("--headless", "--play", STATION)
        wait_for(lambda: len([r for r in submissions("single") if r[1] == 200]) >= len(queued) + 2, 40,
                 "the waiting listens and two new ones")
        # A failure in the middle: the listen waits for the back-off and comes again.
        StandIn.status = 503
        wait_for(lambda: any(r[1] == 503 for r in submissions("single")), 20, "a failed listen")
        StandIn.status = 200
        failed = [text(r[3]) for r in submissions("single") if r[1] == 503][-1]
        wait_for(lambda: failed in [text(r[3]) for r in submissions("single") if r[1] == 200], 20,
                 "the failed listen again")

        # A rejected token: no more requests, whatever plays.
        StandIn.status = 401
        wait_for(lambda: any(r[1] == 401 for r in StandIn.requests), 20, "a rejected request")
        peers.wait_for_log("ListenBrainz rejected the token")
        rejected_at = len(StandIn.requests)
        seen = len(logged_titles(peers))
        wait_for(lambda: len(logged_titles(peers)) >= seen + 2, 20, "two more titles")
        checks.check("after a 401 nothing more is sent", len(StandIn.requests) == rejected_at,
                     StandIn.requests[rejected_at:])
        app.send_signal(signal.SIGTERM)
        app.wait(timeout=10)
        second_titles = logged_titles(peers)

        sent = [r for r in submissions("single")[:] if r[1] == 200]
        sent_texts = [text(r[3]) for r in sent]
        print("queued while down %d, sent %d: %s" % (len(queued), len(sent), sent_texts))
        checks.check("the waiting listens arrive first, in order, with their times",
                     [(text(r[3]), r[3]["payload"][0]["listened_at"]) for r in sent[:len(queued)]] == queued,
                     (queued, sent_texts[:len(queued)]))
        checks.check("each listen arrives once", len(set(sent_texts)) == len(sent_texts))
        songs = [t for t in first_titles + second_titles if t.startswith("Artist ")]
        numbers = [int(t.split()[1]) for t in sent_texts]
        checks.check("listens come in the order they were heard", numbers == sorted(numbers))
        # Every song heard from its start to the next title counts (4 s > 3 s); the first of a run
        # was joined late, and the last was still playing.
        whole = [t for run in (first_titles, second_titles) for t in run[1:-1] if t.startswith("Artist ")]
        missing = [t for t in whole if t not in sent_texts and numbers and int(t.split()[1]) <= max(numbers)]
        checks.check("exactly the songs the rules make listens",
                     set(sent_texts) <= set(songs) and not missing, (missing, sent_texts))
        body = sent[-1][3]
        info = body["payload"][0]["track_metadata"]["additional_info"]
        checks.check("a listen carries the station, its stream and the player",
                     body["listen_type"] == "single" and info["music_service_name"] == STATION and
                     info["origin_url"] == url and info["media_player"] == "Zeffira" and
                     info["media_player_version"], info)
        checks.check("listened_at is when the song came up",
                     all(started - 5 <= r[3]["payload"][0]["listened_at"] <= r[0] for r in sent),
                     [(r[0], r[3]["payload"][0]["listened_at"]) for r in sent])
finally:
    server.shutdown()

checks.finish()
