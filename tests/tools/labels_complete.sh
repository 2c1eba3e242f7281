#!/bin/bash
# The labels files the build lays into <build>/bin/Int: each decodes cleanly, has its header, ends with an
# empty entry, holds no control byte, and every text number the programs read (data/lang/required-texts.txt)
# has a text in every language.
# Arguments: <kolbrin-data> <build dir> <source dir>
set -u
# shellcheck source=lib/tool_test.sh
source "$(dirname "${BASH_SOURCE[0]}")/lib/tool_test.sh"
required=$src/data/lang/required-texts.txt

grep -vE '^[[:space:]]*(#|$)' "$required" | awk '{print $1}' >"$tmp/required.txt"
[ -s "$tmp/required.txt" ] || fail "no required text numbers in $required"

for code in en pt; do
    file=$build/bin/Int/$code/KOLB2002_01_$code.kbl
    if [ ! -f "$file" ]; then
        fail "$file was not built"
        continue
    fi
    if ! "$tool" labels decode "$file" >"$tmp/$code.txt" 2>"$tmp/$code.err"; then
        fail "$code: $(cat "$tmp/$code.err")"
        continue
    fi
    [ "$(sed -n 1p "$tmp/$code.txt")" = $'1\tKB2002 - LABEL' ] || fail "$code: line 1 is not the marker"
    sed -n 2p "$tmp/$code.txt" | grep -q "^2"$'\t'"$code..*" || fail "$code: line 2 is not \"$code\", a separator and a name"
    sed -n 3p "$tmp/$code.txt" | grep -q "^3"$'\t'"." || fail "$code: line 3 holds no flag country"
    last=$(wc -l <"$tmp/$code.txt")
    [ "$(LC_ALL=C tail -n 1 "$file" | tr -d '\r')" = "X" ] || fail "$code: the last line is not an empty entry"
    bad=$(LC_ALL=C tr -d '\r\n\040-\176\200-\377' <"$file" | wc -c)
    [ "$bad" -eq 0 ] || fail "$code: $bad control bytes in the coded file"
    # A text counts when it is not blank; the last line of a labels file is never read.
    missing=$(awk -F'\t' -v last="$last" 'NR == FNR { if ($1 < last && $2 ~ /[^ ]/) have[$1] = 1; next }
                                           !($1 in have) { printf "%s ", $1 }' "$tmp/$code.txt" "$tmp/required.txt")
    [ -z "$missing" ] || fail "$code: no text for the numbers $missing"
done

finish "labels complete: en and pt decode and hold every required text"
