#!/usr/bin/env bash
# The shipped clubs and referees, read back from the built data folder with the tool's own readers:
# every club of "Teams" passes the team check and "Provisory Teams" holds at least one that does not;
# the world is big enough for every rule of a new career (at least 300 clubs, at least 8 countries,
# several countries above the 42-club minimum, more than 256 in all so a selection gets trimmed, every
# level 1 to 20); every squad has at least 2 goalkeepers, ages 17 to 38, behaviours 0 to 5; at least 200
# referees from at least 25 countries, all known to the country names file.
#
# Arguments: <kolbrin-data path> <build dir> <source dir>.
set -u
# shellcheck source=lib/tool_test.sh
source "$(dirname "${BASH_SOURCE[0]}")/lib/tool_test.sh"

out=$tmp/data
build_data_folder "$out"

# --- the team check ---
if ! "$tool" team check "$out/Teams" >"$tmp/check.txt" 2>&1; then fail "team check of Teams exits non-zero"; fi
if [ -s "$tmp/check.txt" ]; then
    fail "team check of Teams reports:"
    head -5 "$tmp/check.txt"
fi
if "$tool" team check "$out/Provisory Teams" >"$tmp/prov.txt" 2>&1; then
    fail "team check of Provisory Teams finds no invalid club"
fi
[ "$(wc -l <"$tmp/prov.txt")" -ge 1 ] || fail "team check of Provisory Teams reports nothing"

# --- file names: letters and digits, one ".kbt" ---
bad=$(find "$out/Teams" "$out/Provisory Teams" -type f ! -regex '.*/[A-Za-z0-9]+\.kbt' | head -3)
[ -z "$bad" ] || fail "team files with bad names: $bad"

# --- one line per club: file, country, level, players, goalkeepers, youngest, oldest, min and max behaviour
mkdir "$tmp/dumps"
for f in "$out"/Teams/*.kbt; do
    dump=$tmp/dumps/$(basename "$f").json
    "$tool" team dump "$f" >"$dump" || {
        fail "team dump $f"
        continue
    }
    awk -v file="$(basename "$f")" '
        /"team": \{/ { inTeam = 1 }
        inTeam && /"country":/ { gsub(/[",]/, "", $2); country = $2 }
        inTeam && /"level":/ { gsub(/[",]/, "", $2); level = $2; inTeam = 0 }
        /"position":/ { gsub(/,/, "", $2); players++; if ($2 == 0) keepers++ }
        /"age":/ { gsub(/,/, "", $2); a = $2 + 0; if (minAge == "" || a < minAge) minAge = a; if (a > maxAge) maxAge = a }
        /"behaviour":/ { gsub(/,/, "", $2); b = $2 + 0; if (minB == "" || b < minB) minB = b; if (b > maxB) maxB = b }
        END { print file, country, level, players, keepers + 0, minAge, maxAge, minB, maxB }
    ' "$dump" >>"$tmp/clubs.txt"
done

clubs=$(wc -l <"$tmp/clubs.txt")
[ "$clubs" -ge 300 ] || fail "only $clubs clubs"
[ "$clubs" -gt 256 ] || fail "$clubs clubs never need trimming to 256"
countries=$(awk '{print $2}' "$tmp/clubs.txt" | sort -u | wc -l)
[ "$countries" -ge 8 ] || fail "clubs from only $countries countries"
big=$(awk '{n[$2]++} END {for (c in n) if (n[c] > 42) k++; print k + 0}' "$tmp/clubs.txt")
[ "$big" -ge 3 ] || fail "only $big countries have more than 42 clubs"
levels=$(awk '$3 >= 1 && $3 <= 20 {print $3}' "$tmp/clubs.txt" | sort -un | wc -l)
[ "$levels" -eq 20 ] || fail "the clubs cover $levels of the 20 levels"
awk '$4 < 14 || $4 > 20 {print "FAIL: " $1 " has " $4 " players"}' "$tmp/clubs.txt" | tee -a "$tmp/bad.txt"
awk '$5 < 2 {print "FAIL: " $1 " has " $5 " goalkeepers"}' "$tmp/clubs.txt" | tee -a "$tmp/bad.txt"
awk '$6 < 17 || $7 > 38 {print "FAIL: " $1 " has ages " $6 " to " $7}' "$tmp/clubs.txt" | tee -a "$tmp/bad.txt"
awk '$8 < 0 || $9 > 5 {print "FAIL: " $1 " has behaviours " $8 " to " $9}' "$tmp/clubs.txt" | tee -a "$tmp/bad.txt"
[ -s "$tmp/bad.txt" ] && failures=$((failures + $(wc -l <"$tmp/bad.txt")))
# The ages and behaviours are spread, not all alike.
[ "$(awk '{print $6}' "$tmp/clubs.txt" | sort -n | head -1)" -eq 17 ] || fail "no club has a 17-year-old"
[ "$(awk '{print $7}' "$tmp/clubs.txt" | sort -n | tail -1)" -eq 38 ] || fail "no club has a 38-year-old"

# --- referees ---
"$tool" referees dump "$out/referee.txe" >"$tmp/referees.json" || fail "referees dump"
grep '"country":' "$tmp/referees.json" | sed 's/.*"country": *"\([^"]*\)".*/\1/' >"$tmp/ref_codes.txt"
referees=$(wc -l <"$tmp/ref_codes.txt")
[ "$referees" -ge 200 ] || fail "only $referees referees"
ref_countries=$(sort -u "$tmp/ref_codes.txt" | wc -l)
[ "$ref_countries" -ge 25 ] || fail "referees from only $ref_countries countries"

# --- every code in use is a country of the names file ---
"$tool" labels decode "$out/Int/en/KOLB2002_02_en.kbl" | awk -F'\t' 'NR > 2 {print substr($2, 1, 3)}' | sort -u >"$tmp/known.txt"
{
    awk '{print $2}' "$tmp/clubs.txt"
    cat "$tmp/ref_codes.txt"
    cat "$tmp"/dumps/*.json | sed -n 's/.*"nationality": *"\([^"]*\)".*/\1/p'
} | sort -u >"$tmp/used.txt"
unknown=$(comm -23 "$tmp/used.txt" "$tmp/known.txt" | tr '\n' ' ')
[ -z "$unknown" ] || fail "codes not in the country names file: $unknown"

finish "$clubs clubs from $countries countries, $referees referees from $ref_countries countries: all valid"
