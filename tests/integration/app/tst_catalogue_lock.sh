#!/usr/bin/env bash
# Two writers of the catalogue file at once, both the real program: two series of
# `zeffira --import` side by side, in lockstep, each adding 200 stations in 40 imports; the file
# holds all 400 afterwards. And a holder of the file's lock that was killed (SIGKILL) holds up
# nobody: the next import goes ahead at once, with the lock.
set -u
bin=${ZEFFIRA_BINARY:?ZEFFIRA_BINARY is not set}
tmp=$(mktemp -d)
holder=
trap '[ -z "$holder" ] || kill -9 "$holder" 2>/dev/null; rm -rf "$tmp"' EXIT
export XDG_DATA_HOME=$tmp/data XDG_CONFIG_HOME=$tmp/config
catalogue=$XDG_DATA_HOME/Zeffira/stations.json
failures=0
passes=0
check() { # name, command...
    local name=$1; shift
    if "$@"; then echo "PASS: $name"; passes=$((passes + 1)); else echo "FAIL: $name"; failures=$((failures + 1)); fi
}
imports=40
per_import=5

"$bin" --list-stations >/dev/null 2>&1 # the first start makes the file
python3 - "$tmp" "$imports" "$per_import" <<'PY'
import sys
folder, imports, per = sys.argv[1], int(sys.argv[2]), int(sys.argv[3])
for writer in "ab":
    for i in range(imports):
        with open("%s/%s%d.m3u" % (folder, writer, i), "w") as f:
            f.write("#EXTM3U\n")
            for j in range(per):
                f.write("#EXTINF:-1,%s-%d-%d\nhttp://%s.example/%d/%d\n" % (writer, i, j, writer, i, j))
PY
series() { # writer
    for ((i = 0; i < imports; i++)); do
        "$bin" --import "$tmp/$1$i.m3u" --category "Schrijver $1" >/dev/null 2>>"$tmp/$1.err" || echo "exit $?" >>"$tmp/$1.err"
    done
}
series a &
series b &
wait
expect_all() { # the stations of the given writers, all in the file
    python3 - "$catalogue" "$imports" "$per_import" "$@" <<'PY'
import json, sys
path, imports, per, writers = sys.argv[1], int(sys.argv[2]), int(sys.argv[3]), sys.argv[4:]
names = {s["name"] for c in json.load(open(path)) for s in c["stations"]}
missing = ["%s-%d-%d" % (w, i, j) for w in writers for i in range(imports) for j in range(per)
           if "%s-%d-%d" % (w, i, j) not in names]
if missing:
    sys.exit("%d stations lost, e.g. %s" % (len(missing), missing[:5]))
PY
}
check "two writers at once: all 400 stations in the file" expect_all a b
check "every import took the lock and exited 0" sh -c "! grep -h -e 'Cannot lock' -e '^exit ' '$tmp/a.err' '$tmp/b.err'"

# A holder of the lock killed while it holds it: the kernel lets go of its lock with it.
python3 -c '
import fcntl, sys, time
lock = open(sys.argv[1], "a")
fcntl.flock(lock, fcntl.LOCK_EX)
print("held", flush=True)
time.sleep(300)' "$catalogue.lock" >"$tmp/holder.out" &
holder=$!
for _ in $(seq 100); do grep -q held "$tmp/holder.out" && break; sleep 0.1; done
{ kill -9 "$holder" && wait "$holder"; } 2>/dev/null
holder=
printf '#EXTM3U\n#EXTINF:-1,Na de kill\nhttp://c.example/1\n' >"$tmp/c.m3u"
"$bin" --import "$tmp/c.m3u" --category "Na de kill" >/dev/null 2>"$tmp/kill.err"
check "after a killed holder: the import exits 0" test $? -eq 0
check "after a killed holder: it took the lock (no waiting it out)" sh -c "! grep -h 'Cannot lock' '$tmp/kill.err'"
check "after a killed holder: the stations are added" grep -q '"Na de kill"' "$catalogue"

echo "$passes passed, $failures failed"
[ "$failures" -eq 0 ]
