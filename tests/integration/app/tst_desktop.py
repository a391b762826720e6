"""End to end: the program on a desktop without a tray (stock GNOME), on a private X server with
a window manager and a private session bus. The panel opens as a window, the media controls
drive it, closing the window keeps the music going; a second launch exits and brings the window
back, or plays the link (or local playlist file) it was given in the first instance; MPRIS
OpenUri plays a stream and refuses a local file; a tray host that appears later takes the item."""

import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "support"))
from harness import DEBOUNCED, Checks, Peers, require, wait_for  # noqa: E402

require("playerctl", "Xvfb", "openbox", "xdotool", "gdbus", "parec")
checks = Checks()
binary = os.environ["ZEFFIRA_BINARY"]

with Peers() as peers:
    peers.start_display()
    peers.start_window_manager()
    peers.start_pulse(("a",))
    peers.start_session_bus()
    base = peers.start_stream_server()
    peers.write_catalogue([{"name": "Lokaal", "stations": [{"name": "Toon MP3", "url": base + "/mp3"}]}])
    peers.start_zeffira()

    def windows():
        return peers.run(["xdotool", "search", "--onlyvisible", "--name", "^Zeffira$"]).stdout.split()

    def player(*args):
        return peers.run(["playerctl", "-p", "zeffira"] + list(args)).stdout.strip()

    def names(prefix):
        out = peers.run(["dbus-send", "--session", "--print-reply", "--dest=org.freedesktop.DBus", "/org/freedesktop/DBus",
                         "org.freedesktop.DBus.ListNames"]).stdout
        return [n for n in out.split('"') if n.startswith(prefix)]

    def launch(*args):
        return peers.run([binary] + list(args), timeout=30)

    def open_uri(uri):
        """Sent again while it comes too soon after the previous command (the debounce is the unit
        tests' business); the first other answer."""
        def answer():
            result = peers.run(["gdbus", "call", "--session", "--dest", "org.mpris.MediaPlayer2.zeffira",
                                "--object-path", "/org/mpris/MediaPlayer2", "--method",
                                "org.mpris.MediaPlayer2.Player.OpenUri", uri])
            return None if DEBOUNCED in result.stderr else result
        return wait_for(answer, 5, "OpenUri to be taken or refused")

    window = wait_for(windows, 30, "the Zeffira window")[0]
    checks.check("no tray host: the panel opens as a window titled Zeffira", True)
    peers.command_until(["play-pause"], lambda: player("status") == "Playing", 15, "play from the media controls")
    peers.command_until(["pause"], lambda: player("status") == "Paused", 15, "pause from the media controls")
    peers.command_until(["play"], lambda: player("status") == "Playing", 15, "play again")
    checks.check("media controls play, pause and play", True)

    # Closed through the window manager, as its close button does.
    peers.run(["xdotool", "windowactivate", "--sync", window])
    peers.run(["xdotool", "key", "--window", window, "alt+F4"])
    wait_for(lambda: not windows(), 10, "the window to close")
    checks.check("closing hides the window, playback goes on", player("status") == "Playing", player("status"))
    checks.check("the program still runs", peers.zeffira.poll() is None)

    second = launch()
    checks.check("a second launch exits 0", second.returncode == 0, second.stderr)
    wait_for(windows, 15, "the first instance's window to come back")
    checks.check("the first instance shows its window", True)
    checks.check("one tray item, one player, one owner of the app id",
                 len(names("org.kde.StatusNotifierItem-")) == 1 and len(names("org.mpris.MediaPlayer2.zeffira")) == 1
                 and len(names("nl.zeffira.Zeffira")) == 1, names(""))

    second = launch(base + "/ogg")
    checks.check("zeffira URL exits 0", second.returncode == 0, second.stderr)
    wait_for(lambda: player("metadata", "xesam:title").endswith("/ogg") and player("status") == "Playing", 15,
             "the link to play in the running instance")
    checks.check("the link plays in the running instance", True)
    # The media controls say Playing from the start of loading; the sound follows the first
    # decoded audio, later on a busy machine.
    peak = 0
    for _ in range(4):
        peak = peers.record("a", 2.0)
        if peak > 1000:
            break
    checks.check("its sound reaches the sink", peak > 1000, "peak %d" % peak)

    result = open_uri(base + "/mp3")
    checks.check("OpenUri takes a stream", result.returncode == 0, result.stderr)
    wait_for(lambda: player("metadata", "xesam:title") == "Toon MP3", 15, "the catalogue station by its URL")
    checks.check("OpenUri plays it (the catalogue's station for its URL)", player("status") == "Playing")
    result = open_uri("file:///etc/passwd")
    checks.check("OpenUri refuses file:///etc/passwd with an error", result.returncode != 0 and "NotSupported" in result.stderr,
                 result.stderr)
    checks.check("the refused URI leaves the station playing", player("metadata", "xesam:title") == "Toon MP3")

    playlist = os.path.join(peers.dir, "zender.pls")
    with open(playlist, "w") as f:
        f.write("[playlist]\nFile1=/music/local.mp3\nFile2=%s/ogg\nNumberOfEntries=2\n" % base)
    second = launch(playlist)
    checks.check("a local playlist file is handed over", second.returncode == 0, second.stderr)
    wait_for(lambda: player("metadata", "xesam:title").endswith("/ogg"), 15, "the playlist's network entry")
    checks.check("its network entry plays", player("status") == "Playing")
    song = os.path.join(peers.dir, "song.mp3")
    with open(song, "wb") as f:
        f.write(b"ID3\x04\x00\x00\x00\x00\x00\x00" + bytes(2000))
    second = launch(song)
    checks.check("a local audio file is refused with a reason", second.returncode == 1 and "song.mp3" in second.stderr,
                 second.stderr)

    # The extension is switched on: the item goes into the tray, the panel drops from it again.
    peers.start_tray_watcher()
    wait_for(lambda: peers.tray_registrations(), 15, "the tray item to register with the new watcher")
    checks.check("a watcher that appears later takes the item", True)
    peers.wait_for_log("A tray host appeared")
    checks.check("the panel is no longer a forced window", True)

    peers.command_until(["stop"], lambda: player("status") == "Stopped", 15, "stop")
    result = peers.run(["gdbus", "call", "--session", "--dest", "org.mpris.MediaPlayer2.zeffira", "--object-path",
                        "/org/mpris/MediaPlayer2", "--method", "org.mpris.MediaPlayer2.Quit"])
    checks.check("quit from the media controls exits 0", peers.zeffira.wait(timeout=15) == 0)

checks.finish()
