#!/bin/bash
# Team, referee, group and country files through kolbrin-data: a team exported as JSON imports back to the
# same bytes (both data formats), an edited JSON writes the edit, the check lists invalid teams with their
# reasons, and damaged files or JSON give a one-line error (exit 1), never a crash.
# Arguments: <kolbrin-data> <build dir> <source dir>
set -u
# shellcheck source=lib/tool_test.sh
source "$(dirname "${BASH_SOURCE[0]}")/lib/tool_test.sh"
use_data_folder
teams=$(ls "$game/Teams"/*.kbt | head -40)
[ -n "$teams" ] || fail "no team files in $game/Teams"

# --- export / import round trips -------------------------------------------------------------------------
for t in $teams; do
    "$tool" team export "$t" >"$tmp/t.json" || fail "export $t exited $?"
    "$tool" team import "$tmp/t.json" "$tmp/t.kbt" || fail "import of $t exited $?"
    cmp -s "$t" "$tmp/t.kbt" || fail "import(export($t)) differs"
done
first=$(echo "$teams" | head -1)

# The older format: the same team written as version 98, then exported and imported again.
"$tool" team export "$first" | jq '.version = 98' >"$tmp/old.json"
"$tool" team import "$tmp/old.json" "$tmp/old.kot" || fail "import as version 98 exited $?"
"$tool" team export "$tmp/old.kot" >"$tmp/old2.json" || fail "export of a version-98 file exited $?"
"$tool" team import "$tmp/old2.json" "$tmp/old2.kot" || fail "second import as version 98 exited $?"
cmp -s "$tmp/old.kot" "$tmp/old2.kot" || fail "a version-98 file does not round-trip"
[ "$(jq 'has("header")' "$tmp/old2.json")" = false ] || fail "a version-98 file shows a header"
[ "$(jq '.players[0] | has("age")' "$tmp/old2.json")" = false ] || fail "a version-98 player shows an age"
"$tool" team dump "$tmp/old.kot" | jq -e '.players[0].derived.age >= 17' >/dev/null ||
    fail "dump of a version-98 file lacks the derived age"
# Without a header and the three extended player fields the old file is shorter by the header and 6 bytes a player.
n=$(jq '.players | length' "$tmp/old.json")
hdr=$(jq -r '[.header.fileType, .header.description, .header.author, .header.savedBy] | map(length + 5) | add + 6 + 10 + 10 + 2' "$tmp/old.json")
[ $(($(stat -c %s "$first") - $(stat -c %s "$tmp/old.kot"))) -eq $((hdr + 6 * n)) ] ||
    fail "version-98 size: $(stat -c %s "$tmp/old.kot") vs $(stat -c %s "$first") ($n players, header $hdr)"

# An edit in the JSON reaches the file (a name with a non-ASCII letter, a level).
"$tool" team export "$first" | jq '.team.shortName = "Évora FC" | .team.level = 3' >"$tmp/edit.json"
"$tool" team import "$tmp/edit.json" "$tmp/edit.kbt" || fail "import of an edited team exited $?"
"$tool" team dump "$tmp/edit.kbt" | jq -e '.team.shortName == "Évora FC" and .team.level == 3' >/dev/null ||
    fail "the edit did not reach the file"

# --- damaged input --------------------------------------------------------------------------------------
size=$(stat -c %s "$first")
for cut in 0 1 40 60 $((size / 2)) $((size - 1)); do
    head -c $cut "$first" >"$tmp/cut.kbt"
    expect_error "dump of a team file cut to $cut bytes" "$tool" team dump "$tmp/cut.kbt"
done
"$tool" team export "$first" | jq '.team.name = ("x" * 41)' >"$tmp/long.json"
expect_error "import of a 41-character team name" "$tool" team import "$tmp/long.json" "$tmp/x.kbt"
"$tool" team export "$first" | jq '.players[0].position = 4' >"$tmp/pos.json"
expect_error "import of position 4" "$tool" team import "$tmp/pos.json" "$tmp/x.kbt"
"$tool" team export "$first" | jq 'del(.coach)' >"$tmp/nocoach.json"
expect_error "import without a coach" "$tool" team import "$tmp/nocoach.json" "$tmp/x.kbt"
# Values the file cannot store are refused with the field and the allowed range, never stored changed.
# One case per line: the jq edit, a TAB, the text the error must hold ("" for an edit that is accepted).
while IFS=$'\t' read -r edit expected; do
    "$tool" team export "$first" | jq "$edit" >"$tmp/v.json"
    rm -f "$tmp/v.kbt"
    if [ -z "$expected" ]; then
        "$tool" team import "$tmp/v.json" "$tmp/v.kbt" 2>"$tmp/err" || fail "import of $edit: $(cat "$tmp/err")"
        continue
    fi
    expect_error "import of $edit" "$tool" team import "$tmp/v.json" "$tmp/v.kbt"
    grep -qF -- "$expected" "$tmp/err" || fail "import of $edit: expected \"$expected\", got: $(cat "$tmp/err")"
    [ ! -e "$tmp/v.kbt" ] || fail "the refused import of $edit wrote a file"
done <<'CASES'
.header.saved |= (.year = 2003 | .month = 13 | .day = 1)	header.saved.month: 13 is outside 1..12
.header.saved |= (.year = 2003 | .month = 12 | .day = 31)	
.header.saved |= (.year = 2003 | .month = 1 | .day = 32)	header.saved.day: 32 is outside 1..31
.header.saved |= (.year = 2003 | .month = 2 | .day = 29)	header.saved.day: 29 is outside 1..28
.header.saved |= (.year = 2004 | .month = 2 | .day = 29)	
.header.created |= (.year = 2100 | .month = 2 | .day = 29)	header.created.day: 29 is outside 1..28
.header.saved |= (.year = 2830 | .month = 6 | .day = 1)	
.header.saved |= (.year = 2831 | .month = 6 | .day = 1)	header.saved.year: 2831 is outside 1..2830
.header.saved |= (.year = 99999 | .month = 6 | .day = 1)	header.saved.year: 99999 is outside 1..2830
.header.saved.month = 1.5	header.saved.month: an integer expected
.team.level = 2.5	team.level: an integer expected (0..255)
.team.level = true	team.level: an integer expected (0..255)
.team.level = 256	team.level: 256 is outside 0..255
.team.color1 = 2147483648	team.color1: 2147483648 is outside -2147483648..2147483647
.team.color1 = 2147483647	
.team.color2 = -2147483649	team.color2: -2147483649 is outside -2147483648..2147483647
.players[0].behaviour = 6	players[0]: behaviour 6 is outside 0..5
.players[0].name = "Łukasz Żak"	players[0].name: the character "Ł" (U+0141) cannot be stored
.players[0].name = "Zoë Œdipe €"	
.team.name = "a\nb"	team.name: the control character U+000A is not allowed
.coach.name = "a\u0000b"	coach.name: the control character U+0000 is not allowed
.team.shortName = "a\u0085"	team.shortName: the control character U+0085 is not allowed
CASES
# jq keeps numbers as doubles: the largest 64-bit number is put in by hand (it once wrapped to -1).
"$tool" team export "$first" | jq '.team.color1 = 123454321' | sed 's/123454321/18446744073709551615/' >"$tmp/v.json"
expect_error "import of color1 2^64-1" "$tool" team import "$tmp/v.json" "$tmp/v.kbt"
grep -qF "team.color1: 18446744073709551615 is outside -2147483648..2147483647" "$tmp/err" ||
    fail "import of color1 2^64-1: $(cat "$tmp/err")"
echo '{ not json' >"$tmp/bad.json"
expect_error "import of a broken JSON" "$tool" team import "$tmp/bad.json" "$tmp/x.kbt"
[ ! -e "$tmp/x.kbt" ] || fail "a refused import wrote a file"
head -c 20 "$game/referee.txe" >"$tmp/referee.txe"
expect_error "dump of a cut referee file" "$tool" referees dump "$tmp/referee.txe"
head -c 9 "$game/CTRGROUP/bosman.txe" >"$tmp/bosman.txe"
expect_error "dump of a cut group file" "$tool" group dump "$tmp/bosman.txe"

# --- the other dumps -------------------------------------------------------------------------------------
"$tool" referees dump "$game/referee.txe" | jq -e '.referees | length >= 200' >/dev/null ||
    fail "referees dump lists fewer than 200 referees"
"$tool" group dump "$game/CTRGROUP/bosman.txe" | jq -e '.header == "Bosman" and (.entries | length > 0)' >/dev/null ||
    fail "group dump of bosman.txe"
lang=$(ls "$game/Int" | head -1)
"$tool" countries dump "$game/Int/$lang" | jq -e '.countries | length >= 8' >/dev/null || fail "countries dump"

# --- team check ------------------------------------------------------------------------------------------
mkdir -p "$tmp/cg/Teams" "$tmp/cg/Int" "$tmp/cg/CTRGROUP"
cp -r "$game/Int/." "$tmp/cg/Int/"
cp "$game/CTRGROUP/"* "$tmp/cg/CTRGROUP/"
cp "$first" "$tmp/cg/Teams/good.kbt"
"$tool" team check "$tmp/cg/Teams" --lang "$lang" >"$tmp/check.txt"
[ $? -eq 0 ] && [ ! -s "$tmp/check.txt" ] || fail "a valid team is reported: $(cat "$tmp/check.txt")"
# 13 players and 6 stars; and a file name with two dots.
"$tool" team export "$first" | jq '.players |= .[0:13] | .players |= (to_entries | map(.value.star = (if .key < 6 then 1 else 0 end)) | map(.value))' >"$tmp/bad.json"
"$tool" team import "$tmp/bad.json" "$tmp/cg/Teams/bad.kbt" || fail "import of the bad team exited $?"
cp "$first" "$tmp/cg/Teams/two.dots.kbt"
"$tool" team check "$tmp/cg/Teams" --lang "$lang" >"$tmp/check.txt"
rc=$?
[ $rc -eq 1 ] || fail "team check exit code $rc with invalid teams"
[ "$(wc -l <"$tmp/check.txt")" -eq 2 ] || fail "team check lines: $(cat "$tmp/check.txt")"
grep -q '^bad.kbt 0x208 ' "$tmp/check.txt" || fail "bad.kbt not reported with 0x208: $(cat "$tmp/check.txt")"
grep -q '^two.dots.kbt 0x400 ' "$tmp/check.txt" || fail "two.dots.kbt not reported with 0x400: $(cat "$tmp/check.txt")"
# Odd entries named like team files are one line each and the others are still checked; names that differ
# only in letter case collide.
mkdir -p "$tmp/odd/Teams"
cp "$tmp/cg/Teams/bad.kbt" "$first" "$tmp/odd/Teams/"
cp "$first" "$tmp/odd/Teams/Good.kbt"
cp "$first" "$tmp/odd/Teams/good.kbt"
ln -s loop.kbt "$tmp/odd/Teams/loop.kbt"
mkdir "$tmp/odd/Teams/folder.kbt"
mkfifo "$tmp/odd/Teams/pipe.kot"
timeout 20 "$tool" team check "$tmp/odd/Teams" --data "$tmp/cg" --lang "$lang" >"$tmp/check.txt" 2>"$tmp/err"
rc=$?
[ $rc -eq 1 ] || fail "team check over odd entries: exit code $rc, $(cat "$tmp/err")"
while IFS= read -r line; do
    grep -qxF -- "$line" "$tmp/check.txt" || fail "team check over odd entries lacks \"$line\": $(cat "$tmp/check.txt")"
done <<'LINES'
loop.kbt cannot be read: Too many levels of symbolic links
folder.kbt not a team file: it is a folder
pipe.kot not a team file: it is a pipe
LINES
grep -q '^bad.kbt 0x208 ' "$tmp/check.txt" || fail "bad.kbt not checked beside odd entries"
grep -q '^Good.kbt 0x800 ' "$tmp/check.txt" && grep -q '^good.kbt 0x800 ' "$tmp/check.txt" ||
    fail "Good.kbt and good.kbt do not collide: $(cat "$tmp/check.txt")"
[ "$(wc -l <"$tmp/check.txt")" -eq 6 ] || fail "team check over odd entries: $(cat "$tmp/check.txt")"
# A missing folder, or a file where the folder should be: one line and a non-zero exit.
expect_error "team check of a missing folder" "$tool" team check "$tmp/none"
expect_error "team check of a file" "$tool" team check "$first"
# Without the language's labels file the flag names stand in.
rm -f "$tmp/cg/Int/$lang/KOLB2002_01_$lang.kbl"
"$tool" team check "$tmp/cg/Teams" --lang "$lang" | grep -q '^bad.kbt 0x208 TooFewPlayers; TooManyStars$' ||
    fail "flag names without a labels file: $("$tool" team check "$tmp/cg/Teams" --lang "$lang")"

finish "team tools: all passed"
