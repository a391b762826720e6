#!/usr/bin/env bash
# The desktop entry and the AppStream metainfo that `make install` ships must be valid.
set -u
build=$(dirname "${ZEFFIRA_BINARY:?ZEFFIRA_BINARY is not set}")/..
for tool in desktop-file-validate appstreamcli; do
    command -v "$tool" >/dev/null || { echo "missing test component: $tool"; exit 1; }
done
failures=0 passes=0
desktop=$(ls "$build"/*.desktop 2>/dev/null | head -n 1)
metainfo=$(ls "$build"/*.metainfo.xml 2>/dev/null | head -n 1)
if [ -n "$desktop" ] && desktop-file-validate "$desktop"; then passes=$((passes + 1)); echo "PASS: desktop entry"; else failures=$((failures + 1)); echo "FAIL: desktop entry"; fi
if [ -n "$metainfo" ] && appstreamcli validate --no-net "$metainfo" >/dev/null; then passes=$((passes + 1)); echo "PASS: metainfo"; else failures=$((failures + 1)); echo "FAIL: metainfo"; fi
# A DBusActivatable entry is started through the D-Bus service of the same name.
service=$build/$(basename "${desktop:-none}" .desktop).service
if grep -qx 'DBusActivatable=true' "${desktop:-/dev/null}" && [ -f "$service" ] &&
    grep -qx "Name=$(basename "$desktop" .desktop)" "$service" && grep -q '^Exec=.*/zeffira ' "$service"; then
    passes=$((passes + 1)); echo "PASS: D-Bus service for the activatable entry"
else failures=$((failures + 1)); echo "FAIL: D-Bus service for the activatable entry"; fi
echo "$passes passed, $failures failed"
[ "$failures" -eq 0 ]
