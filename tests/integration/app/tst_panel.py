"""End to end: the station panel of the tray application as a user meets it, on a private X server
with a window manager (openbox) at QT_SCALE_FACTOR=2, driven by keyboard (xdotool) after a click on
the tray item (Activate over D-Bus). It opens at the icon, typing searches and Return plays (checked
over MPRIS), the window grows with the rows of what is playing, Escape clears the search (a name
typed then plays) and then closes it, the settings window is new on every opening, Ctrl+Q quits; the tray icon stands out on
dark and light panels."""

import os
import sys

try:
    import dbus
except ImportError:  # Debian's interpreter carries python3-dbus
    if sys.executable != "/usr/bin/python3" and os.path.exists("/usr/bin/python3"):
        os.execv("/usr/bin/python3", ["/usr/bin/python3"] + sys.argv)
    sys.exit("missing test component: python3-dbus")

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "support"))
from harness import Checks, Peers, require, wait_for  # noqa: E402

require("playerctl", "Xvfb", "openbox", "xdotool")
checks = Checks()
SNI = "org.kde.StatusNotifierItem"
SCALE = 2
SCREEN_W, SCREEN_H = 1920, 1080


def luminance(rgb):
    def channel(v):
        v /= 255.0
        return v / 12.92 if v <= 0.03928 else ((v + 0.055) / 1.055) ** 2.4
    r, g, b = rgb
    return 0.2126 * channel(r) + 0.7152 * channel(g) + 0.0722 * channel(b)


def contrast(a, b):
    la, lb = luminance(a), luminance(b)
    return (max(la, lb) + 0.05) / (min(la, lb) + 0.05)


def glyph_colour(pixmaps):
    """The mean colour of the opaque pixels of the largest pixmap (ARGB32, big-endian)."""
    width, height, data = max(pixmaps, key=lambda p: int(p[0]))
    data = bytes(data)
    opaque = [data[i + 1:i + 4] for i in range(0, len(data), 4) if data[i] > 200]
    if not opaque:
        return None
    return tuple(sum(p[c] for p in opaque) / len(opaque) for c in range(3))


with Peers() as peers:
    peers.start_display("%dx%d" % (SCREEN_W, SCREEN_H))
    peers.start_window_manager()
    peers.start_pulse(("a",))
    peers.start_session_bus()
    peers.start_tray_watcher()
    base = peers.start_stream_server()
    peers.write_catalogue([
        {"name": "Lokaal", "stations": [{"name": "Toon MP3", "url": base + "/mp3"},
                                        {"name": "Toon Ogg", "url": base + "/ogg"}]},
        {"name": "Jazz", "stations": [{"name": "Toon AAC", "url": base + "/aac"}]}])
    peers.env["QT_SCALE_FACTOR"] = str(SCALE)
    peers.start_zeffira()

    def xdo(*args):
        return peers.run(["xdotool"] + list(args))

    def visible_window(title):
        """The id of the mapped window with exactly this title, or None."""
        ids = xdo("search", "--onlyvisible", "--name", "^%s$" % title).stdout.split()
        return ids[0] if ids else None

    def geometry(window):
        values = dict(line.split("=", 1) for line in xdo("getwindowgeometry", "--shell", window).stdout.split())
        return {k: int(values[k]) for k in ("X", "Y", "WIDTH", "HEIGHT")}

    def status():
        return peers.run(["playerctl", "-p", "zeffira", "status"]).stdout.strip()

    bus = dbus.bus.BusConnection(peers.env["DBUS_SESSION_BUS_ADDRESS"])
    name = wait_for(lambda: next((str(n) for n in bus.list_names() if str(n).startswith(SNI + "-")), None),
                    20, "the tray item on the bus")
    item = bus.get_object(name, "/StatusNotifierItem")
    sni = dbus.Interface(item, SNI)
    props = dbus.Interface(item, "org.freedesktop.DBus.Properties")

    # The icon: symbolic, so the desktop draws it in its panel's colour; where it does not, the
    # pixmap's own colour stands out on a dark and on a light panel.
    checks.check("symbolic icon name", str(props.Get(SNI, "IconName")).endswith("-symbolic"),
                 props.Get(SNI, "IconName"))
    colour = glyph_colour(props.Get(SNI, "IconPixmap"))
    for panel, rgb in (("light", (0xf6, 0xf5, 0xf4)), ("dark", (0x30, 0x30, 0x30))):
        ratio = contrast(colour, rgb) if colour else 0
        checks.check("icon stands out on a %s panel (%.1f:1)" % (panel, ratio), ratio >= 3, colour)

    # A click on an icon in the middle of the top edge, in the desktop's device pixels.
    click_x, click_y = SCREEN_W // 2, 4
    sni.Activate(click_x, click_y)
    panel = wait_for(lambda: visible_window("Zeffira"), 20, "the panel to open")
    before = wait_for(lambda: geometry(panel), 5, "the panel's geometry")
    expected_x = click_x - 150 * SCALE
    checks.check("panel opens at the icon at scale %d" % SCALE,
                 abs(before["X"] - expected_x) <= SCALE and abs(before["Y"] - click_y) <= SCALE,
                 "%s, expected x %d" % (before, expected_x))
    checks.check("panel is on the screen", before["Y"] + before["HEIGHT"] <= SCREEN_H, before)

    def focused(window):
        """Waits until the keyboard goes to `window`: a mapped window may not have it yet, and
        keys typed then are lost. The panel gives it to its search field on every showing."""
        wait_for(lambda: xdo("getwindowfocus").stdout.strip() == window, 10, "the keyboard focus on the panel")
        return window

    # Typing searches at once; Return plays the match.
    focused(panel)
    xdo("type", "--delay", "40", "Toon Ogg")
    xdo("key", "Return")
    wait_for(lambda: status() == "Playing", 20, "MPRIS to report Playing")
    title = peers.run(["playerctl", "-p", "zeffira", "metadata", "xesam:title"]).stdout.strip()
    checks.check("typing a name and Return plays it", title == "Toon Ogg", title)

    # The rows of what is playing come on top: the window grows with them and stays on the screen.
    grown = wait_for(lambda: (lambda g: g if g["HEIGHT"] > before["HEIGHT"] + 40 * SCALE else None)(geometry(panel)),
                     10, "the panel to grow with the now-playing rows")
    checks.check("panel's height covers its content while playing", True)
    checks.check("grown panel stays on the screen", grown["Y"] + grown["HEIGHT"] <= SCREEN_H, grown)

    # Escape clears the search first, then closes the panel. Typed after the first Escape, a name
    # matches only in an empty search field, and only an open panel takes it: once it plays,
    # the Escape has long been handled.
    xdo("key", "Escape")
    xdo("type", "--delay", "40", "Toon MP3")
    xdo("key", "Return")
    wait_for(lambda: peers.run(["playerctl", "-p", "zeffira", "metadata", "xesam:title"]).stdout.strip() == "Toon MP3",
             20, "a name typed after the first Escape to play")
    checks.check("first Escape clears the search and keeps the panel open", visible_window("Zeffira") == panel)
    xdo("key", "Escape")
    xdo("key", "Escape")
    wait_for(lambda: visible_window("Zeffira") is None, 10, "Escape to close the panel")
    checks.check("second Escape closes the panel", True)
    checks.check("playing goes on without the panel", status() == "Playing")

    # Ctrl+, opens the settings; Ctrl+W closes them; the next opening is a new window.
    def open_settings():
        sni.Activate(click_x, click_y)
        focused(wait_for(lambda: visible_window("Zeffira"), 10, "the panel to open again"))
        xdo("key", "ctrl+comma")
        return wait_for(lambda: visible_window("Instellingen"), 20, "Ctrl+, to open the settings")

    first = open_settings()
    checks.check("Ctrl+, opens the settings", True)
    xdo("key", "ctrl+w")
    wait_for(lambda: visible_window("Instellingen") is None, 10, "Ctrl+W to close the settings")
    checks.check("Ctrl+W closes the settings", True)
    second = open_settings()
    checks.check("every opening of the settings is a new window", second != first, (first, second))
    xdo("key", "Escape")
    wait_for(lambda: visible_window("Instellingen") is None, 10, "Escape to close the settings")
    checks.check("Escape closes the settings", True)

    # Ctrl+Q in the panel quits.
    sni.Activate(click_x, click_y)
    focused(wait_for(lambda: visible_window("Zeffira"), 10, "the panel to open for Ctrl+Q"))
    xdo("key", "ctrl+q")
    checks.check("Ctrl+Q quits with exit code 0", peers.zeffira.wait(timeout=15) == 0)

checks.finish()
