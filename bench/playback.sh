#!/usr/bin/env bash
# Playback benchmarks of the headless player against a bare playbin (see bench/README.md).
# BUILD is the build folder that holds src/zeffira; extra arguments (e.g. --quick) are passed on.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
build="${BUILD:-build}"
# Debian's interpreter, which carries python3-dbus and python3-gi (the zap's menu clicks and its
# resident playbin).
python=/usr/bin/python3
[ -x "$python" ] || python=python3
exec "$python" "$here/playback_bench.py" --zeffira "$build/src/zeffira" "$@"
