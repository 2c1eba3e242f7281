#!/bin/bash
# The game program without a display: a seeded season of the shipped clubs prints its summary and writes
# its JSON report; a bad option ends it with one line on the error stream and a non-zero exit code.
# Arguments: <kolbrin-data> <build dir> <source dir>
set -u
# shellcheck source=lib/tool_test.sh
source "$(dirname "${BASH_SOURCE[0]}")/lib/tool_test.sh"
game=$build/bin/Kolbrin2002
need_program "$game"

# No window system at all: a Qt start would fail without one.
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
export HOME=$tmp/home XDG_CONFIG_HOME=$tmp/config XDG_DATA_HOME=$tmp/data

# 1. One season.
timeout 120 "$game" --headless --seed 7 --seasons 1 --data-dir "$build/bin" --report "$tmp/r.json" \
    >"$tmp/out" 2>"$tmp/err"
rc=$?
[ $rc -eq 0 ] || fail "season: exit code $rc: $(cat "$tmp/err")"
[ -s "$tmp/err" ] && fail "season: error stream not empty: $(cat "$tmp/err")"
for line in "Season 2002" "Champion of league 1: " "Champion of league 4: " "Cup winner: " "Top scorer: " \
    "Goals per league game: " "Average attendance: " "Transfers: " "Money of all clubs: " "Time taken: "; do
    grep -qF "$line" "$tmp/out" || fail "season: \"$line\" missing from the summary"
done
[ "$(grep -c '^Season ' "$tmp/out")" -eq 1 ] || fail "season: not one summary block"
grep -qF '"season": 2002' "$tmp/r.json" || fail "season: the JSON report has no season 2002"
python3 -c 'import json,sys; r=json.load(open(sys.argv[1])); assert len(r)==1 and len(r[0]["champions"])==4' \
    "$tmp/r.json" || fail "season: the JSON report does not parse as one season of four champions"

# 2. Stopped inside round 6 (the league matchday is before the cup round) at a human coach's club screen,
#    then loaded and played to the end of the season.
timeout 120 "$game" --headless --seed 7 --humans 1 --stop-before-round 6 --save "$tmp/g.kbg" \
    --data-dir "$build/bin" >"$tmp/sout" 2>"$tmp/serr"
rc=$?
[ $rc -eq 0 ] || fail "stop: exit code $rc: $(cat "$tmp/serr")"
grep -qF "Stopped before round 6: saved to $tmp/g.kbg" "$tmp/sout" || fail "stop: $(cat "$tmp/sout")"
[ -s "$tmp/g.kbg" ] || fail "stop: no saved game"
timeout 120 "$game" --headless --load "$tmp/g.kbg" --data-dir "$build/bin" >"$tmp/lout" 2>"$tmp/lerr"
rc=$?
[ $rc -eq 0 ] || fail "load: exit code $rc: $(cat "$tmp/lerr")"
grep -qF "Season 2002 (counted from round 6)" "$tmp/lout" && grep -qF "Cup winner: " "$tmp/lout" ||
    fail "load: no summary of the season: $(cat "$tmp/lout")"

# 3. The options and what a stop means, on the output stream.
timeout 20 "$game" --headless --help >"$tmp/hout" 2>"$tmp/herr" || fail "help: exit code $?"
grep -qF -- "--stop-before-round R" "$tmp/hout" && [ ! -s "$tmp/herr" ] || fail "help: $(cat "$tmp/hout" "$tmp/herr")"

# 4. Bad options: one line on stderr, nothing on stdout, a non-zero exit.
bad() {
    timeout 20 "$game" "$@" >"$tmp/bout" 2>"$tmp/berr"
    local code=$?
    [ $code -ne 0 ] || fail "$*: exit code 0"
    [ "$(wc -l <"$tmp/berr")" -eq 1 ] || fail "$*: not one line on stderr: $(cat "$tmp/berr")"
    [ -s "$tmp/bout" ] && fail "$*: output on stdout"
}
bad --headless --seed 7 --bogus
bad --headless --seed seven
bad --headless --data-dir "$build/bin" --load "$tmp/missing.kbg"
bad --headless --seed 7 --data-dir "$build/bin" --load "$tmp/g.kbg"

finish "game headless: all checks passed"
