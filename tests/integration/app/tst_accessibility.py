"""End to end: the panel as a screen reader meets it. The accessibility bus (at-spi2-core) runs on
a private session bus, the program on a private X server with a window manager and no tray host
(so the panel is a window), and the test reads the program's tree through AT-SPI (pyatspi), as
a screen reader does. Every control that shows in the panel, the settings, a sheet and About has a
name, station rows are list items whose own action plays them, AT-SPI's Press on buttons, tabs and
switches does what a click does, and
without a tray host the settings open beside the panel's window, which stays."""

import os
import sys

try:
    import pyatspi  # noqa: F401  (imported again below, once the buses run)
except ImportError:  # Debian's interpreter carries python3-pyatspi
    if sys.executable != "/usr/bin/python3" and os.path.exists("/usr/bin/python3"):
        os.execv("/usr/bin/python3", ["/usr/bin/python3"] + sys.argv)
    sys.exit("missing test component: python3-pyatspi")

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "support"))
from harness import Checks, Peers, require, wait_for  # noqa: E402

BUS_LAUNCHER = "/usr/libexec/at-spi-bus-launcher"
if not os.path.exists(BUS_LAUNCHER):
    sys.exit("missing test component: at-spi2-core")
require("playerctl", "Xvfb", "openbox", "xdotool", "gdbus")
checks = Checks()

# Roles a user acts on or reads: each needs a name a screen reader can say.
NAMED_ROLES = {"push button", "toggle button", "check box", "radio button", "list item", "menu item",
               "radio menu item", "check menu item", "text", "entry", "slider", "spin button",
               "combo box", "scroll bar", "list", "page tab", "heading", "label", "unknown"}


def walk(node, found, depth=0):
    """Every object of the tree under `node` that shows, with its depth."""
    try:
        showing = node.getState().contains(pyatspi.STATE_SHOWING)
    except Exception:
        return found
    if depth and not showing:
        return found
    found.append((depth, node))
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            walk(child, found, depth + 1)
    return found


def describe(node):
    return "%s %r" % (node.getRoleName(), node.name)


def actions(node):
    try:
        action = node.queryAction()
    except NotImplementedError:
        return []
    return [action.getName(i) for i in range(action.nActions)]


def press(node):
    """AT-SPI's Press, as a screen reader's or switch device's activation sends it."""
    action = node.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    if "Press" not in names:
        raise AssertionError("%s has no Press action: %s" % (describe(node), names))
    return action.doAction(names.index("Press"))


with Peers() as peers:
    peers.start_display()
    peers.start_window_manager()
    peers.start_pulse(("a",))
    peers.start_session_bus()
    # The accessibility bus, as the desktop session starts it, switched on as a screen reader does.
    peers._spawn([BUS_LAUNCHER, "--launch-immediately"], stdout=open(os.devnull, "w"), stderr=open(os.devnull, "w"))
    wait_for(lambda: peers.run(["gdbus", "call", "--session", "--dest", "org.a11y.Bus", "--object-path",
                                "/org/a11y/bus", "--method", "org.a11y.Bus.GetAddress"]).returncode == 0,
             15, "the accessibility bus")
    peers.run(["gdbus", "call", "--session", "--dest", "org.a11y.Bus", "--object-path", "/org/a11y/bus",
               "--method", "org.freedesktop.DBus.Properties.Set", "org.a11y.Status", "ScreenReaderEnabled",
               "<true>"])
    base = peers.start_stream_server()
    peers.write_catalogue([
        {"name": "Lokaal", "stations": [{"name": "Kapot", "url": base + "/404"},
                                        {"name": "Liedjes", "url": base + "/icy-songs?every=3"},
                                        {"name": "Toon MP3", "url": base + "/mp3"},
                                        {"name": "Toon Ogg", "url": base + "/ogg"}]},
        {"name": "Jazz", "stations": [{"name": "Toon AAC", "url": base + "/aac"}]}])
    app = peers.start_zeffira()

    # pyatspi finds the accessibility bus through the session bus it is given at import.
    for key in ("DBUS_SESSION_BUS_ADDRESS", "DISPLAY", "XDG_RUNTIME_DIR", "HOME"):
        os.environ[key] = peers.env[key]
    import pyatspi  # noqa: E402,F811

    def application():
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            child = desktop.getChildAtIndex(i)
            if child is not None and child.get_process_id() == app.pid:
                return child
        return None

    def status():
        return peers.run(["playerctl", "-p", "zeffira", "status"]).stdout.strip()

    def tree():
        return walk(application(), [])

    def find(role, name, within=None):
        for _, node in (walk(within, []) if within else tree()):
            if node.getRoleName() == role and node.name == name:
                return node
        return None

    def check_named(what, root):
        nodes = walk(root, [])
        unnamed = [describe(n) for _, n in nodes if n.getRoleName() in NAMED_ROLES and not n.name.strip()]
        checks.check("every control and text that shows in %s has a name" % what, not unnamed,
                     str(unnamed) + dump(nodes))

    def dump(nodes):
        return "\n" + "\n".join("  " * depth + describe(node) + " " + str(actions(node)) for depth, node in nodes)

    wait_for(application, 30, "the program on the accessibility bus")
    wait_for(lambda: find("list item", "Toon Ogg"), 30, "the panel's station rows in the tree")

    # What a screen reader says unasked comes as alerts that show: a skipped station and why,
    # then the title of the station played instead.
    from gi.repository import Atspi, GLib  # noqa: E402
    alerts = []

    def heard(event):
        if event.detail1 == 1 and event.source.get_role_name() == "alert":
            alerts.append(event.source.get_name())

    listener = Atspi.EventListener.new(heard)
    listener.register("object:state-changed:showing")

    def alert(start):
        while GLib.MainContext.default().iteration(False):
            pass
        return next((text for text in alerts if text.startswith(start)), None)

    press(find("list item", "Kapot"))
    said = wait_for(lambda: alert("Kapot overgeslagen"), 30, "an alert that Kapot was skipped")
    checks.check("a skipped station is announced with its reason", len(said) > len("Kapot overgeslagen. "), said)
    wait_for(lambda: alert("Artist "), 20, "an alert with the title of the station played instead")
    checks.check("the new title is announced", True)

    # A station row is one list item named after the station, and its own action plays it.
    row = find("list item", "Toon Ogg")
    inner = [describe(n) for _, n in walk(row, [])[1:]]
    checks.check("a station row is a list item that acts itself, with nothing inside it",
                 actions(row).count("Press") == 1 and not inner, (actions(row), inner))
    press(row)
    peers.wait_for_log("State: playing - Toon Ogg", 20)
    checks.check("Press on a station row plays it", True)

    # With a station playing, every row of the panel shows: nothing that shows goes unnamed.
    # Pauzeer is disabled while the station loads.
    wait_for(lambda: find("push button", "Pauzeer"), 10, "the Pauzeer button")
    check_named("the panel", application())
    nodes = tree()
    # Qt 6.4 hands headings over as labels; they say the name as written, not in capitals.
    headers = [n.name for _, n in nodes if n.getRoleName() in ("heading", "label") and n.name in ("Jazz", "Lokaal")]
    checks.check("category headers are named after the category", sorted(headers) == ["Jazz", "Lokaal"], dump(nodes))

    # The panel's buttons do on Press what they do on a click.
    press(find("push button", "Pauzeer"))
    wait_for(lambda: status() == "Paused", 10, "Press on Pauzeer to pause")
    checks.check("Press on Pauzeer pauses", True)
    wait_for(lambda: find("push button", "Hervat"), 10, "the button to read Hervat")
    press(find("push button", "Hervat"))
    wait_for(lambda: status() == "Playing", 10, "Press on Hervat to resume")
    checks.check("Press on Hervat resumes", True)
    press(find("push button", "Stop"))
    wait_for(lambda: status() == "Stopped", 10, "Press on Stop to stop")
    checks.check("Press on Stop stops", True)

    # Without a tray host the panel is the program's only window: the settings open beside it,
    # and it is still there once they close.
    def visible_windows(title):
        return peers.run(["xdotool", "search", "--onlyvisible", "--name", "^%s$" % title]).stdout.split()

    def visible_window(title):
        ids = visible_windows(title)
        return ids[0] if ids else None

    window = visible_window("Zeffira")
    press(find("push button", "Instellingen..."))
    settings = wait_for(lambda: visible_window("Instellingen"), 20, "Press on Instellingen... to open the settings")
    checks.check("Press on Instellingen... opens the settings beside the window",
                 window is not None and window in visible_windows("Zeffira"))
    # The settings, a sheet and About: named throughout, and Press acts as a click on their
    # switches, tabs and buttons (a switch's Press also stores what it shows).
    frame = wait_for(lambda: find("frame", "Instellingen"), 10, "the settings in the tree")
    check_named("the General tab", frame)
    press(find("check box", "Toon stationsnaam in menubalk", frame))
    wait_for(lambda: os.path.exists(peers.settings_path())
             and '"showStationInMenuBar": true' in open(peers.settings_path()).read(), 10,
             "Press on a switch to store the setting")
    checks.check("Press on a settings switch stores it", True)
    press(find("page tab", "Stations", frame))
    wait_for(lambda: find("push button", "Nieuwe categorie", frame), 10, "Press on the Stations tab")
    check_named("the Stations tab", frame)
    press(find("push button", "Nieuwe categorie", frame))
    wait_for(lambda: find("push button", "Annuleer", frame), 10, "Press on Nieuwe categorie to open its sheet")
    check_named("the new category sheet", frame)
    press(find("push button", "Annuleer", frame))
    wait_for(lambda: find("push button", "Annuleer", frame) is None, 10, "Press on Annuleer to close the sheet")
    press(find("page tab", "Wekker", frame))
    wait_for(lambda: find("push button", "Wekker toevoegen...", frame), 10, "Press on the Wekker tab")
    check_named("the Wekker tab", frame)
    peers.run(["xdotool", "windowactivate", "--sync", settings])
    peers.run(["xdotool", "key", "--window", settings, "Escape"])
    wait_for(lambda: visible_window("Instellingen") is None, 10, "Escape to close the settings")
    checks.check("the window is still there after the settings close", window in visible_windows("Zeffira"))
    press(find("push button", "Over Zeffira"))
    check_named("About", wait_for(lambda: find("frame", "Over Zeffira"), 10, "Press on Over Zeffira"))

    press(find("push button", "Sluit af"))
    checks.check("Press on Sluit af quits with exit code 0", app.wait(timeout=15) == 0)

checks.finish()
