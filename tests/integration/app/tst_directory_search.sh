#!/usr/bin/env bash
# `zeffira --search` against a local stand-in of the station directory (fixtures/directory_server.py):
# results one a line, no results, each kind of bad answer refused with a clear message, a server
# that never answers given up on after its time and the next one asked, and no server at all.
set -u
bin=${ZEFFIRA_BINARY:?ZEFFIRA_BINARY is not set}
fixtures=${ZEFFIRA_FIXTURES:?ZEFFIRA_FIXTURES is not set}
tmp=$(mktemp -d)
export XDG_DATA_HOME=$tmp/data XDG_CONFIG_HOME=$tmp/config
python3 "$fixtures/directory_server.py" --lifetime 120 >"$tmp/port" &
server=$!
trap 'kill $server 2>/dev/null; wait $server 2>/dev/null; rm -rf "$tmp"' EXIT
for _ in $(seq 100); do [ -s "$tmp/port" ] && break; sleep 0.1; done
base=http://127.0.0.1:$(head -1 "$tmp/port")
failures=0
passes=0
check() { # name, command...
    local name=$1; shift
    if "$@"; then echo "PASS: $name"; passes=$((passes + 1)); else echo "FAIL: $name"; failures=$((failures + 1)); fi
}
search() { # servers, text: runs the search, leaves out/err/status
    ZEFFIRA_DIRECTORY_URL=$1 "$bin" --search "$2" >"$tmp/out" 2>"$tmp/err"
    status=$?
    if [ $status -ge 128 ]; then echo "FAIL: zeffira --search $2 ended by signal $((status - 128))"; failures=$((failures + 1)); fi
}

search "$base/good" jazz
check "results exit 0" test $status -eq 0
check "a result: name, resolved URL, country, codec, bitrate" \
    grep -qxP 'Jazz Lounge Haarlem\thttps://jazz.example/live.mp3\tThe Netherlands\tMP3\t128 kbps' "$tmp/out"
search "$base/good" a
check "one line per usable station" test "$(wc -l <"$tmp/out")" -eq 3
check "the station with a file: URL is left out, and said so" grep -q "weggelaten omdat de URL geen http- of https-stream is: 1\." "$tmp/err"
search "$base/good" nothing
check "no results exit 0 and say so" sh -c "[ $status -eq 0 ] && grep -q 'Geen stations gevonden' '$tmp/out'"
check "the request names the program, the limit and hidebroken" \
    sh -c "python3 -c 'import sys, urllib.request; sys.stdout.write(urllib.request.urlopen(sys.argv[1]).read().decode())' '$base/log' | grep -q 'name=nothing&limit=50&hidebroken=true.* Zeffira/'"

for bad in html truncated huge types object; do
    search "$base/$bad" jazz
    check "$bad answer: exit 1, not a station list" \
        sh -c "[ $status -eq 1 ] && grep -q 'antwoord van de zendergids is geen zenderlijst' '$tmp/err' && [ ! -s '$tmp/out' ]"
done
search "$base/files" jazz
check "only file: URLs: nothing listed, said so" sh -c "grep -q 'weggelaten omdat de URL geen http- of https-stream is: 2\.' '$tmp/err' && ! grep -q file: '$tmp/out'"

search "$base/hang,$base/good" jazz
check "a server that never answers: the next one's results" grep -q "^Jazz Lounge Haarlem" "$tmp/out"
search "$base/down,http://127.0.0.1:1" jazz
check "no server answers: exit 1 with a clear message" \
    sh -c "[ $status -eq 1 ] && grep -q 'geen server van de zendergids antwoordde' '$tmp/err'"
"$bin" --search "" >/dev/null 2>&1
check "an empty search is a usage error" test $? -eq 2

echo "$passes passed, $failures failed"
[ "$failures" -eq 0 ]
