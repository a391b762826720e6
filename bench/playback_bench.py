#!/usr/bin/env python3
"""Playback benchmarks: the headless player against a bare `gst-launch-1.0 playbin`.

Measures, on local streams served from 127.0.0.1 into a private PulseAudio daemon:
  - time to first audio: process launch to the first non-silent sample leaving the sound
    server, on a station that opens with a burst and on one that paces from the first byte;
  - stutter: runs of exact silence longer than 50 ms after the first audio;
  - steady playback per codec: CPU time and proportional memory (PSS);
  - failure detection: launch to "Player item failed" (the baseline: to its error exit).

Each figure is the median of several runs, the two programs alternating, and is printed with
its ratio to the baseline. Missed targets are reported, not fatal: the exit status is 0 once
the benchmark has run, and 2 when something it needs is missing.
"""

import argparse
import array
import http.server
import os
import re
import shutil
import signal
import socket
import statistics
import subprocess
import sys
import tempfile
import threading
import time

from benchlib import (Background, Child, Missing, Results, clean_env, fmt, fresh_dirs, log,
                      missing_tools, no_bus, print_table, ratio_text, rotation, run, start_pulse,
                      unused_port, write_catalogue)

HERE = os.path.dirname(os.path.abspath(__file__))
SOURCE_ROOT = os.path.dirname(HERE)
STREAM_SERVER = os.path.join(SOURCE_ROOT, "tests", "fixtures", "stream_server.py")
BACKEND_HEADER = "GstStreamBackend.h"

RATE = 44100
FRAME_BYTES = 4  # s16le stereo
BYTES_PER_SECOND = RATE * FRAME_BYTES
# A sample louder than this is audio: well above dither, far below the test tone (about 4000).
AUDIBLE = 100
# A run of exact silence this long after the first audio is a dropout.
GAP_SECONDS = 0.05
GAP_BYTES = int(GAP_SECONDS * BYTES_PER_SECOND)
# Icecast's default burst-size: what a typical server sends at once to a new listener.
BURST_BYTES = 65536

SINK_COUNT = 8  # pipe sinks, so that the steady rounds can play side by side
START_LIMIT = 15.0  # seconds a program may take to its first audio before the run counts as failed
FAIL_LIMIT = 5.0  # seconds to wait for a refused/404/HTML failure
STALL_LIMIT = 20.0  # seconds to wait for a stall to be reported (the baseline's takes 15 s or 60 s)
SETTLE = 2.0  # seconds after the first audio before CPU is counted
PSS_AFTER = 2.0  # seconds after the first audio at which memory is read in the start-up runs
QUIET_BEFORE_RUN = 0.3  # seconds of silence on a sink before the next run starts there

ZEFFIRA = "zeffira"
BASELINE = "playbin"
PROGRAMS = (ZEFFIRA, BASELINE)


# ---------------------------------------------------------------------------------------------
# The burst station: a tiny server of our own, because the test server paces from the first
# byte. It sends BURST_BYTES at once, as Icecast does, and then paces in real time.

def encode_clips(folder, duration):
    tone = f"sine=frequency=440:sample_rate={RATE}:duration={duration}"
    outputs = {
        "mp3": (["-c:a", "libmp3lame", "-b:a", "128k", "-id3v2_version", "0", "-write_xing", "0",
                 "-f", "mp3"], "audio/mpeg"),
        "ogg": (["-c:a", "libvorbis", "-q:a", "3", "-f", "ogg"], "application/ogg"),
        "aac": (["-c:a", "aac", "-b:a", "96k", "-f", "adts"], "audio/aac"),
    }
    command = ["ffmpeg", "-nostdin", "-hide_banner", "-loglevel", "error", "-f", "lavfi", "-i", tone]
    for name, (options, _) in outputs.items():
        command += ["-ac", "2"] + options + ["-y", os.path.join(folder, "tone." + name)]
    subprocess.run(command, check=True)
    clips = {}
    for name, (_, content_type) in outputs.items():
        with open(os.path.join(folder, "tone." + name), "rb") as f:
            data = f.read()
        clips[name] = (data, content_type, len(data) / duration)
    return clips


def serve_burst(lifetime):
    signal.signal(signal.SIGTERM, lambda *_: os._exit(0))
    threading.Timer(lifetime, lambda: os._exit(0)).start()

    def watch_stdin():
        while sys.stdin.buffer.read(1):
            pass
        os._exit(0)

    threading.Thread(target=watch_stdin, daemon=True).start()
    with tempfile.TemporaryDirectory(prefix="zeffira-burst-") as folder:
        clips = encode_clips(folder, 60)

    class Handler(http.server.BaseHTTPRequestHandler):
        def log_message(self, *_):
            pass

        def do_GET(self):
            clip = clips.get(self.path.lstrip("/"))
            if not clip:
                self.send_error(404)
                return
            data, content_type, rate = clip
            try:
                self.send_response(200)
                self.send_header("Content-Type", content_type)
                self.send_header("Cache-Control", "no-cache")
                self.end_headers()
                start = time.monotonic()
                sent = 0
                while True:
                    due = BURST_BYTES + int(rate * (time.monotonic() - start)) - sent
                    if due > 0:
                        out = bytearray()
                        while due > 0:
                            offset = sent % len(data)
                            take = min(due, len(data) - offset)
                            out += data[offset:offset + take]
                            sent += take
                            due -= take
                        self.wfile.write(bytes(out))
                        self.wfile.flush()
                    time.sleep(0.02)
            except (BrokenPipeError, ConnectionResetError, socket.timeout):
                pass

    class Server(http.server.ThreadingHTTPServer):
        daemon_threads = True

    server = Server(("127.0.0.1", 0), Handler)
    print(server.server_address[1], flush=True)
    server.serve_forever()


# ---------------------------------------------------------------------------------------------
# What leaves the sound server.

class SinkCapture:
    """Reads one pipe sink's FIFO for the whole run and watches it during a measurement.

    The sink is timed by the system clock, so it writes in real time in blocks of about 23 ms
    whether or not anything plays; a block's read time is when it left the sound server."""

    def __init__(self, name, fifo):
        self.name = name
        self.lock = threading.Lock()
        self.changed = threading.Condition(self.lock)
        # Read-write, so that opening it does not wait for the sound server to open its end.
        self.fd = os.open(fifo, os.O_RDWR)
        self.armed = False
        self.first_audio = None
        self.gaps = []  # (time, seconds) of dropouts after the first audio
        self.zero_run = 0  # bytes of exact silence up to the last byte read
        self.last_audio = time.monotonic()
        self.thread = threading.Thread(target=self._read, name="sink-" + name, daemon=True)
        self.thread.start()

    def _read(self):
        pending = b""
        while True:
            try:
                block = os.read(self.fd, 65536)
            except OSError:
                return
            if not block:
                return
            now = time.monotonic()
            block = pending + block
            usable = len(block) - len(block) % FRAME_BYTES
            pending = block[usable:]
            block = block[:usable]
            with self.lock:
                self._take(block, now)

    def _take(self, block, now):
        if not block:
            return
        stripped = block.lstrip(b"\0")
        if not stripped:
            self.zero_run += len(block)
            return
        self.last_audio = now
        if self.armed and self.first_audio is None:
            samples = array.array("h", block)
            if max(samples) > AUDIBLE or -min(samples) > AUDIBLE:
                self.first_audio = now
                self.changed.notify_all()
                self._scan_inside(block, now)
        elif self.armed:
            leading = len(block) - len(stripped)
            self._gap(self.zero_run + leading, now)
            self._scan_inside(block, now)
        self.zero_run = len(block) - len(block.rstrip(b"\0"))

    def _scan_inside(self, block, now):
        # A large read can hold a whole dropout that touches neither end.
        if len(block) <= GAP_BYTES:
            return
        start = len(block) - len(block.lstrip(b"\0"))
        end = len(block.rstrip(b"\0"))
        for match in re.finditer(rb"\0{%d,}" % GAP_BYTES, block[start:end]):
            self._gap(match.end() - match.start(), now)

    def _gap(self, zero_bytes, now):
        if zero_bytes >= GAP_BYTES:
            self.gaps.append((now, zero_bytes / BYTES_PER_SECOND))

    def arm(self):
        with self.lock:
            self.armed = True
            self.first_audio = None
            self.gaps = []
            self.zero_run = 0

    def disarm(self):
        """Ends the measurement; silence still running at the end counts as a dropout."""
        with self.lock:
            if self.armed and self.first_audio is not None:
                self._gap(self.zero_run, time.monotonic())
            self.armed = False
            return self.first_audio, list(self.gaps)

    def wait_first_audio(self, deadline, also=None):
        """The time of the first audio, or None at the deadline or once `also()` is true."""
        with self.lock:
            while self.first_audio is None:
                left = deadline - time.monotonic()
                if left <= 0 or (also and also()):
                    break
                self.changed.wait(min(left, 0.05))
            return self.first_audio

    def wait_quiet(self, seconds, limit):
        end = time.monotonic() + limit
        while time.monotonic() < end:
            with self.lock:
                if time.monotonic() - self.last_audio >= seconds:
                    return True
            time.sleep(0.05)
        return False

    def close(self):
        try:
            os.close(self.fd)
        except OSError:
            pass


# ---------------------------------------------------------------------------------------------
# Programs under test.

class Bench:
    def __init__(self, args):
        self.args = args
        self.zeffira = os.path.abspath(args.zeffira)
        self.children = []
        self.captures = []
        self.folder = tempfile.mkdtemp(prefix="zeffira-bench-")
        # Everything started here is gone after the time limit, whatever happens to the benchmark.
        self.background = Background(args.time_limit + 60)
        self.pulse_server = None
        self.serial = 0
        self.results = Results()

    # -- set-up -------------------------------------------------------------------------------

    def check_tools(self):
        missing = missing_tools(("pulseaudio", "pactl", "gst-launch-1.0", "gst-inspect-1.0", "ffmpeg",
                                 "timeout"))
        if not os.access(self.zeffira, os.X_OK):
            missing.append(f"the zeffira binary ({self.zeffira}; build it first)")
        if not os.path.isfile(STREAM_SERVER):
            missing.append(f"the test stream server ({STREAM_SERVER})")
        if missing:
            raise Missing("missing: " + ", ".join(missing))
        for element in ("playbin", "souphttpsrc", "pulsesink"):
            if subprocess.run(["gst-inspect-1.0", "--exists", element], env=self.child_env()).returncode:
                raise Missing(f"missing: the GStreamer element {element}")

    def child_env(self, sink="bench"):
        """A launch's environment: new data, settings and cache folders, the private sound
        server, the shared plugin registry, and D-Bus addresses that lead nowhere."""
        self.serial += 1
        env = clean_env()
        # HOME and the runtime folder are shared, as on a desktop where they exist already: new
        # ones cost each launch of either program about 0.1 s of first-time set-up.
        env.update(fresh_dirs(os.path.join(self.folder, "shared"), ("HOME", "XDG_RUNTIME_DIR")))
        env.update(fresh_dirs(os.path.join(self.folder, f"child{self.serial}"),
                              ("XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME")))
        env.update({
            "PULSE_SINK": sink,
            # One plugin registry, built before the first measurement, for both programs.
            "GST_REGISTRY": os.path.join(self.folder, "gst-registry.bin"),
            # Nothing reaches the machine's own buses.
            "DBUS_SESSION_BUS_ADDRESS": no_bus(self.folder),
            "DBUS_SYSTEM_BUS_ADDRESS": no_bus(self.folder),
        })
        if self.pulse_server:
            env["PULSE_SERVER"] = self.pulse_server
        return env

    def start_pulse(self):
        modules = []
        for index in range(SINK_COUNT):
            name = "bench" if index == 0 else f"bench{index}"
            fifo = os.path.join(self.folder, name + ".fifo")
            os.mkfifo(fifo)
            self.captures.append(SinkCapture(name, fifo))
            # System-clock timing makes the sink render in real time and write each block as
            # soon as it is mixed; without it the sink runs as fast as the reader drains it and
            # plays a live stream into underruns.
            modules.append(f"module-pipe-sink file={fifo} sink_name={name} format=s16le "
                           f"rate={RATE} channels=2 use_system_clock_for_timing=yes")
        self.pulse_server = start_pulse(self.background, os.path.join(self.folder, "pulse"), modules,
                                        no_bus(self.folder))
        subprocess.run(["pactl", "set-default-sink", "bench"], env=self.child_env(), check=True)

    def start_server(self, argv, what):
        return self.background.start(argv, what, stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                                     stderr=subprocess.PIPE)

    def server_port(self, proc, what):
        line = proc.stdout.readline().decode().strip()
        if not line.isdigit():
            raise Missing(f"{what} did not start: "
                          + proc.stderr.read().decode("utf-8", "replace").strip())
        # Keep draining its request log so that it never blocks on a full pipe.
        threading.Thread(target=lambda: proc.stdout.read(), daemon=True).start()
        return int(line)

    def start_servers(self):
        lifetime = str(int(self.args.time_limit + 60))
        paced = self.start_server([sys.executable, STREAM_SERVER, "--lifetime", lifetime,
                                   "--exit-on-stdin-eof"], "the test stream server")
        burst = self.start_server([sys.executable, os.path.abspath(__file__), "--burst-server",
                                   "--lifetime", lifetime], "the burst server")
        self.paced = f"http://127.0.0.1:{self.server_port(paced, 'the test stream server')}"
        self.burst = f"http://127.0.0.1:{self.server_port(burst, 'the burst server')}"
        self.refused = f"http://127.0.0.1:{unused_port()}/mp3"

    # -- launching ----------------------------------------------------------------------------

    def launch(self, program, url, sink="bench"):
        env = self.child_env(sink)
        if program == ZEFFIRA:
            write_catalogue(env["XDG_DATA_HOME"], url)
            argv = [self.zeffira, "--headless", "--play", url]
        else:
            argv = ["gst-launch-1.0", "-q", "playbin", "uri=" + url]
        child = Child(argv, env, program)
        self.children.append(child)
        return child

    def finish(self, child):
        child.stop()
        if child in self.children:
            self.children.remove(child)

    def record(self, key, program, value):
        self.results.record(key, program, value)

    def order(self, round_index):
        return rotation(PROGRAMS, round_index)


    # -- measurements -------------------------------------------------------------------------

    def warm_up(self):
        log("warming up (plugin registry, page cache)")
        subprocess.run(["gst-inspect-1.0", "playbin"], env=self.child_env(),
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        capture = self.captures[0]
        for program in PROGRAMS:
            for codec in ("mp3", "ogg", "aac"):
                capture.arm()
                child = self.launch(program, f"{self.burst}/{codec}")
                first = capture.wait_first_audio(time.monotonic() + START_LIMIT,
                                                 also=lambda: child.exited_at is not None)
                self.finish(child)
                capture.disarm()
                if first is None:
                    text = (f"no audio reached the sound server from {program} playing {codec}; "
                            f"its output:\n{child.output()[-2000:]}")
                    if program == BASELINE:
                        raise Missing(text)
                    log("  " + text)
                capture.wait_quiet(QUIET_BEFORE_RUN, 3)

    def start_up(self, station, url, with_memory):
        """Time to first audio, alone on the default sink; memory read a little later."""
        capture = self.captures[0]
        for round_index in range(self.args.runs):
            for program in self.order(round_index):
                self.background.check()
                capture.wait_quiet(QUIET_BEFORE_RUN, 3)
                capture.arm()
                child = self.launch(program, url)
                first = capture.wait_first_audio(child.launched + START_LIMIT,
                                                 also=lambda: child.exited_at is not None)
                if first is not None:
                    self.record(("start", station), program, first - child.launched)
                    if program == ZEFFIRA:
                        began = child.line_time("Starting playback")
                        if began is not None:
                            self.record(("launch", station), program, began - child.launched)
                    if with_memory:
                        time.sleep(max(0.0, first + PSS_AFTER - time.monotonic()))
                        pss = child.memory_kib()[0]
                        if pss is not None:
                            self.record(("pss", station), program, pss / 1024)
                    else:
                        time.sleep(0.3)
                else:
                    self.record(("start", station), program, None)
                    log(f"  {program} gave no audio on {station} within {START_LIMIT:.0f} s")
                self.finish(child)
                capture.disarm()
                log(f"  start-up {station:<14} {program:<8} "
                    + (f"{first - child.launched:.3f} s" if first else "none"))

    def failures(self):
        cases = [("refused", self.refused), ("HTTP 404", f"{self.paced}/404"),
                 ("HTML page", f"{self.paced}/html")]
        for name, url in cases:
            for round_index in range(self.args.runs):
                for program in self.order(round_index):
                    self.background.check()
                    child = self.launch(program, url)
                    value = self.wait_failure(child, program, FAIL_LIMIT)
                    self.finish(child)
                    self.record(("fail", name), program, value)
                    log(f"  failure {name:<10} {program:<8} "
                        + (f"{value:.3f} s" if value is not None else "not reported"))

    def wait_failure(self, child, program, limit):
        deadline = child.launched + limit
        while time.monotonic() < deadline:
            value = self.failure_time(child, program)
            if value is not None:
                return value
            time.sleep(0.01)
        return None

    @staticmethod
    def failure_time(child, program):
        if program == ZEFFIRA:
            when = child.line_time("Player item failed")
        else:
            when = child.exited_at
        return None if when is None else when - child.launched

    def steady_rounds(self):
        """Plays every station with both programs side by side, each on its own pipe sink,
        for the steady phase; stalled stations are waited on meanwhile."""
        stations = [("MP3", f"{self.paced}/mp3"), ("Ogg Vorbis", f"{self.paced}/ogg"),
                    ("AAC", f"{self.paced}/aac"), ("burst MP3", f"{self.burst}/mp3")]
        stalls = [("stall", f"{self.paced}/stall"),
                  ("headers, stall", f"{self.paced}/headers-then-stall")]
        duration = self.args.steady
        for round_index in range(self.args.runs):
            log(f"  steady round {round_index + 1}/{self.args.runs} ({duration:.0f} s of playing)")
            self.background.check()
            players = []
            sinks = iter(self.captures)
            for program in self.order(round_index):
                for station, url in stations:
                    capture = next(sinks)
                    capture.arm()
                    players.append({"station": station, "program": program, "capture": capture,
                                    "child": self.launch(program, url, capture.name)})
                    time.sleep(0.1)
            stalled = []
            for program in self.order(round_index):
                for name, url in stalls:
                    stalled.append((name, program, self.launch(program, url)))
            try:
                self.run_round(players, stalled, duration)
            finally:
                for player in players:
                    self.finish(player["child"])
                for _, _, child in stalled:
                    self.finish(child)
                for capture in self.captures:
                    capture.disarm()
            for capture in self.captures:
                capture.wait_quiet(QUIET_BEFORE_RUN, 3)

    def run_round(self, players, stalled, duration):
        pending_stalls = list(stalled)
        while True:
            now = time.monotonic()
            busy = False
            for p in players:
                if "done" in p:
                    continue
                busy = True
                child, capture = p["child"], p["capture"]
                first = capture.first_audio
                if first is None:
                    if now - child.launched > START_LIMIT or child.exited_at is not None:
                        p["done"] = True
                        log(f"    {p['program']} gave no audio on {p['station']}")
                        self.record(("cpu", p["station"]), p["program"], None)
                        self.record(("gaps", p["station"]), p["program"], None)
                    continue
                if "cpu0" not in p and now >= first + SETTLE:
                    p["cpu0"], p["t0"] = child.cpu_seconds(), now
                if "cpu0" in p and now >= p["t0"] + duration:
                    cpu1 = child.cpu_seconds()
                    alive = child.exited_at is None and cpu1 is not None and p["cpu0"] is not None
                    _, gaps = capture.disarm()
                    p["done"] = True
                    self.record(("cpu", p["station"]), p["program"],
                                100 * (cpu1 - p["cpu0"]) / (now - p["t0"]) if alive else None)
                    self.record(("gaps", p["station"]), p["program"], len(gaps) if alive else None)
                    if gaps:
                        log(f"    {p['program']} on {p['station']}: dropouts of "
                            + ", ".join(f"{d * 1000:.0f} ms at +{t - first:.1f} s" for t, d in gaps))
                    if not alive:
                        log(f"    {p['program']} on {p['station']} stopped playing:\n"
                            + child.output()[-1500:])
            for entry in list(pending_stalls):
                name, program, child = entry
                value = self.failure_time(child, program)
                if value is not None or now - child.launched > STALL_LIMIT:
                    self.record(("fail", name), program, value)
                    self.finish(child)
                    pending_stalls.remove(entry)
            if not busy and not pending_stalls:
                return
            time.sleep(0.02)

    # -- report -------------------------------------------------------------------------------

    def report(self, start_timeout):
        stall_bound = start_timeout + 0.5
        rows = []
        values, median = self.results.values, self.results.median

        def row(name, key, unit, target, check):
            z, b = median(key, ZEFFIRA), median(key, BASELINE)
            ratio = z / b if z is not None and b else None
            failed_runs = self.results.failed(key, ZEFFIRA)
            if z is None:
                verdict = f"over ({failed_runs} failed)" if failed_runs else "-"
            else:
                verdict = "ok" if check(z, ratio) else "over"
            b_text = fmt(b, unit)
            if b is None and values(key, BASELINE):
                b_text = "none" if key[0] != "fail" else f"> {STALL_LIMIT:.0f} s"
            rows.append((name, fmt(z, unit), b_text, ratio_text(ratio), target, verdict))

        for station in ("burst MP3", "burst Ogg", "burst AAC"):
            row(f"first audio, {station}", ("start", station), "s", "<= 0.25 s, <= 0.6x",
                lambda z, r: z <= 0.25 and r is not None and r <= 0.6)
        row("first audio, no burst MP3", ("start", "no burst MP3"), "s", "<= 0.5 s",
            lambda z, r: z <= 0.5)
        launch = [v for station in ("burst MP3", "burst Ogg", "burst AAC", "no burst MP3")
                  for v in values(("launch", station), ZEFFIRA)]
        if launch:
            rows.append(("  of which launch to 'Starting playback'",
                         fmt(statistics.median(launch), "s"), "", "", "", ""))
        for station in ("burst MP3", "MP3", "Ogg Vorbis", "AAC"):
            key = ("gaps", station)
            z, b = values(key, ZEFFIRA), values(key, BASELINE)
            label = station if station.startswith("burst") else "no burst " + station

            def dropouts(got):
                if not got:
                    return "-"
                text = f"{sum(v for v in got if v is not None)} in {len(got)} runs"
                stopped = sum(v is None for v in got)
                return text + (f", {stopped} stopped" if stopped else "")

            zt, bt = dropouts(z), dropouts(b)
            ok = bool(z) and None not in z and sum(z) == 0
            rows.append((f"dropouts > 50 ms, {label}", zt, bt, "", "none", "ok" if ok else "over"))
        for station in ("MP3", "Ogg Vorbis", "AAC"):
            row(f"CPU, {station}", ("cpu", station), "%", "<= 1.0x",
                lambda z, r: r is not None and r <= 1.0)
        for station, key in (("MP3", "burst MP3"), ("Ogg Vorbis", "burst Ogg"), ("AAC", "burst AAC")):
            row(f"PSS, {station}", ("pss", key), "MiB", "<= 1.2x",
                lambda z, r: r is not None and r <= 1.2)
        for name in ("refused", "HTTP 404", "HTML page"):
            row(f"failure, {name}", ("fail", name), "s", "< 1 s", lambda z, r: z < 1.0)
        for name in ("stall", "headers, stall"):
            row(f"failure, {name}", ("fail", name), "s", f"<= {stall_bound:.1f} s",
                lambda z, r: z <= stall_bound)

        print_table(
            f"Playback: zeffira --headless against gst-launch-1.0 playbin, medians of "
            f"{self.args.runs} runs each; steady phase {self.args.steady:.0f} s",
            ("measurement", "zeffira", "playbin", "ratio", "target", ""), rows,
            "first audio: launch to the first non-silent sample leaving the sound server. "
            "dropouts: exact silence over 50 ms after the first audio; 'stopped': the program "
            "quit or went silent before the steady phase ended. "
            "CPU: share of one core while playing. PSS: read alone, "
            f"{PSS_AFTER:.0f} s after the first audio. failure: launch to 'Player item failed' "
            "(playbin: to its error exit). stall bound: kStartTimeout "
            f"({start_timeout:.1f} s) + 0.5 s for start-up and the watchdog's period.")

    def cleanup(self):
        for child in list(self.children):
            child.stop()
        self.background.stop()
        for capture in self.captures:
            capture.close()
        shutil.rmtree(self.folder, ignore_errors=True)


def start_timeout_seconds():
    """The player's own bound for a station that connects and sends nothing, read from the
    source wherever under src/ the backend's header lives."""
    for folder, _, files in sorted(os.walk(os.path.join(SOURCE_ROOT, "src"))):
        if BACKEND_HEADER in files:
            with open(os.path.join(folder, BACKEND_HEADER)) as f:
                match = re.search(r"kStartTimeout\{(\d+)\}", f.read())
            if match:
                return int(match.group(1)) / 1000
    raise Missing(f"GstStreamBackend::kStartTimeout (in milliseconds) in src/.../{BACKEND_HEADER}")


def main():
    parser = argparse.ArgumentParser(description=__doc__,
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--zeffira", default=os.path.join(SOURCE_ROOT, "build", "src", "zeffira"),
                        help="the zeffira binary (default: build/src/zeffira)")
    parser.add_argument("--quick", action="store_true",
                        help="3 runs each and a 10 s steady phase")
    parser.add_argument("--runs", type=int, help="runs of each measurement per program")
    parser.add_argument("--steady", type=float, help="seconds of the steady phase")
    parser.add_argument("--burst-server", action="store_true", help=argparse.SUPPRESS)
    parser.add_argument("--lifetime", type=float, default=600, help=argparse.SUPPRESS)
    args = parser.parse_args()

    if args.burst_server:
        serve_burst(args.lifetime)
        return 0

    args.runs = args.runs or (3 if args.quick else 5)
    args.steady = args.steady or (10.0 if args.quick else 30.0)
    # Everything the benchmark starts is gone after this, whatever happens to the benchmark.
    args.time_limit = 2 * (60 + args.runs * (3 * 2 * 4 + 2 * 7 + 3 * 2 * 1 + args.steady + 12))

    bench = Bench(args)

    def body():
        start_timeout = start_timeout_seconds()
        bench.check_tools()
        began = time.monotonic()
        bench.start_servers()
        bench.start_pulse()
        bench.warm_up()
        log("start-up (alone on the sink)")
        for codec, station in (("mp3", "burst MP3"), ("ogg", "burst Ogg"), ("aac", "burst AAC")):
            bench.start_up(station, f"{bench.burst}/{codec}", with_memory=True)
        bench.start_up("no burst MP3", f"{bench.paced}/mp3", with_memory=False)
        log("failure detection")
        bench.failures()
        log("steady playback, both programs side by side, each on its own sink")
        bench.steady_rounds()
        bench.report(start_timeout)
        print(f"(benchmark took {time.monotonic() - began:.0f} s)")

    return run("playback", bench.cleanup, body)


if __name__ == "__main__":
    sys.exit(main())
