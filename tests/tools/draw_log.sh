#!/bin/bash
# KOLBRIN_DRAW_LOG=FILE writes every draw of the program to FILE: its number, the rule's tag ("?" when the
# rule named none), the range, the value and the generator's state after it. The foundation test program
# draws the hand-worked sequence from seed 0: Random(10) = 0 (state 1), Random(100) = 3 (134775814),
# Random(1000) = 861 (3698175007). A log that cannot be written leaves the program running.
# Arguments: <kolbrin-data> <build dir> <source dir>
set -u
program=$2/bin/test_foundation
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
failures=0
KOLBRIN_DRAW_LOG=$tmp/draws "$program" --gtest_filter=KolRandom.SequenceFromSeedZero >/dev/null || {
    echo "FAIL: the test program failed with the log on"
    failures=$((failures + 1))
}
expected=$'0 ? 10 0 1\n1 ? 100 3 134775814\n2 ? 1000 861 3698175007'
got=$(head -n 3 "$tmp/draws")
[ "$got" = "$expected" ] || {
    echo "FAIL: the log begins with"
    echo "$got"
    failures=$((failures + 1))
}
# A file where the log's folder should be: the log is refused with a reason, the program still runs.
touch "$tmp/file"
KOLBRIN_DRAW_LOG=$tmp/file/draws "$program" --gtest_filter=KolRandom.SequenceFromSeedZero >/dev/null 2>"$tmp/err" || {
    echo "FAIL: an unwritable log stopped the program"
    failures=$((failures + 1))
}
grep -q "KOLBRIN_DRAW_LOG: cannot write" "$tmp/err" || {
    echo "FAIL: no reason given for the unwritable log"
    failures=$((failures + 1))
}
exit $failures
