#!/usr/bin/env bash
# Playback benchmarks of the headless player against a bare playbin (see bench/README.md).
# BUILD is the build folder that holds src/zeffira; extra arguments (e.g. --quick) are passed on.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
build="${BUILD:-build}"
exec python3 "$here/playback_bench.py" --zeffira "$build/src/zeffira" "$@"
