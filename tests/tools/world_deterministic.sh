#!/usr/bin/env bash
# Building the data folder twice from the same sources gives byte-identical files: no clock, no random
# seed, no file-system order may leak into the shipped world (a career's team order depends on it).
#
# Arguments: <kolbrin-data path> <build dir> <source dir>.
set -u
# shellcheck source=lib/tool_test.sh
source "$(dirname "${BASH_SOURCE[0]}")/lib/tool_test.sh"

"$tool" build-data "$tmp/one" --source "$src/data" || { echo "FAIL: first build"; exit 1; }
# The second build runs from another working folder into a folder with another name.
(cd "$tmp" && "$tool" build-data "$tmp/second build" --source "$src/data") || { echo "FAIL: second build"; exit 1; }

if ! diff -r "$tmp/one" "$tmp/second build" >"$tmp/diff.txt"; then
    fail "the two builds differ:"
    head -20 "$tmp/diff.txt"
fi
# diff -r compares contents; make sure the builds were not both empty.
count=$(find "$tmp/one" -type f | wc -l)
if [ "$count" -lt 350 ]; then
    fail "only $count files were built"
fi
# A build over an existing folder rewrites the same bytes. A team file that an earlier build wrote for a
# club since renamed goes; a team the editor saved since (another user in its header) and a file that is
# no team file stay.
first=$(find "$tmp/one/Teams" -name '*.kbt' | sort | head -1)
cp "$first" "$tmp/one/Teams/RenamedSince.kbt"
"$tool" team export "$first" | sed 's/"savedBy": *"[^"]*"/"savedBy": "a player"/' >"$tmp/mine.json"
grep -q '"savedBy": "a player"' "$tmp/mine.json" || fail "could not make a team saved by someone else"
"$tool" team import "$tmp/mine.json" "$tmp/one/Teams/MyOwnClub.kbt" || echo "FAIL: team import"
echo "not a team" >"$tmp/one/Provisory Teams/Notes.kbt"
"$tool" build-data "$tmp/one" --source "$src/data" || { echo "FAIL: rebuild"; exit 1; }
[ ! -e "$tmp/one/Teams/RenamedSince.kbt" ] || fail "the team file of an earlier build stays"
[ -f "$tmp/one/Teams/MyOwnClub.kbt" ] && [ -f "$tmp/one/Provisory Teams/Notes.kbt" ] ||
    fail "the rebuild removed a file it did not write"
rm -f "$tmp/one/Teams/MyOwnClub.kbt" "$tmp/one/Provisory Teams/Notes.kbt"
if ! diff -r "$tmp/one" "$tmp/second build" >/dev/null; then
    fail "building over an existing folder changed it"
fi

finish "world build is deterministic ($count files)"
