"""Real peers for the end-to-end tests: a private PulseAudio daemon, a private D-Bus session bus,
the local stream server, and the zeffira binary, each started in a temporary folder and stopped
by the test. Everything listens on 127.0.0.1 or on Unix sockets inside the folder."""

import json
import os
import re
import shutil
import signal
import socket
import struct
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
FIXTURES = os.environ.get("ZEFFIRA_FIXTURES", os.path.join(HERE, "..", "fixtures"))


def require(*programs):
    missing = [p for p in programs if shutil.which(p) is None]
    if missing:
        sys.exit("missing test component(s): " + ", ".join(missing))


# The player's answer to a media command sent within 0.3 s of the previous accepted one.
DEBOUNCED = "it came too soon after the previous one"


# What the program's log never holds: a warning of the QML engine (it names the file and line), a
# script error or a binding loop. A view that logs one misbehaves whatever the checks see.
QML_WARNING = re.compile(r"\.qml:\d+|\bTypeError\b|\bReferenceError\b|Binding loop|is not defined")


def wait_for(predicate, timeout, what):
    """The first true value of `predicate`, asked at least once and then until `timeout`."""
    deadline = time.monotonic() + timeout
    while True:
        value = predicate()
        if value:
            return value
        if time.monotonic() >= deadline:
            raise AssertionError("timed out waiting for " + what)
        time.sleep(0.05)


def menu_ids(layout, found=None):
    """A dbusmenu layout (GetLayout's second value) as {label without mnemonic escapes: item id}."""
    found = {} if found is None else found
    item_id, props, children = layout
    if "label" in props:
        found[str(props["label"]).replace("__", "_")] = int(item_id)
    for child in children:
        menu_ids(child, found)
    return found


class Peers:
    """Starts what a test asks for; stop() (or the with-block) ends all of it."""

    def __init__(self):
        self.dir = tempfile.mkdtemp(prefix="zeffira-test-")
        self.procs = []
        self.apps = []  # (process, log, the exit status it must end with, its arguments)
        self.env = dict(os.environ)
        for name in ("home", "run", "data", "config", "cache"):
            os.makedirs(os.path.join(self.dir, name), mode=0o700)
        self.env.update(HOME=os.path.join(self.dir, "home"),
                        XDG_RUNTIME_DIR=os.path.join(self.dir, "run"),
                        XDG_DATA_HOME=os.path.join(self.dir, "data"),
                        XDG_CONFIG_HOME=os.path.join(self.dir, "config"),
                        XDG_CACHE_HOME=os.path.join(self.dir, "cache"),
                        # No system bus: sleep handling is not part of these tests.
                        DBUS_SYSTEM_BUS_ADDRESS="unix:path=" + os.path.join(self.dir, "no-system-bus"))
        self.env.pop("DISPLAY", None)
        self.env.pop("WAYLAND_DISPLAY", None)

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.stop()

    def _spawn(self, args, **kw):
        proc = subprocess.Popen(args, env=self.env, **kw)
        self.procs.append(proc)
        return proc

    def start_pulse(self, sinks=("a", "b")):
        require("pulseaudio", "pactl")
        runtime = os.path.join(self.dir, "pulse")
        os.makedirs(runtime, mode=0o700)
        self.env["PULSE_RUNTIME_PATH"] = runtime
        args = ["pulseaudio", "-n", "--daemonize=no", "--exit-idle-time=-1", "--disallow-exit",
                "--load=module-native-protocol-unix"]
        args += ["--load=module-null-sink sink_name=%s" % s for s in sinks]
        self._spawn(args, stdout=subprocess.DEVNULL, stderr=open(os.path.join(self.dir, "pulse.log"), "w"))
        self.env["PULSE_SERVER"] = "unix:" + os.path.join(runtime, "native")
        wait_for(lambda: self.run(["pactl", "info"]).returncode == 0, 15, "the private PulseAudio daemon")
        if sinks:
            self.run(["pactl", "set-default-sink", sinks[0]])

    def start_session_bus(self):
        require("dbus-daemon")
        socket = os.path.join(self.dir, "session-bus")
        proc = self._spawn(["dbus-daemon", "--session", "--nofork", "--nopidfile", "--print-address=1",
                            "--address=unix:path=" + socket], stdout=subprocess.PIPE, text=True)
        self.env["DBUS_SESSION_BUS_ADDRESS"] = proc.stdout.readline().strip()

    def start_system_bus(self):
        """A private bus standing in for the system bus (once; the mocks share it)."""
        require("dbus-daemon", "dbus-send")
        socket = os.path.join(self.dir, "system-bus")
        if os.path.exists(socket):
            return
        proc = self._spawn(["dbus-daemon", "--session", "--nofork", "--nopidfile", "--print-address=1",
                            "--address=unix:path=" + socket], stdout=subprocess.PIPE, text=True)
        self.env["DBUS_SYSTEM_BUS_ADDRESS"] = proc.stdout.readline().strip()

    def start_logind(self):
        """python3-dbusmock's logind on the private system bus: sleep inhibitors and
        PrepareForSleep, sent with logind_sleep()."""
        self.start_system_bus()
        self._spawn(["/usr/bin/python3", "-m", "dbusmock", "--system", "--template", "logind"],
                    stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        wait_for(lambda: self.logind_inhibitors() is not None, 15, "the logind mock")

    def logind_inhibitors(self):
        """The (what, who, why, mode) of each inhibitor logind holds, or None without an answer."""
        result = self.run(["dbus-send", "--system", "--print-reply", "--dest=org.freedesktop.login1",
                           "/org/freedesktop/login1", "org.freedesktop.login1.Manager.ListInhibitors"])
        if result.returncode != 0:
            return None
        import re
        strings = re.findall(r'string "([^"]*)"', result.stdout)
        return [tuple(strings[i:i + 4]) for i in range(0, len(strings), 4)]

    def logind_sleep(self, sleeping):
        """logind announces that the system goes to sleep (True) or woke up (False)."""
        require("gdbus")
        result = self.run(["gdbus", "call", "--system", "--dest", "org.freedesktop.login1", "--object-path",
                           "/org/freedesktop/login1", "--method", "org.freedesktop.DBus.Mock.EmitSignal",
                           "org.freedesktop.login1.Manager", "PrepareForSleep", "b",
                           "[<%s>]" % ("true" if sleeping else "false")])
        if result.returncode != 0:
            raise AssertionError("logind mock: " + result.stderr)

    def start_network_manager(self, state=70):
        """python3-dbusmock's NetworkManager on the private system bus in NMState `state` (70
        connected, 20 disconnected)."""
        self.start_system_bus()
        self._spawn(["/usr/bin/python3", "-m", "dbusmock", "--system", "--template", "networkmanager"],
                    stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        wait_for(lambda: self.run(["dbus-send", "--system", "--print-reply", "--dest=org.freedesktop.NetworkManager",
                                   "/org/freedesktop/NetworkManager", "org.freedesktop.DBus.Properties.Get",
                                   "string:org.freedesktop.NetworkManager", "string:State"]).returncode == 0,
                 15, "the NetworkManager mock")
        self.set_network_state(state)

    def start_notification_daemon(self):
        """python3-dbusmock's notification daemon on the session bus (start_session_bus first)."""
        self._spawn(["/usr/bin/python3", "-m", "dbusmock", "--session", "--template", "notification_daemon"],
                    stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        wait_for(lambda: self.run(["dbus-send", "--session", "--print-reply", "--dest=org.freedesktop.Notifications",
                                   "/org/freedesktop/Notifications",
                                   "org.freedesktop.Notifications.GetServerInformation"]).returncode == 0,
                 15, "the notification daemon mock")

    def start_tray_watcher(self):
        """python3-dbusmock's stand-in for the panel's StatusNotifierWatcher on the session bus."""
        self._spawn(["/usr/bin/python3", "-m", "dbusmock", "--session", "--template",
                     os.path.join(FIXTURES, "statusnotifierwatcher.py")],
                    stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        wait_for(lambda: self.run(["dbus-send", "--session", "--print-reply", "--dest=org.kde.StatusNotifierWatcher",
                                   "/StatusNotifierWatcher", "org.freedesktop.DBus.Mock.GetCalls"]).returncode == 0,
                 15, "the StatusNotifierWatcher mock")

    def tray_registrations(self):
        """The bus names items registered with the watcher mock, in order."""
        out = self.run(["dbus-send", "--session", "--print-reply", "--dest=org.kde.StatusNotifierWatcher",
                        "/StatusNotifierWatcher", "org.freedesktop.DBus.Mock.GetCalls"]).stdout
        import re
        return re.findall(r'string "RegisterStatusNotifierItem"\s+array \[\s+variant\s+string "([^"]+)"', out)

    def set_network_state(self, state):
        result = self.run(["dbus-send", "--system", "--print-reply", "--dest=org.freedesktop.NetworkManager",
                           "/org/freedesktop/NetworkManager", "org.freedesktop.DBus.Mock.SetGlobalConnectionState",
                           "uint32:%d" % state])
        if result.returncode != 0:
            raise AssertionError("NetworkManager mock: " + result.stderr)

    def start_display(self, size="1280x800"):
        """A private X server (Xvfb), on a display number it picks itself."""
        require("Xvfb")
        read, write = os.pipe()
        self._spawn(["Xvfb", "-displayfd", str(write), "-screen", "0", size + "x24", "-nolisten", "tcp"],
                    pass_fds=(write,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write)
        with os.fdopen(read) as f:
            number = f.readline().strip()
        if not number:
            raise AssertionError("Xvfb did not start")
        self.env["DISPLAY"] = ":" + number
        self.env.pop("QT_QPA_PLATFORM", None)

    def start_wayland(self):
        """A private Wayland compositor: weston's headless backend, no screen, no GPU."""
        require("weston")
        socket = "wayland-zeffira-test"
        self._spawn(["weston", "--backend=headless-backend.so", "--socket=" + socket, "--idle-time=0",
                     "--width=1280", "--height=800"], stdout=subprocess.DEVNULL,
                    stderr=open(os.path.join(self.dir, "weston.log"), "w"))
        wait_for(lambda: os.path.exists(os.path.join(self.env["XDG_RUNTIME_DIR"], socket)), 15, "weston")
        self.env["WAYLAND_DISPLAY"] = socket
        self.env["QT_QPA_PLATFORM"] = "wayland"

    def start_sway(self, width, height):
        """sway, headless, at width x height; its IPC socket. sway refuses to run as root: as root,
        it runs as nobody in a folder of its own (outside this one, which nobody cannot enter)."""
        require("sway")
        as_root = os.geteuid() == 0
        self.sway_dir = tempfile.mkdtemp(prefix="zeffira-sway-")
        with open(os.path.join(self.sway_dir, "config"), "w") as f:
            f.write("output HEADLESS-1 resolution %dx%d\nxwayland disable\n" % (width, height))
        if as_root:
            shutil.chown(self.sway_dir, "nobody", "nogroup")
        env = dict(self.env, XDG_RUNTIME_DIR=self.sway_dir, HOME=self.sway_dir, WLR_BACKENDS="headless",
                   WLR_RENDERER="pixman", WLR_LIBINPUT_NO_DEVICES="1")
        prefix = ["setpriv", "--reuid=nobody", "--regid=nogroup", "--clear-groups"] if as_root else []
        self.procs.append(subprocess.Popen(prefix + ["sway", "-c", os.path.join(self.sway_dir, "config")], env=env,
                                           stdout=subprocess.DEVNULL,
                                           stderr=open(os.path.join(self.dir, "sway.log"), "w")))
        socket = wait_for(lambda: next((os.path.join(self.sway_dir, n) for n in os.listdir(self.sway_dir)
                                        if n.startswith("sway-ipc.")), None), 15, "sway's IPC socket")
        wayland = os.path.join(self.sway_dir, "wayland-1")
        wait_for(lambda: os.path.exists(wayland), 15, "sway's Wayland socket")
        self.env.update(WAYLAND_DISPLAY=wayland, SWAYSOCK=socket)
        return socket

    def add_sway_pointer(self):
        """A pointer on sway's seat until stop(), so that sway_click() reaches the clients."""
        self.pointer = VirtualPointer(self.env["WAYLAND_DISPLAY"])

    def sway_click(self, x, y, button=None):
        """Moves sway's cursor to (x, y) and, given a button (1 left, 3 right), clicks it there."""
        commands = ["seat - cursor set %d %d" % (x, y)]
        if button:
            commands += ["seat - cursor %s button%d" % (what, button) for what in ("press", "release")]
        result = self.run(["swaymsg", "; ".join(commands)])
        if result.returncode != 0:
            raise AssertionError("swaymsg: " + result.stdout + result.stderr)

    def sway_window(self, name):
        """sway's node for the window titled `name` and whether it floats, or None while it is
        not mapped."""
        def search(node, floating):
            if node.get("name") == name and node.get("type") in ("con", "floating_con"):
                return node, floating
            for child, floats in [(c, floating) for c in node.get("nodes", [])] + \
                                 [(c, True) for c in node.get("floating_nodes", [])]:
                found = search(child, floats)
                if found:
                    return found
            return None
        return search(json.loads(self.run(["swaymsg", "-t", "get_tree", "-r"]).stdout), False)

    def start_window_manager(self):
        """openbox on the private display, as a desktop has one: it maps, focuses and stacks."""
        require("openbox", "xprop")
        self._spawn(["openbox", "--sm-disable"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        wait_for(lambda: "_NET_SUPPORTING_WM_CHECK(WINDOW)" in self.run(
            ["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"]).stdout, 15, "the window manager")

    def fixture(self, path):
        """GET `path` on the stream server (its control paths); the body as text."""
        import urllib.request
        with urllib.request.urlopen(self.stream_base + path, timeout=10) as reply:
            return reply.read().decode()

    def start_stream_server(self, lifetime=240):
        proc = self._spawn([sys.executable, os.path.join(FIXTURES, "stream_server.py"), "--lifetime", str(lifetime),
                            "--exit-on-stdin-eof"], stdin=subprocess.PIPE, stdout=subprocess.PIPE, text=True)
        port = proc.stdout.readline().strip()
        if not port:
            raise AssertionError("the stream server did not start (is ffmpeg installed?)")
        self.stream_base = "http://127.0.0.1:%s" % port
        # The paths asked for, in order (read on, so that the server never blocks on its output).
        self.stream_requests = []

        def collect():
            for line in proc.stdout:
                if line.startswith("request "):
                    self.stream_requests.append(line[len("request "):].strip())
        import threading
        threading.Thread(target=collect, daemon=True).start()
        return self.stream_base

    def write_catalogue(self, categories):
        folder = os.path.join(self.env["XDG_DATA_HOME"], "Zeffira")
        os.makedirs(folder, exist_ok=True)
        with open(os.path.join(folder, "stations.json"), "w", encoding="utf-8") as f:
            json.dump(categories, f)

    def settings_path(self):
        return os.path.join(self.env["XDG_CONFIG_HOME"], "Zeffira", "settings.json")

    def write_settings(self, values):
        path = self.settings_path()
        os.makedirs(os.path.dirname(path), exist_ok=True)
        tmp = path + ".tmp"
        with open(tmp, "w") as f:
            json.dump(values, f)
        os.replace(tmp, path)  # as another program would: atomically

    def start_zeffira(self, *args, exit_status=0):
        """Starts the program; each start has a log of its own. stop() ends it with SIGTERM if it
        still runs and fails the test when it ended otherwise than with `exit_status` (a crash,
        an abort, an unexpected status) or when its log holds a QML warning."""
        binary = os.environ.get("ZEFFIRA_BINARY")
        if not binary:
            sys.exit("ZEFFIRA_BINARY is not set")
        self.log_path = os.path.join(self.dir, "zeffira-%d.log" % (len(self.apps) + 1))
        self.zeffira = self._spawn([binary] + list(args), stdout=subprocess.DEVNULL,
                                   stderr=open(self.log_path, "w"))
        self.apps.append((self.zeffira, self.log_path, exit_status, " ".join(args)))
        return self.zeffira

    def log(self):
        with open(self.log_path, encoding="utf-8", errors="replace") as f:
            return f.read()

    def wait_for_log(self, text, timeout=20):
        wait_for(lambda: text in self.log(), timeout, repr(text) + " in the log")

    def run(self, args, timeout=15):
        return subprocess.run(args, env=self.env, capture_output=True, text=True, timeout=timeout)

    def command_until(self, command, done, timeout, what):
        """Sends `playerctl -p zeffira COMMAND...` until the player takes it, then waits for
        `done()`, all within `timeout` seconds. A command refused for coming too soon after the
        previous accepted one is sent again; an accepted one is never repeated (a second
        play-pause would undo the first); any other refusal fails at once."""
        deadline = time.monotonic() + timeout

        def taken():
            result = self.run(["playerctl", "-p", "zeffira"] + list(command))
            if result.returncode != 0 and DEBOUNCED not in result.stderr:
                raise AssertionError("%s refused: %s" % (" ".join(command), result.stderr.strip()))
            return result.returncode == 0

        wait_for(taken, timeout, "the player to take " + " ".join(command))
        return wait_for(done, max(0.0, deadline - time.monotonic()), what)

    def recording(self, sink, seconds, channels=2):
        """The s16 samples (44.1 kHz) that reach `sink` during `seconds`, all of them: parec
        writes straight into a file, as a pipe nobody reads until the end would hold it back
        after its first 64 KiB and the rest would be lost."""
        import array
        path = os.path.join(self.dir, "recording.raw")
        with open(path, "wb") as out:
            proc = subprocess.Popen(["parec", "-d", sink + ".monitor", "--format=s16le", "--rate=44100",
                                     "--channels=%d" % channels, "--latency-msec=50"], env=self.env, stdout=out)
            time.sleep(seconds)
            proc.terminate()
            proc.wait(timeout=5)
        with open(path, "rb") as f:
            data = f.read()
        return array.array("h", data[: len(data) // 2 * 2])

    def record(self, sink, seconds=1.5):
        """Peak amplitude of what reaches `sink` during `seconds`."""
        return max((abs(s) for s in self.recording(sink, seconds)), default=0)

    def _end_apps(self):
        """Ends the programs still running, the first peers to go; what went wrong with them."""
        problems = []
        for proc, _, _, _ in self.apps:
            if proc.poll() is None:
                proc.send_signal(signal.SIGTERM)
        for proc, log_path, expected, args in self.apps:
            name = "zeffira " + args if args else "zeffira"
            try:
                status = proc.wait(timeout=10)
            except subprocess.TimeoutExpired:
                proc.kill()
                status = proc.wait()
                problems.append("%s did not end on SIGTERM" % name)
            if status != expected:
                how = "signal %s" % signal.Signals(-status).name if status < 0 else "status %d" % status
                problems.append("%s ended with %s, expected status %d" % (name, how, expected))
            with open(log_path, encoding="utf-8", errors="replace") as f:
                warnings = [line for line in f if QML_WARNING.search(line)]
            if warnings:
                problems.append("%s logged QML warnings:\n%s" % (name, "".join(warnings[:10])))
        return problems

    def stop(self):
        problems = self._end_apps()
        if getattr(self, "pointer", None):
            self.pointer.close()
        for proc in reversed(self.procs):
            if proc.poll() is None:
                proc.send_signal(signal.SIGTERM)
        for proc in reversed(self.procs):
            try:
                proc.wait(timeout=5)
            except subprocess.TimeoutExpired:
                proc.kill()
                proc.wait()
        shutil.rmtree(self.dir, ignore_errors=True)
        if getattr(self, "sway_dir", None):
            shutil.rmtree(self.sway_dir, ignore_errors=True)
        if problems:
            for problem in problems:
                print("FAIL: " + problem)
            raise AssertionError("the program: " + "; ".join(p.splitlines()[0] for p in problems))


class VirtualPointer:
    """A pointer device that a Wayland client gives a wlroots compositor's seat
    (zwlr_virtual_pointer_v1), held until close(). A headless compositor has no input device, so
    its seat offers clients no pointer, and the clicks of sway's `seat - cursor` commands reach
    no one; with this device on the seat they reach the surface under sway's cursor. It speaks
    the Wayland wire protocol itself (messages of 32-bit words in the host's byte order): Debian
    has no Python binding of Wayland, and wlroots' example client removes its pointer as soon as
    it has sent one event."""

    MANAGER = "zwlr_virtual_pointer_manager_v1"

    def __init__(self, path):
        self.sock = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
        self.sock.settimeout(15)
        self.sock.connect(path)
        self.unread = b""
        self.request(1, 1, 2)  # wl_display.get_registry: the registry is object 2
        names = {}
        for obj, opcode, body in self.roundtrip(3):
            if obj == 2 and opcode == 0:  # wl_registry.global(name, interface, version)
                names[self.text(body, 4)] = struct.unpack_from("=I", body)[0]
        if self.MANAGER not in names:
            raise AssertionError("the compositor offers no virtual pointer")
        self.request(2, 0, names[self.MANAGER], self.MANAGER, 1, 4)  # wl_registry.bind: object 4
        self.request(4, 0, 0, 5)  # create_virtual_pointer on the default seat: object 5
        for _ in self.roundtrip(6):  # a refusal arrives as an error before the answer
            pass

    @staticmethod
    def text(body, at):
        length = struct.unpack_from("=I", body, at)[0]
        return body[at + 4:at + 3 + length].decode()

    def request(self, obj, opcode, *args):
        body = b""
        for arg in args:
            if isinstance(arg, str):
                data = arg.encode() + b"\0"
                body += struct.pack("=I", len(data)) + data + b"\0" * (-len(data) % 4)
            else:
                body += struct.pack("=I", arg)
        self.sock.sendall(struct.pack("=II", obj, (8 + len(body)) << 16 | opcode) + body)

    def roundtrip(self, callback):
        """The events (object, opcode, body) up to the answer to a wl_display.sync."""
        self.request(1, 0, callback)
        while True:
            while len(self.unread) < 8 or len(self.unread) < struct.unpack_from("=I", self.unread, 4)[0] >> 16:
                data = self.sock.recv(4096)
                if not data:
                    raise AssertionError("the compositor closed the connection")
                self.unread += data
            obj, word = struct.unpack_from("=II", self.unread)
            body, self.unread = self.unread[8:word >> 16], self.unread[word >> 16:]
            if obj == 1 and word & 0xffff == 0:  # wl_display.error(object, code, message)
                raise AssertionError("Wayland error: " + self.text(body, 8))
            if obj == callback:
                return
            yield obj, word & 0xffff, body

    def close(self):
        self.sock.close()


class Checks:
    """Collects named checks and ends with the 'N passed, N failed' line."""

    def __init__(self):
        self.passed = 0
        self.failed = 0

    def check(self, name, condition, detail=""):
        if condition:
            self.passed += 1
            print("PASS: " + name)
        else:
            self.failed += 1
            print("FAIL: %s %s" % (name, detail))

    def finish(self):
        print("%d passed, %d failed" % (self.passed, self.failed))
        sys.exit(1 if self.failed else 0)


def ppm_pixels(ppm):
    """(width, height, RGB bytes) of a binary PPM (P6, 8 bits), as import and grim write it."""
    fields, at = [], 2
    while len(fields) < 3:
        while ppm[at:at + 1].isspace():
            at += 1
        end = at
        while not ppm[end:end + 1].isspace():
            end += 1
        fields.append(int(ppm[at:end]))
        at = end
    width, height, _ = fields
    return width, height, ppm[at + 1:at + 1 + width * height * 3]


def changed_columns(before, after, width):
    """The x of the columns in which two RGB captures of the same width differ."""
    return sorted({(i // 3) % width for i in range(0, min(len(before), len(after)), 3)
                   if before[i:i + 3] != after[i:i + 3]})


def screen_words(ppm, left=0, top=0, scale=3):
    """The words tesseract reads in a PPM capture whose corner is at (left, top) on the screen:
    (text, x, y) of each word's middle. The capture is drawn `scale` times larger and black made
    white first: OCR reads dark text on light ground, and an empty screen is black."""
    require("tesseract")
    width, height, rgb = ppm_pixels(ppm)
    rows = []
    for y in range(height):
        row = rgb[y * width * 3:(y + 1) * width * 3].replace(b"\0\0\0", b"\xff\xff\xff")
        wide = b"".join(row[x:x + 3] * scale for x in range(0, len(row), 3))
        rows.extend([wide] * scale)
    image = b"P6\n%d %d\n255\n" % (width * scale, height * scale) + b"".join(rows)
    table = subprocess.run(["tesseract", "stdin", "stdout", "--psm", "11", "tsv"], input=image,
                           capture_output=True, timeout=60).stdout.decode(errors="replace")
    found = []
    for line in table.splitlines()[1:]:
        cells = line.split("\t")
        if len(cells) == 12 and cells[11].strip():
            x, y, w, h = (int(c) for c in cells[6:10])
            found.append((cells[11].strip(), left + (x + w // 2) // scale, top + (y + h // 2) // scale))
    return found
