#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The package as a user gets it: apt installs the .deb `make package` left, and the installed
# program answers --version, shows its tray item and opens its panel on a private X server with a
# window manager, session bus and sound server.
#
# Installing changes the system, so this runs only when asked (ZEFFIRA_TEST_INSTALL=1, which CI
# sets on its throwaway machine; elsewhere it is reported as skipped), and even then in a mount
# namespace of its own whose /usr, /etc and /var are overlays on a tmpfs: the machine is left as
# it was, and a run beside other work cannot disturb it.
set -u
if [ "${ZEFFIRA_TEST_INSTALL:-}" != 1 ]; then
    echo "SKIP: installs the package; set ZEFFIRA_TEST_INSTALL=1 (as root) to run it"
    exit 77
fi
dir=${ZEFFIRA_PACKAGE_DIR:?ZEFFIRA_PACKAGE_DIR is not set}
version=${ZEFFIRA_VERSION:?ZEFFIRA_VERSION is not set}
src=${ZEFFIRA_SOURCE_DIR:?ZEFFIRA_SOURCE_DIR is not set}
deb=$(realpath -m "$dir/zeffira_${version}_$(dpkg --print-architecture).deb")
if [ -z "${ZEFFIRA_INSTALL_NAMESPACE:-}" ]; then
    [ "$(id -u)" -eq 0 ] || { echo "FAIL: installing needs root"; exit 1; }
    [ -f "$deb" ] || { echo "FAIL: no package $deb (make it with 'make package')"; exit 1; }
    exec unshare --mount --propagation private env ZEFFIRA_INSTALL_NAMESPACE=1 bash "$0"
fi

layers=$(mktemp -d)
trap 'rm -rf "$layers"' EXIT
# An overlay's upper layer must not be an overlay itself (as a container's root often is).
mount -t tmpfs zeffira-install "$layers" || exit 1
for d in usr etc var; do
    mkdir -p "$layers/$d/upper" "$layers/$d/work"
    mount -t overlay overlay -o "lowerdir=/$d,upperdir=$layers/$d/upper,workdir=$layers/$d/work" "/$d" ||
        { echo "FAIL: cannot put an overlay on /$d"; exit 1; }
done
failures=0 passes=0
check() { # name, command...
    local name=$1; shift
    if "$@"; then echo "PASS: $name"; passes=$((passes + 1)); else echo "FAIL: $name"; failures=$((failures + 1)); fi
}
DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "$deb" >"$layers/apt.log" 2>&1
check "apt-get installs the package" test $? -eq 0 || sed 's/^/    apt: /' "$layers/apt.log"
check "the installed program is the package's" test "$(dpkg-query -W -f '${Version}' zeffira 2>/dev/null)" = "$version"
check "--version" bash -c "/usr/bin/zeffira --version | grep -qx 'zeffira $version (build [0-9]*)'"

# The tray and the panel of the installed program: nothing from the build tree is in reach.
unset ZEFFIRA_DATA_DIR ZEFFIRA_FIXTURES
ZEFFIRA_BINARY=/usr/bin/zeffira /usr/bin/python3 - "$src/tests/support" <<'PY'
import sys
sys.path.insert(0, sys.argv[1])
import dbus
from harness import Checks, Peers, require, wait_for

require("Xvfb", "openbox", "xdotool")
checks = Checks()
SNI = "org.kde.StatusNotifierItem"
with Peers() as peers:
    peers.start_display()
    peers.start_window_manager()
    peers.start_pulse(("a",))
    peers.start_session_bus()
    peers.start_tray_watcher()
    peers.start_zeffira()
    bus = dbus.bus.BusConnection(peers.env["DBUS_SESSION_BUS_ADDRESS"])
    name = wait_for(lambda: next((str(n) for n in bus.list_names() if str(n).startswith(SNI + "-")), None),
                    20, "the installed program's tray item")
    wait_for(lambda: name in peers.tray_registrations(), 10, "the tray item's registration")
    checks.check("the installed program shows its tray item", True)
    dbus.Interface(bus.get_object(name, "/StatusNotifierItem"), SNI).Activate(600, 4)
    wait_for(lambda: peers.run(["xdotool", "search", "--onlyvisible", "--name", "^Zeffira$"]).stdout.split(),
                     20, "the installed program's panel")
    checks.check("a click on the tray item opens the panel", True)
checks.finish()
PY
check "the installed program's tray item and panel" test $? -eq 0

echo "$passes passed, $failures failed"
[ "$failures" -eq 0 ]
