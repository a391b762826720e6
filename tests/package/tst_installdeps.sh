#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The dependency profiles: `run` carries no test or benchmark tool, and each profile holds the
# one before it.
set -u
deps="${ZEFFIRA_SOURCE_DIR:?ZEFFIRA_SOURCE_DIR is not set}/scripts/install-deps"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
failures=0 passes=0
check() { # name, command...
    local name=$1; shift
    if "$@"; then echo "PASS: $name"; passes=$((passes + 1)); else echo "FAIL: $name"; failures=$((failures + 1)); fi
}

for profile in run package test bench; do
    bash "$deps" --list "$profile" | sort -u >"$tmp/$profile"
done
for p in cmake help2man qt6-wayland gstreamer1.0-plugins-good qt6-l10n-tools; do
    check "run has $p" grep -qx "$p" "$tmp/run"
done
for tool in ffmpeg playerctl xvfb python3-dbusmock pulseaudio goodvibes qml6-module-qttest lintian gstreamer1.0-tools; do
    check "run has no $tool" bash -c "! grep -qx '$tool' '$tmp/run'"
done
check "test adds the test bed" bash -c "grep -qx xvfb '$tmp/test' && grep -qx python3-dbusmock '$tmp/test' && grep -qx pulseaudio '$tmp/test'"
check "test has no benchmark peer" bash -c "! grep -qx goodvibes '$tmp/test'"
check "bench adds goodvibes" grep -qx goodvibes "$tmp/bench"
for pair in run:package package:test test:bench; do
    check "${pair#*:} holds ${pair%:*}" bash -c "[ -z \"\$(comm -23 '$tmp/${pair%:*}' '$tmp/${pair#*:}')\" ]"
done
# Every program a real-app test requires comes with a package of the test profile.
for tool in $(grep -rhoE 'require\([^)]*\)' "${ZEFFIRA_SOURCE_DIR}/tests" --include='*.py' | grep -oE '"[^"]+"' | tr -d '"' | sort -u); do
    path=$(command -v "$tool") || { check "$tool is installed" false; continue; }
    package=$(dpkg -S "$(realpath "$path")" 2>/dev/null | head -n 1 | cut -d: -f1)
    check "test installs $tool ($package)" grep -qx "$package" "$tmp/test"
done
bash "$deps" --list nonsense >/dev/null 2>&1
check "an unknown profile is refused" test $? -eq 2

echo "$passes passed, $failures failed"
[ "$failures" -eq 0 ]
