#!/usr/bin/env python3
"""Tray benchmarks: the tray application while it waits in the panel, and its panel's opening.

On a private X server (Xvfb), a private session bus with a StatusNotifierWatcher of our own and
a private PulseAudio daemon, each program started alone and measured one at a time:
  - idle memory: proportional set size (PSS) a few seconds after the tray item registered, the
    panel never opened; against a bare QGuiApplication with one QSystemTrayIcon (bare_tray,
    built from bench/bare_tray.cpp) and against the GTK radio player goodvibes with its window;
  - idle CPU over a quiet stretch right after that reading;
  - whether Qt Quick or QML is mapped into the tray application (/proc/PID/maps) before its
    first activation, and after it;
  - the panel: time from Activate(x, y) over D-Bus to the panel's window being mapped, the first
    time (which builds the QML engine) and again after it was hidden. There is no baseline
    program for this; the re-open is shown against the first open;
  - the first station played after the panel opened: time from the media controls' OpenUri to
    its first sound, against a second play in the same process, when nothing is left to load.

Each figure is the median of several runs, the programs alternating. Missed targets are
reported, not fatal: the exit status is 0 once the benchmark has run, and 2 when something it
needs is missing.
"""

import argparse
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import threading
import time

from playback_bench import RATE, STREAM_SERVER, SinkCapture
from benchlib import (Background, Child, Missing, Results, TrayWatcher, clean_env, fmt, fresh_dirs, log,
                      missing_tools, no_bus, print_table, ratio_text, rotation, run, start_port_server,
                      start_pulse, start_session_bus, start_xvfb, summarise, unused_port, write_catalogue)

if __name__ == "__main__":
    try:
        import dbus  # noqa: F401
    except ImportError:  # Debian's own interpreter carries python3-dbus and python3-gi
        if sys.executable != "/usr/bin/python3" and os.path.exists("/usr/bin/python3"):
            os.execv("/usr/bin/python3", ["/usr/bin/python3"] + sys.argv)

HERE = os.path.dirname(os.path.abspath(__file__))
SOURCE_ROOT = os.path.dirname(HERE)

WATCHER = "org.kde.StatusNotifierWatcher"
WATCHER_PATH = "/StatusNotifierWatcher"
SNI = "org.kde.StatusNotifierItem"
SNI_PATH = "/StatusNotifierItem"

PANEL_WIDTH = 300  # the panel window's fixed width (menu/PanelWindow.qml)
CLICK_AT = (640, 0)  # where the panel icon sits: the middle of a top panel
READY_LIMIT = 20.0  # seconds a program may take to register its tray item or map its window
PANEL_LIMIT = 10.0  # seconds the panel may take to appear or go
# A click within kClickAfterCloseMs of the panel closing belongs to the closing click and is
# ignored; the re-open waits well past it.
REOPEN_AFTER = 1.0

ZEFFIRA = "zeffira"
BARE = "bare_tray"
GOODVIBES = "goodvibes"
PROGRAMS = (ZEFFIRA, BARE, GOODVIBES)
MPRIS_NAME = "org.mpris.MediaPlayer2.zeffira"
MPRIS_PATH = "/org/mpris/MediaPlayer2"
PLAY_LIMIT = 10.0  # seconds from opening a station to its first sound
# The libraries of Qt Quick and QML (the engine, the scene graph, controls, models): mapped only
# once something has loaded the panel or another window of QML.
QT_QUICK = ("libQt6Quick", "libQt6Qml")


# ---------------------------------------------------------------------------------------------
# The StatusNotifierWatcher: what a desktop panel provides. Runs as a child on the private bus;
# prints "ready" once it owns its name, then one line per registered item:
#   registered <monotonic time> <pid> <bus name> <object path>

WATCHER_XML = f"""<!DOCTYPE node PUBLIC "-//freedesktop//DTD D-BUS Object Introspection 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/introspect.dtd">
<node>
  <interface name="org.freedesktop.DBus.Introspectable">
    <method name="Introspect"><arg name="xml" type="s" direction="out"/></method>
  </interface>
  <interface name="org.freedesktop.DBus.Properties">
    <method name="Get"><arg type="s" direction="in"/><arg type="s" direction="in"/>
      <arg type="v" direction="out"/></method>
    <method name="GetAll"><arg type="s" direction="in"/><arg type="a{{sv}}" direction="out"/></method>
  </interface>
  <interface name="{WATCHER}">
    <method name="RegisterStatusNotifierItem"><arg name="service" type="s" direction="in"/></method>
    <method name="RegisterStatusNotifierHost"><arg name="service" type="s" direction="in"/></method>
    <property name="RegisteredStatusNotifierItems" type="as" access="read"/>
    <property name="IsStatusNotifierHostRegistered" type="b" access="read"/>
    <property name="ProtocolVersion" type="i" access="read"/>
    <signal name="StatusNotifierItemRegistered"><arg type="s"/></signal>
    <signal name="StatusNotifierItemUnregistered"><arg type="s"/></signal>
    <signal name="StatusNotifierHostRegistered"/>
  </interface>
</node>
"""


def run_watcher(lifetime):
    import dbus
    import dbus.mainloop.glib
    import dbus.service
    from gi.repository import GLib

    dbus.mainloop.glib.DBusGMainLoop(set_as_default=True)
    bus = dbus.SessionBus()
    daemon = dbus.Interface(bus.get_object("org.freedesktop.DBus", "/org/freedesktop/DBus"),
                            "org.freedesktop.DBus")

    class Watcher(dbus.service.Object):
        def __init__(self):
            super().__init__(bus, WATCHER_PATH)
            self.items = {}  # "busname/path" -> owning unique name

        @dbus.service.method("org.freedesktop.DBus.Introspectable", out_signature="s")
        def Introspect(self):
            # Written out, because Qt reads IsStatusNotifierHostRegistered through an
            # introspected interface and dbus-python leaves properties out.
            return WATCHER_XML

        @dbus.service.method("org.freedesktop.DBus.Properties", in_signature="ss", out_signature="v")
        def Get(self, interface, name):
            return self.GetAll(interface)[name]

        @dbus.service.method("org.freedesktop.DBus.Properties", in_signature="s", out_signature="a{sv}")
        def GetAll(self, interface):
            if interface != WATCHER:
                raise dbus.exceptions.DBusException("no such interface " + interface,
                                                    name="org.freedesktop.DBus.Error.UnknownInterface")
            return {"RegisteredStatusNotifierItems": dbus.Array(sorted(self.items), signature="s"),
                    "IsStatusNotifierHostRegistered": dbus.Boolean(True),
                    "ProtocolVersion": dbus.Int32(0)}

        @dbus.service.method(WATCHER, in_signature="s", sender_keyword="sender")
        def RegisterStatusNotifierItem(self, service, sender):
            # Either a bus name (the object is then at /StatusNotifierItem) or an object path
            # on the caller's own connection.
            if service.startswith("/"):
                name, path = sender, service
            else:
                name, path = service, SNI_PATH
            pid = int(daemon.GetConnectionUnixProcessID(sender))
            key = name + path
            self.items[key] = sender
            print(f"registered {time.monotonic():.6f} {pid} {name} {path}", flush=True)
            self.StatusNotifierItemRegistered(key)

        @dbus.service.method(WATCHER, in_signature="s")
        def RegisterStatusNotifierHost(self, service):
            pass

        @dbus.service.signal(WATCHER, signature="s")
        def StatusNotifierItemRegistered(self, service):
            pass

        @dbus.service.signal(WATCHER, signature="s")
        def StatusNotifierItemUnregistered(self, service):
            pass

        @dbus.service.signal(WATCHER)
        def StatusNotifierHostRegistered(self):
            pass

        def owner_changed(self, name, old, new):
            if new:
                return
            for key, owner in list(self.items.items()):
                if owner == name or key.startswith(name + "/"):
                    del self.items[key]
                    self.StatusNotifierItemUnregistered(key)

    watcher = Watcher()
    bus.add_signal_receiver(watcher.owner_changed, "NameOwnerChanged", "org.freedesktop.DBus")
    loop = GLib.MainLoop()
    # Gone with the benchmark: at its time limit, when it closes our stdin, or on SIGTERM.
    GLib.timeout_add_seconds(int(lifetime), loop.quit)
    GLib.io_add_watch(sys.stdin.fileno(), GLib.IO_IN | GLib.IO_HUP,
                      lambda fd, cond: (loop.quit(), False)[1] if not os.read(fd, 1) else True)
    signal.signal(signal.SIGTERM, lambda *_: loop.quit())
    # A panel is up before any program starts.
    watcher.StatusNotifierHostRegistered()
    bus_name = dbus.service.BusName(WATCHER, bus, do_not_queue=True)
    print("ready", flush=True)
    loop.run()
    del bus_name


# ---------------------------------------------------------------------------------------------
# What the X server maps: `xev -root -event substructure` reports every top-level window's
# creation, geometry, mapping and unmapping; a thread timestamps each report as it arrives.

class MapWatch:
    HEAD = re.compile(r"^(CreateNotify|ConfigureNotify|MapNotify|UnmapNotify|DestroyNotify) event")
    WINDOW = re.compile(r"(?:event|parent) 0x[0-9a-f]+, window (0x[0-9a-f]+)")
    SIZE = re.compile(r"width (\d+), height (\d+)")

    def __init__(self, proc):
        self.proc = proc
        self.lock = threading.Lock()
        self.changed = threading.Condition(self.lock)
        self.sizes = {}  # window -> (width, height)
        self.events = []  # (time, kind, window, width of the window then)
        threading.Thread(target=self._read, daemon=True).start()

    def _read(self):
        kind = None
        for raw in iter(self.proc.stdout.readline, b""):
            now = time.monotonic()
            line = raw.decode("ascii", "replace")
            head = self.HEAD.match(line)
            if head:
                kind = head.group(1)
                continue
            window = self.WINDOW.search(line)
            if not kind or not window:
                continue
            with self.lock:
                wid = window.group(1)
                size = self.SIZE.search(line)
                if size and kind in ("CreateNotify", "ConfigureNotify"):
                    self.sizes[wid] = (int(size.group(1)), int(size.group(2)))
                width = self.sizes.get(wid, (None, None))[0]
                self.events.append((now, kind, wid, width))
                self.changed.notify_all()
            kind = None

    def wait(self, kind, since, deadline, width=None):
        """The time of the first `kind` event after `since` (of a window `width` wide)."""
        with self.lock:
            while True:
                for when, got, _, got_width in self.events:
                    if when >= since and got == kind and (width is None or got_width == width):
                        return when
                left = deadline - time.monotonic()
                if left <= 0 or self.proc.poll() is not None:
                    return None
                self.changed.wait(min(left, 0.1))


# ---------------------------------------------------------------------------------------------
# Programs under test.

class Bench:
    def __init__(self, args):
        self.args = args
        self.zeffira = os.path.abspath(args.zeffira)
        self.bare_tray = os.path.abspath(args.bare_tray)
        self.goodvibes = shutil.which(args.goodvibes) or args.goodvibes
        self.folder = tempfile.mkdtemp(prefix="zeffira-tray-bench-")
        # Everything started here is gone after the time limit, whatever happens to the benchmark.
        self.background = Background(args.time_limit + 60)
        self.children = []
        self.maps = None
        self.serial = 0
        self.results = Results()
        self.env = {}  # what every launch gets: display, session bus, sound server

    # -- set-up -------------------------------------------------------------------------------

    def check_tools(self):
        missing = missing_tools(("Xvfb", "xev", "dbus-daemon", "pulseaudio", "pactl", "timeout", "ffmpeg",
                                 "gst-inspect-1.0"))
        if not os.access(self.zeffira, os.X_OK):
            missing.append(f"the zeffira binary ({self.zeffira}; build it first)")
        if not os.access(self.bare_tray, os.X_OK):
            missing.append(f"the baseline bare_tray ({self.bare_tray}; built with the benchmarks)")
        if not os.access(self.goodvibes, os.X_OK):
            missing.append("goodvibes (the Debian package goodvibes)")
        try:
            import dbus  # noqa: F401
        except ImportError:
            missing.append("python3-dbus")
        # Asked in a child: the watcher needs GLib, this process should not map it (it would
        # share those pages with the programs and lower their PSS).
        probe = subprocess.run([sys.executable, "-c", "import dbus.mainloop.glib; from gi.repository import GLib"],
                               stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
        if probe.returncode:
            lines = probe.stderr.decode("utf-8", "replace").strip().splitlines()
            missing.append("GLib for the watcher (python3-gi, python3-dbus)"
                           + (f": {lines[-1]}" if lines else ""))
        if missing:
            raise Missing("missing: " + ", ".join(missing))

    def start_display(self):
        self.env["DISPLAY"] = start_xvfb(self.background)

    def start_bus(self):
        self.env["DBUS_SESSION_BUS_ADDRESS"] = start_session_bus(self.background, self.folder)

    def start_watcher(self):
        self.watcher = TrayWatcher(self.background, self.env["DBUS_SESSION_BUS_ADDRESS"],
                                   self.args.time_limit + 60)

    def start_pulse(self):
        # A pipe sink, read by the benchmark: it tells when a station's first sound left.
        fifo = os.path.join(self.folder, "bench.fifo")
        os.mkfifo(fifo)
        self.capture = SinkCapture("bench", fifo)
        self.env["PULSE_SERVER"] = start_pulse(
            self.background, os.path.join(self.folder, "pulse"),
            [f"module-pipe-sink file={fifo} sink_name=bench format=s16le rate={RATE} channels=2 "
             "use_system_clock_for_timing=yes"], self.env["DBUS_SESSION_BUS_ADDRESS"])

    def start_stream_server(self):
        """The station opened from the panel: the test server on loopback, paced from the first
        byte as many stations are."""
        port = start_port_server(self.background, [sys.executable, STREAM_SERVER, "--lifetime",
                                                   str(int(self.args.time_limit)), "--exit-on-stdin-eof"],
                                 "the test stream server")
        self.station = f"http://127.0.0.1:{port}/mp3"

    def start_map_watch(self):
        env = dict(os.environ, DISPLAY=self.env["DISPLAY"])
        self.maps = MapWatch(self.background.start(["xev", "-root", "-event", "substructure"], "xev",
                                                   env=env, stdin=subprocess.DEVNULL,
                                                   stdout=subprocess.PIPE, stderr=subprocess.DEVNULL))

    def connect_bus(self):
        import dbus
        self.bus = dbus.bus.BusConnection(self.env["DBUS_SESSION_BUS_ADDRESS"])

    # -- launching ----------------------------------------------------------------------------

    def launch(self, program):
        self.serial += 1
        env = clean_env()
        env.update(self.env)
        env.update(fresh_dirs(os.path.join(self.folder, f"child{self.serial}")))
        env.update(DBUS_SYSTEM_BUS_ADDRESS=no_bus(self.folder),
                   # One plugin registry for every program, built in the warm-up, as on a
                   # desktop where it exists already.
                   GST_REGISTRY=os.path.join(self.folder, "gst-registry.bin"))
        if program == ZEFFIRA:
            # One local station, so that nothing the program might do reaches the internet.
            write_catalogue(env["XDG_DATA_HOME"], f"http://127.0.0.1:{self.refused_port}/mp3")
            argv = [self.zeffira]
        elif program == BARE:
            argv = [self.bare_tray]
        else:
            argv = [self.goodvibes]
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

    def wait_ready(self, child):
        """When a tray program's item registered (its bus name and path), or a windowed
        program's first top-level window was mapped; None if neither happened in time."""
        deadline = child.launched + READY_LIMIT
        if child.label == GOODVIBES:
            # Alone on the display, so the first window mapped after the launch is its own.
            when = self.maps.wait("MapNotify", child.launched, deadline)
            return (when, None) if when else (None, None)
        return self.watcher.wait(child, READY_LIMIT)

    def record_quick(self, key, child):
        """Whether Qt Quick or QML is mapped into the program now; logged by name."""
        found = child.mapped_files(QT_QUICK)
        self.record(key, child.label, None if found is None else bool(found))
        if found is None:
            return "unreadable"
        return ", ".join(found) if found else "none"

    # -- measurements -------------------------------------------------------------------------

    def warm_up(self):
        log("warming up (page cache, GStreamer plugin registry)")
        subprocess.run(["gst-inspect-1.0", "playbin"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                       env=dict(clean_env(), GST_REGISTRY=os.path.join(self.folder, "gst-registry.bin")))
        for program in PROGRAMS:
            child = self.launch(program)
            ready, _ = self.wait_ready(child)
            if ready is None:
                text = f"{program} did not come up within {READY_LIMIT:.0f} s; its output:\n{child.output(30)}"
                self.finish(child)
                if program == ZEFFIRA:
                    log("  " + text)
                else:
                    raise Missing(text)
            else:
                time.sleep(1.0)
                self.finish(child)

    def run_once(self, program, round_index):
        self.background.check()
        child = self.launch(program)
        try:
            ready, item = self.wait_ready(child)
            if ready is None:
                log(f"  {program}: not up within {READY_LIMIT:.0f} s; its output:\n{child.output(30)}")
                for key in ("ready", "pss", "uss", "cpu", "quick idle"):
                    self.record(key, program, None)
                if program == ZEFFIRA:
                    for key in ("first open", "re-open", "pss panel", "quick panel", "first play",
                                "later play"):
                        self.record(key, program, None)
                return
            self.record("ready", program, ready - child.launched)
            time.sleep(max(0.0, ready + self.args.settle - time.monotonic()))
            pss, private = child.memory_kib()
            self.record("pss", program, None if pss is None else pss / 1024)
            self.record("uss", program, None if private is None else private / 1024)
            cpu0, t0 = child.cpu_seconds(), time.monotonic()
            time.sleep(self.args.idle)
            cpu1, t1 = child.cpu_seconds(), time.monotonic()
            cpu = 100 * (cpu1 - cpu0) / (t1 - t0) if None not in (cpu0, cpu1) and child.alive() else None
            self.record("cpu", program, cpu)
            # Read last before the first activation, so that nothing the idle program loads
            # late escapes it.
            quick_idle = self.record_quick("quick idle", child)
            text = (f"  round {round_index + 1} {program:<9} up {ready - child.launched:.3f} s, "
                    f"PSS {pss / 1024 if pss else 0:.1f} MiB, idle CPU "
                    + (f"{cpu:.2f} %" if cpu is not None else "-"))
            if program == ZEFFIRA:
                first, again, quick_panel = self.panel(child, item)
                self.record("first open", program, first)
                self.record("re-open", program, again)
                pss = child.memory_kib()[0] if child.alive() else None
                self.record("pss panel", program, None if pss is None else pss / 1024)
                first_play, later_play = self.play(child)
                self.record("first play", program, first_play)
                self.record("later play", program, later_play)
                text += (", panel " + (f"{first * 1000:.1f} ms" if first is not None else "-")
                         + " / re-open " + (f"{again * 1000:.1f} ms" if again is not None else "-")
                         + f"; Qt Quick/QML mapped before the first activation: {quick_idle}"
                         + f"; after it: {quick_panel}; first sound "
                         + (f"{first_play:.3f} s" if first_play is not None else "-")
                         + " / later " + (f"{later_play:.3f} s" if later_play is not None else "-"))
            elif program == BARE:
                text += f"; Qt Quick/QML mapped: {quick_idle}"
            log(text)
        finally:
            self.finish(child)

    def panel(self, child, item):
        """Seconds from Activate to the panel mapped: first, and again after hiding it; and the
        Qt Quick/QML libraries mapped once the first Activate was answered or timed out."""
        import dbus
        name, path = item
        proxy = self.bus.get_object(name, path, introspect=False)

        def activate():
            sent = time.monotonic()
            # Not waited on: the program may build the panel before it answers.
            proxy.Activate(dbus.Int32(CLICK_AT[0]), dbus.Int32(CLICK_AT[1]), dbus_interface=SNI,
                           ignore_reply=True)
            return sent

        def opened(sent):
            when = self.maps.wait("MapNotify", sent, sent + PANEL_LIMIT, PANEL_WIDTH)
            if when is None:
                log(f"  no window {PANEL_WIDTH} px wide was mapped within {PANEL_LIMIT:.0f} s "
                    f"of Activate; zeffira's output:\n{child.output(30)}")
                return None
            return when - sent

        first = opened(activate())
        quick = self.record_quick("quick panel", child)
        if first is None:
            return None, None, quick
        time.sleep(0.5)
        hidden = activate()
        if self.maps.wait("UnmapNotify", hidden, hidden + PANEL_LIMIT, PANEL_WIDTH) is None:
            log("  the panel did not go on the second Activate")
            return first, None, quick
        time.sleep(REOPEN_AFTER)
        return first, opened(activate()), quick

    def play(self, child):
        """Seconds from asking the media controls to open the station to its first sound: the
        first time in this process (the panel was opened before, as a user picking a station
        would have), and again after a stop, when nothing is left to load."""
        import dbus
        player = dbus.Interface(self.bus.get_object(MPRIS_NAME, MPRIS_PATH, introspect=False),
                                "org.mpris.MediaPlayer2.Player")
        times = []
        for _ in range(2):
            self.capture.wait_quiet(0.3, 3)
            self.capture.arm()
            sent = time.monotonic()
            try:
                player.OpenUri(self.station)
            except dbus.DBusException as error:
                log(f"  OpenUri failed: {error}")
                self.capture.disarm()
                return None, None
            first = self.capture.wait_first_audio(sent + PLAY_LIMIT, also=lambda: not child.alive())
            self.capture.disarm()
            times.append(None if first is None else first - sent)
            if first is None:
                log(f"  no sound within {PLAY_LIMIT:.0f} s of OpenUri; zeffira's output:\n{child.output(30)}")
            time.sleep(0.5)
            player.Stop()
        return times[0], times[1]

    # -- report -------------------------------------------------------------------------------

    def report(self):
        rows = []
        values, median = self.results.values, self.results.median

        def failed(key, program):
            n = self.results.failed(key, program)
            return f" ({n} failed)" if n else ""

        def row(name, z, b, unit, target, check, base_label=""):
            ratio = z / b if z is not None and b else None
            if check is None:
                verdict = "info"
            elif z is None:
                verdict = "over" if values(*name[1]) else "-"
            else:
                verdict = "ok" if check(z, ratio) else "over"
            b_text = fmt(b, unit) + (f" ({base_label})" if base_label and b is not None else "")
            rows.append((name[0], fmt(z, unit) + failed(*name[1]), b_text, ratio_text(ratio, 4), target,
                         verdict))
            if check is not None:
                summarise("tray", name[0], rows[-1][1], b_text, rows[-1][3], target, verdict)

        def mapped(key, program):
            got = [v for v in values(key, program) if v is not None]
            if not got:
                return "-"
            yes = sum(got)
            text = "yes" if yes == len(got) else "no" if not yes else f"yes in {yes} of {len(got)} runs"
            return text + failed(key, program)

        def mapped_row(name, key, want, baseline=None):
            got = values(key, ZEFFIRA)
            if not got:
                verdict = "-"
            else:
                verdict = "ok" if all(v is want for v in got) else "missed"
            b_text = f"{mapped(key, baseline)} ({baseline})" if baseline and values(key, baseline) else "-"
            rows.append((name, mapped(key, ZEFFIRA), b_text, "", "yes" if want else "no", verdict))
            summarise("tray", *rows[-1])

        z_pss, b_pss, g_pss = (median("pss", p) for p in PROGRAMS)
        row(("launch to tray item registered", ("ready", ZEFFIRA)), median("ready", ZEFFIRA),
            median("ready", BARE), "s", "", None, BARE)
        row(("idle PSS, panel never opened", ("pss", ZEFFIRA)), z_pss, b_pss, "MiB", "<= 1.5x",
            lambda z, r: r is not None and r <= 1.5, BARE)
        row(("idle PSS against goodvibes", ("pss", ZEFFIRA)), z_pss, g_pss, "MiB", "<= 0.5x",
            lambda z, r: r is not None and r <= 0.5, GOODVIBES)
        z_uss = median("uss", ZEFFIRA)
        row(("idle private memory (USS)", ("uss", ZEFFIRA)), z_uss, median("uss", BARE), "MiB", "",
            None, BARE)
        row(("idle private memory against goodvibes", ("uss", ZEFFIRA)), z_uss,
            median("uss", GOODVIBES), "MiB", "", None, GOODVIBES)
        row((f"idle CPU over {self.args.idle:.0f} s", ("cpu", ZEFFIRA)), median("cpu", ZEFFIRA),
            median("cpu", BARE), "%", "~0 (<= 0.5 %)", lambda z, r: z <= 0.5, BARE)
        row((f"idle CPU over {self.args.idle:.0f} s, goodvibes", ("cpu", GOODVIBES)),
            median("cpu", GOODVIBES), None, "%", "", None)
        mapped_row("Qt Quick/QML mapped before the first activation", "quick idle", False, BARE)
        mapped_row("Qt Quick/QML mapped after an activation", "quick panel", True)
        first = median("first open", ZEFFIRA)
        row(("panel first open (Activate to mapped)", ("first open", ZEFFIRA)), first, None, "ms",
            "no baseline", None)
        row(("panel re-open, against the first open", ("re-open", ZEFFIRA)),
            median("re-open", ZEFFIRA), first, "ms", "no baseline", None, "first open")
        row(("PSS after the panel was shown", ("pss panel", ZEFFIRA)), median("pss panel", ZEFFIRA),
            z_pss, "MiB", "", None, "idle")
        row(("first sound of the first station played, against a later one",
             ("first play", ZEFFIRA)), median("first play", ZEFFIRA), median("later play", ZEFFIRA),
            "s", "<= 1.1x", lambda z, r: r is not None and r <= 1.1, "later play")

        print_table(
            f"Tray: zeffira against {BARE} (a QGuiApplication with one QSystemTrayIcon) and "
            f"{GOODVIBES}, medians of {self.args.runs} runs each, one program at a time",
            ("measurement", "zeffira", "baseline", "ratio", "target", ""), rows,
            f"PSS: read {self.args.settle:.0f} s after the tray item registered with the watcher "
            f"(goodvibes: after its window was mapped). idle CPU: user + system time over the "
            f"{self.args.idle:.0f} s after that, as a share of one core. Qt Quick/QML mapped: a "
            f"library {' or '.join(n + '*' for n in QT_QUICK)} in /proc/PID/maps, read at the end "
            f"of the idle stretch and again once the first Activate opened the panel. panel: from "
            f"sending Activate{CLICK_AT} to the X server mapping the {PANEL_WIDTH} px wide panel; "
            f"the first open builds the QML engine and the panel, the re-open (after a second "
            f"Activate hid it and {REOPEN_AFTER:.0f} s passed) only shows it again. There is no "
            f"baseline program for the panel: its row shows the re-open against the first open. "
            f"first sound: from the media controls' OpenUri of a station on loopback, paced from "
            f"its first byte, to its first sound at the sound server, with the panel opened "
            f"before; the first station a process plays against one played after a stop.")

    def cleanup(self):
        for child in list(self.children):
            child.stop()
        self.background.stop()
        shutil.rmtree(self.folder, ignore_errors=True)


def main():
    parser = argparse.ArgumentParser(description=__doc__,
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--zeffira", default=os.path.join(SOURCE_ROOT, "build", "src", "zeffira"),
                        help="the zeffira binary (default: build/src/zeffira)")
    parser.add_argument("--bare-tray", help="the baseline program (default: bench/bare_tray in "
                        "the build folder that holds the zeffira binary)")
    parser.add_argument("--goodvibes", default="goodvibes", help="the goodvibes program")
    parser.add_argument("--quick", action="store_true", help="3 runs of each program instead of 5")
    parser.add_argument("--runs", type=int, help="runs of each program")
    parser.add_argument("--settle", type=float, default=3.0,
                        help="seconds after the tray item appeared before memory is read")
    parser.add_argument("--idle", type=float, default=10.0, help="seconds of idle CPU measured")
    parser.add_argument("--watcher", action="store_true", help=argparse.SUPPRESS)
    parser.add_argument("--lifetime", type=float, default=600, help=argparse.SUPPRESS)
    args = parser.parse_args()

    if args.watcher:
        run_watcher(args.lifetime)
        return 0

    args.runs = args.runs or (3 if args.quick else 5)
    if not args.bare_tray:
        build = os.path.dirname(os.path.dirname(os.path.abspath(args.zeffira)))
        args.bare_tray = os.path.join(build, "bench", "bare_tray")
    # Everything the benchmark starts is gone after this, whatever happens to the benchmark.
    args.time_limit = 2 * (60 + (args.runs + 1) * 3 * (READY_LIMIT + args.settle + args.idle + 15))

    bench = Bench(args)

    def body():
        bench.check_tools()
        began = time.monotonic()
        # A port that nothing listens on, for the one station in the player's catalogue.
        bench.refused_port = unused_port()
        bench.start_display()
        bench.start_map_watch()
        bench.start_bus()
        bench.start_watcher()
        bench.start_pulse()
        bench.start_stream_server()
        bench.connect_bus()
        bench.warm_up()
        log("measuring, one program at a time")
        for round_index in range(args.runs):
            for program in bench.order(round_index):
                bench.run_once(program, round_index)
        bench.report()
        print(f"(benchmark took {time.monotonic() - began:.0f} s)")

    return run("tray", bench.cleanup, body)


if __name__ == "__main__":
    sys.exit(main())
