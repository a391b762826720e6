#!/usr/bin/env bash
# The command-line face: --list-stations on a fresh data folder creates the catalogue file from
# the built-in list and prints exactly what it saved; --help, --version and bad options, a bad
# --sleep-timer among them.
set -u
bin=${ZEFFIRA_BINARY:?ZEFFIRA_BINARY is not set}
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
export XDG_DATA_HOME=$tmp/data XDG_CONFIG_HOME=$tmp/config
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

zeffira --list-stations >"$tmp/out" 2>"$tmp/err"
check "list-stations exits 0" test $? -eq 0
check "list-stations logs the first launch" grep -q "First launch or empty data, loading from XML" "$tmp/err"
check "stations.json written with mode 600" test "$(stat -c %a "$XDG_DATA_HOME/Zeffira/stations.json" 2>/dev/null)" = 600
# The printed list must be what the saved file holds.
python3 - "$XDG_DATA_HOME/Zeffira/stations.json" >"$tmp/expected" <<'PY'
import json, sys
for category in json.load(open(sys.argv[1], encoding="utf-8")):
    print(category["name"])
    for station in category["stations"]:
        print("  " + station["name"] + "  " + station["url"])
PY
check "printed list equals the saved file" cmp -s "$tmp/out" "$tmp/expected"
check "built-in list is not empty" test "$(grep -c '^  ' "$tmp/out")" -ge 30

zeffira --list-stations >"$tmp/out2" 2>"$tmp/err2"
check "second start loads from disk" grep -q "Loaded [0-9]* categories from disk" "$tmp/err2"
check "second start prints the same" cmp -s "$tmp/out" "$tmp/out2"

printf '{broken' >"$XDG_DATA_HOME/Zeffira/stations.json"
zeffira --list-stations >/dev/null 2>"$tmp/err3"
check "damaged file is kept aside" sh -c "grep -qx '{broken' '$XDG_DATA_HOME'/Zeffira/stations.json.damaged-*"

zeffira --help >"$tmp/help"
check "--help exits 0" test $? -eq 0
check "--help names --list-stations" grep -q -- --list-stations "$tmp/help"
check "--help names the program" grep -qE '^(Usage|Gebruik): zeffira ' "$tmp/help"
check "--help names no placeholder" bash -c "! grep -q '<executable_name>' '$tmp/help'"
for file in Zeffira/stations.json Zeffira/settings.json zeffira/stations.xml; do
    check "--help lists $file" grep -q "$file" "$tmp/help"
done
for option in play-pause stop next previous "station <naam>" "volume <0-100>" status json "alarm <UU:MM|+minuten>"; do
    check "--help lists --$option" grep -q -- "--$option " "$tmp/help"
done
zeffira --headless http://127.0.0.1:9/x >/dev/null 2>&1
check "a link with --headless is a usage error (--play takes it)" test $? -eq 2
zeffira --version >"$tmp/version"
check "--version exits 0" test $? -eq 0
check "--version prints the version" grep -Eq '^zeffira [0-9]+\.[0-9]+\.[0-9]+' "$tmp/version"
# --history reads what was heard; before anything was, it prints nothing and makes no file.
zeffira --history >"$tmp/history" 2>&1
check "--history without a history exits 0 and prints nothing" test $? -eq 0 -a ! -s "$tmp/history"
check "--history makes no file" test ! -e "$XDG_DATA_HOME/Zeffira/history.sqlite"
check "--history --json without a history prints []" test "$(zeffira --history --json | tr -d ' \n')" = "[]"
for args in "--history --since 2025-13-01" "--history --since yesterday" "--json" "--since 2025-01-01" \
            "--history --list-stations" "--history somewhere.pls"; do
    # shellcheck disable=SC2086
    zeffira $args >/dev/null 2>"$tmp/err5"
    check "'$args' is a usage error" test $? -eq 2 -a -s "$tmp/err5"
done
zeffira --no-such-option >/dev/null 2>&1
check "unknown option exits 2" test $? -eq 2

# --sleep-timer takes minutes above 0 and up to a day; anything else is a usage error, said plainly.
for bad in 0 -5 abc 1441 nan inf 0.001 "" "1,5"; do
    zeffira --headless --sleep-timer "$bad" >/dev/null 2>"$tmp/err4"
    check "--sleep-timer '$bad' exits 2" test $? -eq 2
    check "--sleep-timer '$bad' says why" grep -q "groter dan 0 en hoogstens 1440" "$tmp/err4"
done
zeffira --list-stations --sleep-timer 5 >/dev/null 2>&1
check "--sleep-timer with --list-stations exits 2" test $? -eq 2
# --record belongs to a headless player of one station; --duration to --record, in the same minutes.
for args in "--record $tmp/r.mp3" "--headless --record $tmp/r.mp3" "--headless --play x --duration 1" \
            "--headless --play x --record $tmp/r.mp3 --duration 0"; do
    zeffira $args >/dev/null 2>"$tmp/err5"
    check "'$args' exits 2 and says why" sh -c "test $? -eq 2 && grep -q -- '--' '$tmp/err5'"
done
check "--help documents fractional minutes" sh -c "grep -A3 -- --sleep-timer '$tmp/help' | grep -q 0.5"
# The locale picks the language of --help: English, German or French where asked for first,
# Dutch (the source) for Dutch, for the C locale and for languages without a translation.
while read -r expected env_vars; do
    # shellcheck disable=SC2086
    env -u LC_ALL -u LC_MESSAGES -u LANGUAGE $env_vars "$bin" --help >"$tmp/help" 2>&1
    case $expected in
        en) words="Show this help and exit." ;;
        nl) words="Toon deze hulp en stop." ;;
        de) words="Diese Hilfe anzeigen und beenden." ;;
        fr) words="Afficher cette aide et quitter." ;;
    esac
    check "--help in $expected under $env_vars" grep -qF "$words" "$tmp/help"
done <<'CASES'
nl LC_ALL=C.UTF-8
nl LANG=C
nl LANG=nl_NL.UTF-8
en LANG=en_US.UTF-8
en LANG=nl_NL.UTF-8 LC_ALL=en_GB.UTF-8
de LANG=de_DE.UTF-8
fr LANG=fr_FR.UTF-8
fr LANG=de_DE.UTF-8 LC_MESSAGES=fr_FR.UTF-8
nl LANG=it_IT.UTF-8
en LANG=it_IT.UTF-8 LANGUAGE=it:en
de LANG=en_US.UTF-8 LANGUAGE=it:de:en
nl LANG=en_US.UTF-8 LANGUAGE=it:nl:fr
CASES
env -u LC_ALL -u LANGUAGE LANG=en_US.UTF-8 "$bin" --play x >/dev/null 2>"$tmp/err5"
check "a usage error in English under en_US" grep -qxF -- "--play needs --headless." "$tmp/err5"

echo "$passes passed, $failures failed"
[ "$failures" -eq 0 ]
