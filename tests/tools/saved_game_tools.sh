#!/bin/bash
# Game files through kolbrin-data: a sample career's file dumps with every section and the names beside the
# ids, exports as JSON that imports back to the same bytes, resaves to the same bytes; an edited JSON
# writes the edit; a cut or damaged file, or a JSON that breaks a rule of the load, gives one error line
# naming the section (exit 1), never a crash, and a refused import writes nothing.
# Arguments: <kolbrin-data> <build dir> <source dir>
set -u
# shellcheck source=lib/tool_test.sh
source "$(dirname "${BASH_SOURCE[0]}")/lib/tool_test.sh"
# A refused game file names the section that broke (besides the one error line and exit code 1).
expect_error_in_section() {
    local what=$1
    expect_error "$@"
    grep -q "section " "$tmp/err" || fail "$what: no section named: $(cat "$tmp/err")"
}

use_data_folder
save=$tmp/career.kbg
"$tool" save sample "$game" "$save" 40 || fail "sample exited $?"
"$tool" save check "$save" || fail "check of a sound file exited $?"

# --- dump: every section, names beside ids, readable money -------------------------------------------------
"$tool" save dump "$save" >"$tmp/dump.json" || fail "dump exited $?"
[ "$(jq -c 'keys_unsorted' "$tmp/dump.json")" = \
    '["header","coaches","referees","clubs","cup clubs","divisions","round games","observed players","last winners","last transfers"]' ] ||
    fail "dump sections: $(jq -c 'keys_unsorted' "$tmp/dump.json")"
[ "$(jq '.clubs | length' "$tmp/dump.json")" -eq 40 ] || fail "dump does not hold 40 clubs"
[ "$(jq '[.clubs[].players[]] | length' "$tmp/dump.json")" -gt 500 ] || fail "dump lacks the players"
coach=$(jq -r '.clubs[0].coachIdName' "$tmp/dump.json")
[ "$coach" = "$(jq -r --argjson id "$(jq '.clubs[0].coachId' "$tmp/dump.json")" \
    '.coaches[] | select(.id == $id) | .name' "$tmp/dump.json")" ] || fail "club 0's coach name: $coach"
[ "$(jq -r '."round games".games[0].homeIdName' "$tmp/dump.json")" != null ] || fail "no club name beside a game's id"
jq -r '.clubs[0].balanceText' "$tmp/dump.json" | grep -q '[0-9] [0-9][0-9][0-9]' || fail "money is not readable"

# --- export / import / resave give the same bytes ------------------------------------------------------
"$tool" save export "$save" >"$tmp/career.json" || fail "export exited $?"
"$tool" save import "$tmp/career.json" "$tmp/back.kbg" || fail "import exited $?"
cmp -s "$save" "$tmp/back.kbg" || fail "import(export) differs"
"$tool" save resave "$save" "$tmp/resaved.kbg" || fail "resave exited $?"
cmp -s "$save" "$tmp/resaved.kbg" || fail "resave differs"

# An edit reaches the file and loads.
jq '.clubs[3].balance = 1234567 | .header.SeasonYear = 2031' "$tmp/career.json" >"$tmp/edit.json"
"$tool" save import "$tmp/edit.json" "$tmp/edit.kbg" || fail "import of an edited career exited $?"
[ "$("$tool" save export "$tmp/edit.kbg" | jq '[.clubs[3].balance, .header.SeasonYear]' -c)" = '[1234567,2031]' ] ||
    fail "the edit did not reach the file"

# --- refused ---------------------------------------------------------------------------------------------
size=$(stat -c %s "$save")
for cut in 0 1 40 300 $((size / 2)) $((size - 1)); do
    head -c $cut "$save" >"$tmp/cut.kbg"
    expect_error_in_section "check of a file cut to $cut bytes" "$tool" save check "$tmp/cut.kbg"
    expect_error_in_section "dump of a file cut to $cut bytes" "$tool" save dump "$tmp/cut.kbg"
done
jq '.clubs[0].coachId = 32000' "$tmp/career.json" >"$tmp/ghost.json"
expect_error_in_section "import of a club whose coach does not exist" "$tool" save import "$tmp/ghost.json" "$tmp/x.kbg"
jq '.clubs[0].players[0].player.position = 4' "$tmp/career.json" >"$tmp/pos.json"
expect_error_in_section "import of position 4" "$tool" save import "$tmp/pos.json" "$tmp/x.kbg"
jq '.divisions.divisions |= .[0:4]' "$tmp/career.json" >"$tmp/four.json"
expect_error_in_section "import of four divisions" "$tool" save import "$tmp/four.json" "$tmp/x.kbg"
jq 'del(.referees)' "$tmp/career.json" >"$tmp/noref.json"
expect_error_in_section "import without referees" "$tool" save import "$tmp/noref.json" "$tmp/x.kbg"
[ ! -e "$tmp/x.kbg" ] || fail "a refused import wrote a file"

finish "saved game tools: all passed"
