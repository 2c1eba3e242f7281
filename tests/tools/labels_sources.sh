#!/usr/bin/env bash
# Checks the readable sources of the language texts (data/lang/<code>/labels.txt) before the build
# codes them: every language lists the same text numbers in ascending order, every number the program
# reads (data/lang/required-texts.txt) has a real text in every language, and every number carries the
# same format directives in the same order in every language, so that a Format call that suits one
# language suits them all.
#
# Arguments: <kolbrin-data path> <build dir> <source dir>; only the source dir is used.
set -u
# shellcheck source=lib/tool_test.sh
source "$(dirname "${BASH_SOURCE[0]}")/lib/tool_test.sh"

langs=(en pt)
required=$src/data/lang/required-texts.txt

# Reads one source in Windows-1252 bytes and prints one record per text:
#   number TAB directives TAB length TAB blank-only flag TAB text
# and "E TAB message" for every line that breaks the format.
# shellcheck disable=SC2016 # the awk program takes its values from awk, not from the shell
parse_awk='
BEGIN { prev = 0 }
/^#/ { next }
{ line = $0; sub(/\r$/, "", line) }
line ~ /^[ \t]*$/ { next }
{
    if (line !~ /^[0-9]+\t/) { print "E\tline " NR ": not \"number<TAB>text\""; next }
    t = index(line, "\t"); n = substr(line, 1, t - 1) + 0; text = substr(line, t + 1)
    if (n <= prev) print "E\tline " NR ": text " n " does not come after text " prev
    prev = n
    plain = ""; i = 1; L = length(text)
    while (i <= L) {
        c = substr(text, i, 1)
        if (c == "\\") {
            d = substr(text, i + 1, 1)
            if (d == "t") { plain = plain "\t"; i += 2; continue }
            if (d == "\\") { plain = plain "\\"; i += 2; continue }
            if (d == "x" && substr(text, i + 2, 2) ~ /^[0-9A-Fa-f][0-9A-Fa-f]$/) { plain = plain "?"; i += 4; continue }
            print "E\tline " NR ": text " n " has an unknown escape"
            i++; continue
        }
        plain = plain c; i++
    }
    dirs = ""; s = plain
    while ((p = index(s, "%")) > 0) {
        rest = substr(s, p + 1)
        if (substr(rest, 1, 1) == "%") { s = substr(rest, 2); continue }
        if (match(rest, /^([0-9]+:)?-?([0-9]+|\*)?(\.([0-9]+|\*))?[dDuUeEfFgGnNmMsSxX]/)) {
            dirs = dirs "%" substr(rest, 1, RLENGTH) " "
            s = substr(rest, RLENGTH + 1)
        } else {
            print "E\tline " NR ": text " n " has a \"%\" that is no format directive (write %% for a percent sign)"
            s = rest
        }
    }
    # A hint mark without the caption mark in front would show both marks on screen.
    if (index(plain, "\253") > 0 && substr(plain, 1, 1) != "\273")
        print "E\tline " NR ": text " n " has a hint mark but does not start with the caption mark"
    blank = (plain ~ /[^ \t]/) ? 0 : 1
    print n "\t" dirs "\t" length(plain) "\t" blank "\t" plain
}'

for l in "${langs[@]}"; do
    f=$src/data/lang/$l/labels.txt
    if [ ! -f "$f" ]; then
        fail "$f is missing"
        continue
    fi
    if ! iconv -f UTF-8 -t CP1252 "$f" >"$tmp/$l.cp" 2>"$tmp/$l.iconv"; then
        fail "$l: a character is not valid UTF-8 or has no Windows-1252 byte: $(head -n1 "$tmp/$l.iconv")"
        continue
    fi
    LC_ALL=C awk "$parse_awk" "$tmp/$l.cp" >"$tmp/$l.all"
    LC_ALL=C awk -F'\t' '$1 != "E"' "$tmp/$l.all" >"$tmp/$l.tab"
    while IFS=$'\t' read -r _ msg; do
        fail "$l: $msg"
    done < <(LC_ALL=C awk -F'\t' '$1 == "E"' "$tmp/$l.all")

    # Header: marker, "<code> <display name>", 3-letter flag country code.
    h1=$(LC_ALL=C awk -F'\t' '$1 == 1 { print $5 }' "$tmp/$l.tab")
    h2=$(LC_ALL=C awk -F'\t' '$1 == 2 { print $5 }' "$tmp/$l.tab")
    h3=$(LC_ALL=C awk -F'\t' '$1 == 3 { print $5 }' "$tmp/$l.tab")
    [ "$h1" = "KB2002 - LABEL" ] || fail "$l: text 1 must be \"KB2002 - LABEL\", is \"$h1\""
    [[ "$h2" == "$l "?* ]] || fail "$l: text 2 must be \"$l\", a blank and the display name, is \"$h2\""
    [[ "$h3" =~ ^[A-Z]{3}$ ]] || fail "$l: text 3 must be a 3-letter country code, is \"$h3\""

    # Fields the program cuts: a country code of 3, names of at most 20 characters.
    LC_ALL=C awk -F'\t' -v l="$l" '
        $1 == 10 && $3 != 3 { print "FAIL: " l ": text 10 must be a 3-letter country code" }
        ($1 == 11 || ($1 >= 144 && $1 <= 148) || ($1 >= 380 && $1 <= 383)) && $3 > 20 {
            print "FAIL: " l ": text " $1 " is longer than its 20-character field"
        }' "$tmp/$l.tab" >"$tmp/$l.width"
    while read -r msg; do
        echo "$msg"
        failures=$((failures + 1))
    done <"$tmp/$l.width"

    # Every number the program reads has a real text.
    if [ -f "$required" ]; then
        while read -r n; do
            case $n in '' | \#*) continue ;; esac
            rec=$(LC_ALL=C awk -F'\t' -v n="$n" '$1 == n { print $3 "\t" $4 }' "$tmp/$l.tab")
            if [ -z "$rec" ]; then
                fail "$l: required text $n is missing"
            elif [ "${rec%%$'\t'*}" = 0 ] || [ "${rec##*$'\t'}" = 1 ]; then
                fail "$l: required text $n is empty"
            fi
        done <"$required"
    fi
done

if [ ! -f "$required" ]; then
    fail "$required is missing"
fi

# Both languages: same numbers, same directives, same money style.
first=${langs[0]}
for l in "${langs[@]:1}"; do
    if [ ! -f "$tmp/$first.tab" ] || [ ! -f "$tmp/$l.tab" ]; then
        continue
    fi
    only=$(comm -3 <(cut -f1 "$tmp/$first.tab" | sort) <(cut -f1 "$tmp/$l.tab" | sort) | tr -d '\t' | sort -n | tr '\n' ' ')
    [ -z "$only" ] || fail "$first and $l list different numbers: $only"
    LC_ALL=C awk -F'\t' -v a="$first" -v b="$l" '
        NR == FNR { d[$1] = $2; style[$1] = substr($5, 1, 1); next }
        ($1 in d) && d[$1] != $2 {
            print "FAIL: text " $1 ": " a " has directives \"" d[$1] "\" but " b " has \"" $2 "\""
        }
        $1 == 189 && (189 in style) && ((style[189] == "A") != (substr($5, 1, 1) == "A")) {
            print "FAIL: text 189: " a " and " b " choose different money styles"
        }' "$tmp/$first.tab" "$tmp/$l.tab" >"$tmp/cross"
    while read -r msg; do
        echo "$msg"
        failures=$((failures + 1))
    done <"$tmp/cross"
done

# With the tool at hand: every source codes into a labels file that decodes back to the same texts.
roundtrip="not run (no tool)"
if [ -x "$tool" ]; then
    roundtrip="checked"
    for l in "${langs[@]}"; do
        f=$src/data/lang/$l/labels.txt
        [ -f "$f" ] || continue
        if ! "$tool" labels encode "$f" "$tmp/$l.kbl" >"$tmp/$l.enc" 2>&1; then
            fail "$l: labels encode refused the source: $(head -n1 "$tmp/$l.enc")"
            continue
        fi
        if ! "$tool" labels decode "$tmp/$l.kbl" >"$tmp/$l.dec" 2>&1; then
            fail "$l: labels decode refused the coded file: $(head -n1 "$tmp/$l.dec")"
            continue
        fi
        LC_ALL=C awk -F'\t' '/^[0-9]+\t./' "$f" | sed 's/\r$//' >"$tmp/$l.want"
        LC_ALL=C awk -F'\t' '/^[0-9]+\t./' "$tmp/$l.dec" | sed 's/\r$//' >"$tmp/$l.got"
        if ! cmp -s "$tmp/$l.want" "$tmp/$l.got"; then
            fail "$l: the coded labels file does not decode to the source: $(diff "$tmp/$l.want" "$tmp/$l.got" | sed -n 2p)"
        fi
    done
fi

counts=""
for l in "${langs[@]}"; do
    c=0
    [ -f "$tmp/$l.tab" ] && c=$(wc -l <"$tmp/$l.tab")
    counts="$counts $l $c texts,"
done
nreq=0
[ -f "$required" ] && nreq=$(grep -cE '^[0-9]+$' "$required")
finish "labels sources:$counts $nreq required, round trip $roundtrip"
