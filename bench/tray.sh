#!/usr/bin/env bash
# Tray benchmarks: idle memory and CPU against a bare tray item and goodvibes, and the panel's
# opening time (see bench/README.md). BUILD is the build folder that holds src/zeffira and
# bench/bare_tray; extra arguments (e.g. --quick) are passed on.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
build="${BUILD:-build}"
# Debian's interpreter, which carries python3-dbus and python3-gi.
python=/usr/bin/python3
[ -x "$python" ] || python=python3
exec "$python" "$here/tray_bench.py" --zeffira "$build/src/zeffira" --bare-tray "$build/bench/bare_tray" "$@"
