"""What the Python benchmarks share: programs launched and read through /proc, servers that end
by themselves, a private PulseAudio daemon, fresh environments for every launch, medians and the
printed table. Standard library only."""

import json
import os
import shutil
import signal
import socket
import statistics
import subprocess
import sys
import threading
import time


class Missing(Exception):
    """Something the benchmark needs is not there; the message names it."""


def log(text):
    sys.stderr.write(text + "\n")
    sys.stderr.flush()


def missing_tools(tools):
    """The tools of `tools` not on PATH, and /proc/PID/smaps_rollup if the kernel lacks it."""
    missing = [tool for tool in tools if not shutil.which(tool)]
    if not os.path.isfile(f"/proc/{os.getpid()}/smaps_rollup"):
        missing.append("/proc/PID/smaps_rollup (Linux 4.14 or later)")
    return missing


def unused_port():
    """A port on 127.0.0.1 that nothing listens on: bound and released again."""
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


# ---------------------------------------------------------------------------------------------
# Environments.

# What ties a program to the desktop this runs on: its buses, sound server, display, toolkit,
# plugin and session settings. None of it reaches a program under test.
_FOREIGN_PREFIXES = ("XDG_", "PULSE_", "DBUS_", "QT_", "GTK_", "GDK_", "GIO_", "GST_", "GSETTINGS_",
                     "SESSION_MANAGER", "DESKTOP_SESSION")
_FOREIGN_NAMES = ("DISPLAY", "WAYLAND_DISPLAY", "XAUTHORITY")


def clean_env():
    return {k: v for k, v in os.environ.items()
            if not k.startswith(_FOREIGN_PREFIXES) and k not in _FOREIGN_NAMES}


def no_bus(folder):
    """A D-Bus address where nothing listens."""
    return "unix:path=" + os.path.join(folder, "no-bus")


HOME_DIRS = ("HOME", "XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_STATE_HOME",
             "XDG_RUNTIME_DIR")


def fresh_dirs(folder, names=HOME_DIRS):
    """New folders inside `folder` for the variables `names` (of HOME_DIRS), by name."""
    dirs = {}
    for name in names:
        dirs[name] = os.path.join(folder, name.lower())
        os.makedirs(dirs[name], mode=0o700, exist_ok=True)
    return dirs


def write_catalogue(data_home, url):
    """The player's catalogue: one category holding one station. A failing station leaves it
    nothing else to try, and the built-in list (which an empty file would bring back) never
    reaches the internet."""
    folder = os.path.join(data_home, "Zeffira")
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, "stations.json"), "w") as f:
        json.dump([{"name": "Bench", "stations": [{"name": "Bench", "url": url}]}], f)


# ---------------------------------------------------------------------------------------------
# Servers beside the programs under test.

class Background:
    """Servers a benchmark runs beside what it measures. Each runs under `timeout` in a session
    of its own: it ends by itself after `limit` seconds even if the benchmark is killed outright,
    and stop() ends its whole process group."""

    def __init__(self, limit):
        self.limit = str(int(limit))
        self.procs = []  # (Popen, what)

    def start(self, argv, what, **kw):
        proc = subprocess.Popen(["timeout", self.limit] + list(argv), start_new_session=True, **kw)
        self.procs.append((proc, what))
        return proc

    def check(self):
        """Raises Missing when a server has stopped, with the end of its error output."""
        for proc, what in self.procs:
            if proc.poll() is not None:
                text = f"{what} stopped (exit status {proc.returncode})"
                if proc.stderr:
                    text += ": " + proc.stderr.read().decode("utf-8", "replace").strip()[-2000:]
                raise Missing(text)

    def stop(self):
        for proc, _ in reversed(self.procs):
            _end_group(proc)
        self.procs = []


def start_port_server(background, argv, what):
    """Starts a server that prints the port it listens on as its first line; the port. Its
    output is drained from then on, so that it never blocks on a full pipe."""
    proc = background.start(argv, what, stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                            stderr=subprocess.PIPE)
    line = proc.stdout.readline().decode().strip()
    if not line.isdigit():
        raise Missing(f"{what} did not start: " + proc.stderr.read().decode("utf-8", "replace").strip())
    threading.Thread(target=lambda: proc.stdout.read(), daemon=True).start()
    return int(line)


def _end_group(proc, grace=5):
    if proc.poll() is not None:
        return
    for sig in (signal.SIGTERM, signal.SIGKILL):
        try:
            os.killpg(proc.pid, sig)
        except (ProcessLookupError, PermissionError):
            pass
        try:
            proc.wait(timeout=grace)
            return
        except subprocess.TimeoutExpired:
            pass


def wait_ready(what, check, proc, limit=10):
    """Waits until `check()` holds, for at most `limit` seconds, while `proc` runs."""
    deadline = time.monotonic() + limit
    while not check():
        if proc.poll() is not None:
            error = proc.stderr.read().decode("utf-8", "replace").strip() if proc.stderr else ""
            raise Missing(f"{what} did not start" + (f": {error}" if error else ""))
        if time.monotonic() > deadline:
            raise Missing(f"{what} did not answer within {limit} s")
        time.sleep(0.1)


def start_pulse(background, folder, modules, session_bus):
    """A private PulseAudio daemon with its socket in `folder` and `modules` loaded, answering
    before this returns; the PULSE_SERVER address of it. Access is anonymous: every program has
    a HOME of its own and so no cookie."""
    runtime = os.path.join(folder, "runtime")
    os.makedirs(runtime, mode=0o700)
    os.makedirs(os.path.join(folder, "home"), mode=0o700)
    env = clean_env()
    env.update(HOME=os.path.join(folder, "home"), XDG_RUNTIME_DIR=runtime, PULSE_RUNTIME_PATH=runtime,
               DBUS_SESSION_BUS_ADDRESS=session_bus, DBUS_SYSTEM_BUS_ADDRESS=no_bus(folder))
    native = os.path.join(runtime, "native")
    argv = ["pulseaudio", "-n", "--daemonize=no", "--exit-idle-time=-1", "--disallow-exit",
            "--use-pid-file=no", "--log-target=stderr", "--log-level=error",
            f"--load=module-native-protocol-unix auth-anonymous=1 socket={native}"]
    argv += [f"--load={module}" for module in modules]
    proc = background.start(argv, "pulseaudio", env=env, stdin=subprocess.DEVNULL,
                            stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
    server = "unix:" + native
    probe = dict(env, PULSE_SERVER=server)
    wait_ready("pulseaudio", lambda: subprocess.run(["pactl", "info"], env=probe, stdout=subprocess.DEVNULL,
                                                    stderr=subprocess.DEVNULL).returncode == 0, proc)
    return server


def start_xvfb(background):
    """A private X server (no TCP); its DISPLAY."""
    read, write = os.pipe()
    background.start(["Xvfb", "-displayfd", str(write), "-screen", "0", "1280x800x24", "-nolisten", "tcp"],
                     "Xvfb", pass_fds=(write,), stdin=subprocess.DEVNULL,
                     stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write)
    with os.fdopen(read) as f:
        number = f.readline().strip()
    if not number:
        raise Missing("Xvfb did not start")
    return ":" + number


def start_session_bus(background, folder):
    """A private session bus with its socket in `folder`; its address. No service folders: the
    bus starts nothing by itself, so everything on it is ours (a program that would activate
    dconf or the accessibility bus runs without them)."""
    config = os.path.join(folder, "session.conf")
    socket_path = os.path.join(folder, "session-bus")
    with open(config, "w") as f:
        f.write(f"""<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>session</type>
  <listen>unix:path={socket_path}</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
""")
    proc = background.start(["dbus-daemon", "--config-file=" + config, "--nofork", "--nopidfile",
                             "--print-address=1"], "the session bus", stdin=subprocess.DEVNULL,
                            stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
    address = proc.stdout.readline().decode().strip()
    if not address:
        raise Missing("dbus-daemon did not start")
    return address


class TrayWatcher:
    """The StatusNotifierWatcher of tray_bench.py (what a desktop panel provides), run as a child
    on the bus at `address`; collects every registration as (time, pid, bus name, path)."""

    def __init__(self, background, address, lifetime):
        script = os.path.join(os.path.dirname(os.path.abspath(__file__)), "tray_bench.py")
        env = dict(os.environ, DBUS_SESSION_BUS_ADDRESS=address)
        proc = background.start([sys.executable, script, "--watcher", "--lifetime", str(int(lifetime))],
                                "the StatusNotifierWatcher", env=env, stdin=subprocess.PIPE,
                                stdout=subprocess.PIPE, stderr=subprocess.PIPE)
        if proc.stdout.readline().decode().strip() != "ready":
            raise Missing("the StatusNotifierWatcher did not start: "
                          + proc.stderr.read().decode("utf-8", "replace").strip()[-2000:])
        self.registrations = []
        self.changed = threading.Condition()
        threading.Thread(target=self._read, args=(proc,), daemon=True).start()

    def _read(self, proc):
        for raw in iter(proc.stdout.readline, b""):
            parts = raw.decode().split()
            if len(parts) == 5 and parts[0] == "registered":
                with self.changed:
                    self.registrations.append((float(parts[1]), int(parts[2]), parts[3], parts[4]))
                    self.changed.notify_all()

    def wait(self, child, limit):
        """When `child`'s item registered, with its (bus name, path); (None, None) if it did not
        within `limit` seconds of its launch."""
        deadline = child.launched + limit
        with self.changed:
            while True:
                for when, pid, name, path in self.registrations:
                    if pid == child.proc.pid and when >= child.launched:
                        return when, (name, path)
                left = deadline - time.monotonic()
                if left <= 0 or not child.alive():
                    return None, None
                self.changed.wait(min(left, 0.1))


# ---------------------------------------------------------------------------------------------
# Programs under test.

class Child:
    """One launched program: its launch time, timestamped output lines, exit time, /proc."""

    def __init__(self, argv, env, label, stdin=subprocess.DEVNULL):
        self.label = label
        self.lines = []  # (time, text)
        self.lock = threading.Lock()
        self.exited_at = None
        self.launched = time.monotonic()
        self.proc = subprocess.Popen(argv, env=env, stdin=stdin,
                                     stdout=subprocess.PIPE, stderr=subprocess.PIPE,
                                     start_new_session=True)
        # The process that /proc is read from and that is asked to stop: the program itself,
        # also when a wrapper (a profiler) started it (see follow()).
        self.pid = self.proc.pid
        for stream in (self.proc.stdout, self.proc.stderr):
            threading.Thread(target=self._collect, args=(stream,), daemon=True).start()
        threading.Thread(target=self._wait, daemon=True).start()

    def _collect(self, stream):
        for raw in iter(stream.readline, b""):
            with self.lock:
                self.lines.append((time.monotonic(), raw.decode("utf-8", "replace").rstrip()))

    def _wait(self):
        self.proc.wait()
        self.exited_at = time.monotonic()

    def alive(self):
        return self.proc.poll() is None

    def follow(self, executable, limit):
        """Reads and stops the child process running `executable` that the launched wrapper
        started, once it is there (within `limit` seconds). False when none came."""
        wanted = os.path.realpath(executable)
        deadline = time.monotonic() + limit
        while time.monotonic() < deadline and self.alive():
            try:
                with open(f"/proc/{self.proc.pid}/task/{self.proc.pid}/children") as f:
                    pids = f.read().split()
            except OSError:
                pids = []
            for pid in pids:
                try:
                    if os.path.realpath(f"/proc/{pid}/exe") == wanted:
                        self.pid = int(pid)
                        return True
                except OSError:
                    pass
            time.sleep(0.05)
        return False

    def line_time(self, text):
        """When a line holding `text` was first written, or None."""
        with self.lock:
            for when, line in self.lines:
                if text in line:
                    return when
        return None

    def output(self, last=None):
        with self.lock:
            lines = self.lines if last is None else self.lines[-last:]
            return "\n".join(line for _, line in lines)

    def cpu_seconds(self):
        try:
            with open(f"/proc/{self.pid}/stat") as f:
                fields = f.read().rsplit(")", 1)[1].split()
        except OSError:
            return None
        # utime and stime, fields 14 and 15 of the whole line.
        return (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK")

    def memory_fields(self):
        """The kB fields of /proc/PID/smaps_rollup by name; empty when it cannot be read."""
        fields = {}
        try:
            with open(f"/proc/{self.pid}/smaps_rollup") as f:
                for line in f:
                    parts = line.split()
                    if len(parts) == 3 and parts[2] == "kB":
                        fields[parts[0].rstrip(":")] = int(parts[1])
        except OSError:
            return {}
        return fields

    def memory_kib(self):
        """Pss and the private pages (Private_Clean + Private_Dirty), or (None, None)."""
        fields = self.memory_fields()
        if "Pss" not in fields:
            return None, None
        return fields["Pss"], fields.get("Private_Clean", 0) + fields.get("Private_Dirty", 0)

    def mapped_files(self, prefixes):
        """The names of the files mapped into the process whose names start with one of
        `prefixes`, sorted; None when /proc/PID/maps cannot be read (the program is gone)."""
        found = set()
        try:
            with open(f"/proc/{self.pid}/maps") as f:
                for line in f:
                    # address perms offset dev inode [path]
                    parts = line.split(None, 5)
                    if len(parts) == 6:
                        name = os.path.basename(parts[5].strip())
                        if name.startswith(tuple(prefixes)):
                            found.add(name)
        except OSError:
            return None
        return sorted(found) if self.alive() else None

    def stop(self, limit=5):
        """SIGTERM to the program; a wrapper around it is given `limit` seconds to end after it."""
        if self.proc.poll() is None:
            try:
                os.kill(self.pid, signal.SIGTERM)
                self.proc.wait(timeout=limit)
            except subprocess.TimeoutExpired:
                os.killpg(self.proc.pid, signal.SIGKILL)  # its own session: the wrapper and the program
                self.proc.wait()
            except ProcessLookupError:
                pass


def rotation(programs, round_index):
    """The order of the programs in a round: each goes first in turn."""
    shift = round_index % len(programs)
    return programs[shift:] + programs[:shift]


# ---------------------------------------------------------------------------------------------
# Results and the table.

class Results:
    """Every run's value per measurement and program; None for a run that failed."""

    def __init__(self):
        self.values_by_key = {}

    def record(self, key, program, value):
        self.values_by_key.setdefault(key, {}).setdefault(program, []).append(value)

    def values(self, key, program):
        return self.values_by_key.get(key, {}).get(program, [])

    def failed(self, key, program):
        return sum(v is None for v in self.values(key, program))

    def median(self, key, program):
        """The median, or None when there were no runs or one of them failed."""
        got = self.values(key, program)
        if not got or any(v is None for v in got):
            return None
        return statistics.median(got)


def fmt(value, unit):
    if value is None:
        return "-"
    return {"s": f"{value:.3f} s", "ms": f"{value * 1000:.1f} ms", "%": f"{value:.2f} %",
            "MiB": f"{value:.1f} MiB"}[unit]


def ratio_text(ratio, small_digits=2):
    """The ratio with two decimals, or `small_digits` below 0.1."""
    if ratio is None:
        return "-"
    return f"{ratio:.2f}x" if ratio >= 0.1 else f"{ratio:.{small_digits}f}x"


def print_table(title, header, rows, note):
    widths = [max(len(str(r[i])) for r in rows + [header]) for i in range(len(header))]
    print()
    print(title)
    for r in [header] + rows:
        print("  ".join(str(cell).ljust(w) for cell, w in zip(r, widths)).rstrip())
    print()
    print(note)
    sys.stdout.flush()


SUMMARY_VARIABLE = "ZEFFIRA_BENCH_SUMMARY"


def summarise(benchmark, measurement, value, baseline, ratio, target, verdict):
    """Adds a row to the summary of `make bench`: a tab-separated line in the file that
    ZEFFIRA_BENCH_SUMMARY names, when it is set (bench/summary.py prints them)."""
    path = os.environ.get(SUMMARY_VARIABLE)
    if not path:
        return
    cells = [benchmark, measurement, value, baseline, ratio, target, verdict]
    with open(path, "a") as f:
        f.write("\t".join(str(c).replace("\t", " ").replace("\n", " ") for c in cells) + "\n")


def run(name, cleanup, body):
    """Runs `body`; 0 once it ran, 2 when something it needs is missing, 130 when interrupted.
    `cleanup` runs in every case, also on SIGTERM."""
    # SIGTERM unwinds like Ctrl-C, through the cleanup below.
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(130))
    try:
        body()
        return 0
    except Missing as error:
        log(f"{name} benchmark cannot run: {error}")
        return 2
    except KeyboardInterrupt:
        log("interrupted")
        return 130
    finally:
        cleanup()
