#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The build number follows the checkout: cmake/BuildNumber.cmake run as every build runs it, on a
# throwaway git repository. A new commit shows at the next build, a build without one leaves the
# generated source untouched (nothing recompiles), and a number chosen at configure time wins.
set -u
script="${ZEFFIRA_SOURCE_DIR:?ZEFFIRA_SOURCE_DIR is not set}/cmake/BuildNumber.cmake"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
failures=0 passes=0
check() { # name, command...
    local name=$1; shift
    if "$@"; then echo "PASS: $name"; passes=$((passes + 1)); else echo "FAIL: $name"; failures=$((failures + 1)); fi
}

repo=$tmp/repo out=$tmp/BuildNumber.cpp
git init -q "$repo"
commit() { git -C "$repo" -c user.name=Test -c user.email=test@example.invalid commit -q --allow-empty -m "$1"; }
build() { cmake -DSOURCE_DIR="$repo" -DOUTPUT="$out" -DBUILD_NUMBER="${1-}" -P "$script"; }
number() { sed -n 's/.*QStringLiteral("\(.*\)").*/\1/p' "$out"; }

commit first && build
check "the checkout's commit count" test "$(number)" = 1
touch -d @946684800 "$out" && build
check "the same number leaves the source untouched" test "$(stat -c %Y "$out")" = 946684800
commit second && build
check "a new commit shows at the next build" test "$(number)" = 2
build 4711
check "a chosen number wins" test "$(number)" = 4711
rm -rf "$repo/.git" && build
check "outside a git checkout: 0" test "$(number)" = 0

echo "$passes passed, $failures failed"
test "$failures" -eq 0
