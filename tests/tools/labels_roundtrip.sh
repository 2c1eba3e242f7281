#!/bin/bash
# Labels files through kolbrin-data: a source codes and decodes back to itself, the coded file holds no
# control byte, a damaged line or a bad source is refused with its line named.
# Arguments: <kolbrin-data> <build dir> <source dir>
set -u
# shellcheck source=lib/tool_test.sh
source "$(dirname "${BASH_SOURCE[0]}")/lib/tool_test.sh"
sample=$src/tests/fixtures/texts/labels_sample.txt

# --- round trip -------------------------------------------------------------------------------------------
"$tool" labels encode "$sample" "$tmp/sample.kbl" || fail "encode exited $?"
"$tool" labels decode "$tmp/sample.kbl" >"$tmp/decoded.txt" || fail "decode exited $?"
# The decoded lines that hold a text are exactly the source's text lines.
grep -v '^#' "$sample" | grep -v '^$' >"$tmp/expected.txt"
grep -v $'\t$' "$tmp/decoded.txt" >"$tmp/actual.txt"
diff "$tmp/expected.txt" "$tmp/actual.txt" >/dev/null || fail "decoded texts differ from the source: $(diff "$tmp/expected.txt" "$tmp/actual.txt" | head -5)"
# The decoded listing is a source of the same file.
"$tool" labels encode "$tmp/decoded.txt" "$tmp/again.kbl" || fail "encode of the decoded listing exited $?"
cmp -s "$tmp/sample.kbl" "$tmp/again.kbl" || fail "the decoded listing does not code to the same file"
# Coding is deterministic.
"$tool" labels encode "$sample" "$tmp/sample2.kbl"
cmp -s "$tmp/sample.kbl" "$tmp/sample2.kbl" || fail "two codings of one source differ"

# --- the coded file ---------------------------------------------------------------------------------------
lines=$(wc -l <"$tmp/sample.kbl")
[ "$lines" -eq 14 ] || fail "expected 14 lines (13 and one more empty entry), found $lines"
crlf=$(LC_ALL=C grep -c $'\r$' "$tmp/sample.kbl")
[ "$crlf" -eq 14 ] || fail "expected every line to end with CR LF, $crlf do"
[ "$(LC_ALL=C sed -n '4p;9p;14p' "$tmp/sample.kbl" | tr -d '\r' | tr '\n' ,)" = "X,X,X," ] ||
    fail "lines 4, 9 and 14 are not empty entries"
bad=$(LC_ALL=C tr -d '\r\n\040-\176\200-\377' <"$tmp/sample.kbl" | wc -c)
[ "$bad" -eq 0 ] || fail "$bad control bytes in the coded file"
[ "$(LC_ALL=C grep -c ' '$'\r''$' "$tmp/sample.kbl")" -eq 0 ] || fail "a coded line ends with a blank"

# --- a damaged line is refused with its number ------------------------------------------------------------
line5=$(LC_ALL=C sed -n '5p' "$tmp/sample.kbl" | tr -d '\r')
second=${line5:1:1}
replacement='!'
[ "$second" = '!' ] && replacement='"'
{
    LC_ALL=C sed -n '1,4p' "$tmp/sample.kbl"
    printf '%s%s%s\r\n' "${line5:0:1}" "$replacement" "${line5:2}"
    LC_ALL=C sed -n '6,$p' "$tmp/sample.kbl"
} >"$tmp/damaged.kbl"
if "$tool" labels decode "$tmp/damaged.kbl" >"$tmp/out.txt" 2>"$tmp/err.txt"; then
    fail "a damaged line was decoded"
fi
grep -q 'line 5' "$tmp/err.txt" || fail "the error does not name line 5: $(cat "$tmp/err.txt")"
grep -q 'Error in labels file' "$tmp/err.txt" || fail "the error is not 'Error in labels file': $(cat "$tmp/err.txt")"
[ ! -s "$tmp/out.txt" ] || fail "texts were printed before the damaged line was found"

# --- bad sources fail with their line -----------------------------------------------------------------------
refused() { # name, expected line, source text
    printf '%b' "$3" >"$tmp/$1.txt"
    if "$tool" labels encode "$tmp/$1.txt" "$tmp/$1.kbl" 2>"$tmp/$1.err"; then
        fail "$1: accepted"
    elif ! grep -q "$1.txt:$2:" "$tmp/$1.err"; then
        fail "$1: the error does not name line $2: $(cat "$tmp/$1.err")"
    fi
    [ ! -e "$tmp/$1.kbl" ] || fail "$1: a file was written"
}
refused order 3 '1\tKB2002 - LABEL\n5\tfive\n4\tfour\n'
refused repeated 3 '1\tone\n# comment\n1\tone again\n'
refused greek 2 '1\tKB2002 - LABEL\n2\tOmega \xce\xa9\n'
refused escape 1 '1\ta \\q escape\n'
refused shortescape 1 '1\ta \\x4 escape\n'
refused notab 2 '1\tone\n2 two\n'
refused number 1 'x1\tone\n'
refused zero 1 '0\tzero\n'
refused utf8 1 '1\tbroken \xc3\n'
if "$tool" labels encode "$tmp/missing.txt" "$tmp/missing.kbl" 2>/dev/null; then fail "a missing source was accepted"; fi
if "$tool" labels decode "$tmp/missing.kbl" 2>/dev/null; then fail "a missing file was decoded"; fi

finish "labels round trip: all checks passed"
