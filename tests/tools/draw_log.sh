#!/bin/bash
# KOLBRIN_DRAW_LOG=FILE writes every draw of the program to FILE: its number, the rule's tag ("?" when the
# rule named none), the range, the value and the generator's state after it. The foundation test program
# draws the hand-worked sequence from seed 0: Random(10) = 0 (state 1), Random(100) = 3 (134775814),
# Random(1000) = 861 (3698175007). A log that cannot be written leaves the program running.
# Arguments: <kolbrin-data> <build dir> <source dir>
set -u
# shellcheck source=lib/tool_test.sh
source "$(dirname "${BASH_SOURCE[0]}")/lib/tool_test.sh"
program=$build/bin/test_foundation
KOLBRIN_DRAW_LOG=$tmp/draws "$program" --gtest_filter=KolRandom.SequenceFromSeedZero >/dev/null ||
    fail "the test program failed with the log on"
expected=$'0 ? 10 0 1\n1 ? 100 3 134775814\n2 ? 1000 861 3698175007'
got=$(head -n 3 "$tmp/draws")
[ "$got" = "$expected" ] || {
    fail "the log begins with"
    echo "$got"
}
# A file where the log's folder should be: the log is refused with a reason, the program still runs.
touch "$tmp/file"
KOLBRIN_DRAW_LOG=$tmp/file/draws "$program" --gtest_filter=KolRandom.SequenceFromSeedZero >/dev/null 2>"$tmp/err" ||
    fail "an unwritable log stopped the program"
grep -q "KOLBRIN_DRAW_LOG: cannot write" "$tmp/err" || fail "no reason given for the unwritable log"
finish "draw log: all checks passed"
