#!/usr/bin/env bash
# `zeffira --import` and `--export` on the real catalogue file: an M3U import into a category named
# after the file, duplicates and invalid lines reported, the catalogue's own stations untouched;
# every format exported and imported into a fresh catalogue gives the same catalogue; hostile and
# unusual files (a FIFO, UTF-16, CR line ends, huge, garbage, forged lines, disguised names) get an
# honest message and exit status.
set -u
bin=${ZEFFIRA_BINARY:?ZEFFIRA_BINARY is not set}
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
export XDG_DATA_HOME=$tmp/data XDG_CONFIG_HOME=$tmp/config
catalogue=$XDG_DATA_HOME/Zeffira/stations.json
failures=0
passes=0
check() { # name, command...
    local name=$1; shift
    if "$@"; then echo "PASS: $name"; passes=$((passes + 1)); else echo "FAIL: $name"; failures=$((failures + 1)); fi
}
zeffira() { # the program with these arguments, its status passed on; ended by a signal, it fails
    "$bin" "$@"
    local status=$?
    if [ $status -ge 128 ]; then echo "FAIL: zeffira $* ended by signal $((status - 128))"; failures=$((failures + 1)); fi
    return $status
}

zeffira --list-stations >"$tmp/before" 2>/dev/null
cp "$catalogue" "$tmp/catalogue-before.json"
first_url=$(python3 -c 'import json,sys; print(json.load(open(sys.argv[1]))[0]["stations"][0]["url"])' "$catalogue")
printf '#EXTM3U\n#EXTINF:-1,Nieuw een\nhttps://new.example/1\n#EXTINF:-1,Al bekend\n%s\nnot a url\n#EXTINF:-1,Nieuw twee\nhttp://new.example/2\n' \
    "$first_url" >"$tmp/Mijn lijst.m3u"
zeffira --import "$tmp/Mijn lijst.m3u" >"$tmp/out" 2>"$tmp/err"
check "import exits 0" test $? -eq 0
check "import says what it did" grep -q "Stations geïmporteerd: 2 in Mijn lijst; overgeslagen: 1 al in de catalogus en 1 met een ongeldige URL." "$tmp/out"
check "the invalid URL is reported with its line" grep -q "Mijn lijst.m3u:6: geen URL: not a url" "$tmp/err"
python3 - "$tmp/catalogue-before.json" "$catalogue" <<'PY' && ok=0 || ok=1
import json, sys
before, after = (json.load(open(p)) for p in sys.argv[1:])
assert after[:len(before)] == before, "existing categories changed"
assert after[-1] == {"name": "Mijn lijst", "stations": [
    {"name": "Nieuw een", "url": "https://new.example/1"},
    {"name": "Nieuw twee", "url": "http://new.example/2"}]}, after[-1]
PY
check "existing stations unchanged, new ones in a category named after the file" test $ok -eq 0

zeffira --import "$tmp/missing.m3u" >/dev/null 2>"$tmp/err"
check "a missing file exits 1" sh -c "[ $? -eq 1 ] && grep -q 'niet lezen' '$tmp/err'"
zeffira --export "$tmp/list.txt" >/dev/null 2>&1
check "an unknown extension exits 1" test $? -eq 1

for ext in m3u pls xspf json; do
    zeffira --export "$tmp/all.$ext" >"$tmp/out" 2>&1
    check "export .$ext exits 0" test $? -eq 0
    check "export .$ext says so" grep -q "^Stations geëxporteerd: [0-9]* (categorieën: [0-9]*), naar" "$tmp/out"
    XDG_DATA_HOME=$tmp/fresh-$ext zeffira --list-stations >/dev/null 2>&1
    # An empty catalogue to import into (a fresh one starts from the built-in list).
    echo '[{"name":"leeg","stations":[]}]' >"$tmp/fresh-$ext/Zeffira/stations.json"
    XDG_DATA_HOME=$tmp/fresh-$ext zeffira --import "$tmp/all.$ext" >/dev/null 2>&1
    python3 - "$catalogue" "$tmp/fresh-$ext/Zeffira/stations.json" <<'PY' && ok=0 || ok=1
import json, sys
original, copy = (json.load(open(p)) for p in sys.argv[1:])
assert copy[1:] == [c for c in original if c["stations"]], "round trip differs"
PY
    check "round trip through .$ext gives the same categories and stations" test $ok -eq 0
done
zeffira --export "$tmp/one.m3u" --category "Mijn lijst" >"$tmp/out" 2>&1
check "export of one category" sh -c "grep -q 'Stations geëxporteerd: 2 (categorieën: 1)' '$tmp/out' && [ \$(grep -c '^http' '$tmp/one.m3u') -eq 2 ]"

# Hostile and unusual files, one row each: file | exit status | what the output says | a pattern
# (grep -E) neither the output nor the catalogue may hold.
hostile=$tmp/hostile
mkdir -p "$hostile"
python3 - "$hostile" <<'PY'
import os, sys
d = sys.argv[1]
def m3u(host): return f"#EXTM3U\n#EXTINF:-1,Een\nhttp://{host}.example/1\n#EXTINF:-1,Twee\nhttp://{host}.example/2\n"
pls = "[playlist]\nFile1=http://be.example/1\nTitle1=Een\nFile2=http://be.example/2\nTitle2=Twee\n"
open(f"{d}/utf16le.m3u", "wb").write(b"\xff\xfe" + m3u("le").encode("utf-16-le"))
open(f"{d}/utf16be.pls", "wb").write(b"\xfe\xff" + pls.encode("utf-16-be"))
open(f"{d}/cr.m3u", "w").write(m3u("cr").replace("\n", "\r"))
open(f"{d}/comments.m3u", "w").write("#EXTM3U\n# nothing but comments\n")
open(f"{d}/bidi.m3u", "w").write("#EXTM3U\n#EXTINF:-1,Evil \u202egnp.exe\u202c name\nhttp://bidi.example/\n")
open(f"{d}/named \u202eevil.m3u", "w").write("#EXTM3U\nhttp://named.example/\n")
open(f"{d}/forged.json", "w").write('[{"name":"A","stations":[{"name":"x","url":"http://a.example/\\nzeffira: forged"}]}]')
open(f"{d}/garbage.m3u", "wb").write(os.urandom(64 * 1024))
PY
mkfifo "$hostile/fifo.m3u"
ln -s /etc/passwd "$hostile/passwd.m3u"
truncate -s 52M "$hostile/big.m3u"
rows=(
    "fifo.m3u|1|geen gewoon bestand|"
    "utf16le.m3u|0|Stations geïmporteerd: 2 in utf16le;|"
    "utf16be.pls|0|Stations geïmporteerd: 2 in utf16be;|"
    "cr.m3u|0|Stations geïmporteerd: 2 in cr;|"
    "comments.m3u|1|comments.m3u: geen stations gevonden|"
    "big.m3u|1|big.m3u is te groot: 52.0 MB; een stationslijst mag hoogstens 16.0 MB zijn|"
    "bidi.m3u|0|Stations geïmporteerd: 1 in bidi;|"$'\u202e'
    $'named \u202eevil.m3u|0|Stations geïmporteerd: 1 in named evil;|\u202e'
    "forged.json|1|geen Zeffira-stationslijst|^zeffira: forged"
    "garbage.m3u|1|garbage.m3u: en nog|"
    "passwd.m3u|1|passwd.m3u: en nog|"
)
for row in "${rows[@]}"; do
    IFS='|' read -r file code says absent <<<"$row"
    timeout 10 "$bin" --import "$hostile/$file" >"$tmp/out" 2>"$tmp/err"
    status=$?
    grep -v '^nl\.zeffira\.' "$tmp/err" >>"$tmp/out"
    check "$file: exit $code" test "$status" -eq "$code"
    check "$file: says \"$says\"" grep -qF -- "$says" "$tmp/out"
    [ -z "$absent" ] || check "$file: nothing of \"$absent\" in the output or the catalogue" \
        sh -c "! grep -qE -- '$absent' '$tmp/out' '$catalogue'"
done

echo "$passes passed, $failures failed"
[ "$failures" -eq 0 ]
