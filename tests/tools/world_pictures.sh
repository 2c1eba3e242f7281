#!/usr/bin/env bash
# The shipped pictures: every flag, face, icon and wallpaper passes the picture check (its checksum
# trailer is right for its own file name), is a well-formed 24-bit BMP whose header size counts the whole
# file, and every country of the names file has a flag of its own (no two countries share one picture).
#
# Arguments: <kolbrin-data path> <build dir> <source dir>.
set -u
# shellcheck source=lib/tool_test.sh
source "$(dirname "${BASH_SOURCE[0]}")/lib/tool_test.sh"

out=$tmp/data
build_data_folder "$out"

# Little-endian unsigned value of `count` bytes at `offset`.
le() {
    od -An -tu1 -j "$2" -N "$3" "$1" | awk '{for (i = NF; i >= 1; i--) v = v * 256 + $i} END {print v + 0}'
}

check_bmp() { # file [width height]
    local f=$1 b
    # The 54 header bytes in one read: b[i] is the byte at offset i.
    read -r -a b < <(od -An -tu1 -N 54 -v "$f" | tr -s ' \n' ' ')
    local magic=$((b[0] * 256 + b[1]))
    local size=$((b[2] + b[3] * 256 + b[4] * 65536 + b[5] * 16777216))
    local w=$((b[18] + b[19] * 256 + b[20] * 65536))
    local h=$((b[22] + b[23] * 256 + b[24] * 65536))
    local bpp=$((b[28] + b[29] * 256))
    local compression=$((b[30] + b[31] + b[32] + b[33]))
    [ "$magic" -eq $((66 * 256 + 77)) ] || fail "$f does not start with BM"
    [ "$size" -eq "$(stat -c %s "$f")" ] || fail "$f: the header size is not the file size"
    [ "$bpp" -eq 24 ] || fail "$f is not 24 bits per pixel"
    [ "$compression" -eq 0 ] || fail "$f is compressed"
    [ "$size" -eq $((54 + ((w * 3 + 3) / 4 * 4) * h + 4)) ] || fail "$f: size does not fit ${w}x$h"
    if [ $# -eq 3 ]; then [ "$w" -eq "$2" ] && [ "$h" -eq "$3" ] || fail "$f is ${w}x$h, not $2x$3"; fi
    [ "$("$tool" picture-check "$f")" = "0" ] || fail "$f fails the picture check"
}

# --- every picture ---
count=0
while IFS= read -r -d '' f; do
    case $f in
    "$out"/flags/*) check_bmp "$f" 40 28 ;;
    *) check_bmp "$f" ;;
    esac
    count=$((count + 1))
done < <(find "$out/flags" "$out/Icons" "$out/Wallpapers" -type f -print0)
for n in 1 2 3 4; do
    [ -f "$out/Icons/happy$n.bmp" ] || fail "Icons/happy$n.bmp missing"
    [ -f "$out/Icons/happy${n}_small.bmp" ] || fail "Icons/happy${n}_small.bmp missing"
done
[ "$(find "$out/Wallpapers" -name '*.bmp' | wc -l)" -ge 2 ] || fail "fewer than 2 wallpapers"

# --- a flag of its own for every country, in every language ---
for lang in en pt; do
    "$tool" labels decode "$out/Int/$lang/KOLB2002_02_$lang.kbl" | awk -F'\t' 'NR > 2 {print substr($2, 1, 3)}' >"$tmp/codes_$lang.txt"
    [ "$(wc -l <"$tmp/codes_$lang.txt")" -ge 40 ] || fail "the $lang names file has fewer than 40 countries"
    while read -r code; do
        [ -f "$out/flags/$code.bmp" ] || fail "no flag for $code"
    done <"$tmp/codes_$lang.txt"
done
cmp -s "$tmp/codes_en.txt" "$tmp/codes_pt.txt" || fail "the languages list different countries"
for code in ENG POR; do grep -qx "$code" "$tmp/codes_en.txt" || fail "no country $code for a language flag"; done
for f in "$out"/flags/*.bmp; do
    size=$(stat -c %s "$f")
    tail -c +55 "$f" | head -c $((size - 58)) | md5sum | cut -d' ' -f1
done | sort | uniq -d >"$tmp/same.txt"
[ -s "$tmp/same.txt" ] && fail "$(wc -l <"$tmp/same.txt") flag picture(s) shared by several countries"

# --- the pixels: rows bottom-up, blue-green-red, as the flag source says ---
# The colour "#RRGGBB" of pixel (x, y), y counted from the top, of a 40 x 28 flag (rows of 120 bytes).
pixel() {
    od -An -tx1 -j $((54 + (27 - $3) * 120 + $2 * 3)) -N 3 "$1" | awk '{print toupper("#" $3 $2 $1)}'
}
# expect CODE X Y COLOUR: the pixel is the colour the source gives (away from every edge between shapes).
expect() {
    local got
    got=$(pixel "$out/flags/$1.bmp" "$2" "$3")
    [ "$got" = "$4" ] || fail "$1 ($2, $3) shows $got, expected $4"
}
# Three equal bands of one layer: each band's middle, across and down.
line=$(grep -m1 -E '^[A-Z]{3} \| vbands #[0-9A-F]{6} #[0-9A-F]{6} #[0-9A-F]{6}$' "$src/data/world/flags.txt")
if [ -n "$line" ]; then
    read -r code _ _ a b c <<<"$line"
    expect "$code" 6 14 "$a" && expect "$code" 20 14 "$b" && expect "$code" 33 14 "$c"
else fail "no flag of three vertical bands to look at"; fi
line=$(grep -m1 -E '^[A-Z]{3} \| hbands #[0-9A-F]{6} #[0-9A-F]{6} #[0-9A-F]{6}$' "$src/data/world/flags.txt")
if [ -n "$line" ]; then
    read -r code _ _ a b c <<<"$line"
    expect "$code" 20 4 "$a" && expect "$code" 20 14 "$b" && expect "$code" 20 23 "$c"
else fail "no flag of three horizontal bands to look at"; fi
# Weighted bands: "#A*2 #B*1 #C*1" gives A the upper half (rows 1 to 13), B rows 14 to 20, C rows 21 to 27.
line=$(grep -m1 -E '^[A-Z]{3} \| hbands #[0-9A-F]{6}\*2 #[0-9A-F]{6}\*1 #[0-9A-F]{6}\*1$' "$src/data/world/flags.txt")
if [ -n "$line" ]; then
    read -r code _ _ a b c <<<"$(echo "$line" | sed 's/\*[0-9]*//g')"
    expect "$code" 20 12 "$a" && expect "$code" 20 15 "$b" && expect "$code" 20 19 "$b" && expect "$code" 20 22 "$c"
else fail "no flag of weighted bands to look at"; fi
# A cross on a field: the middle is the cross, a corner of the field the field.
line=$(grep -m1 -E '^[A-Z]{3} \| field #[0-9A-F]{6}; cross #[0-9A-F]{6} 0\.5 0\.5 0\.[0-9]+$' "$src/data/world/flags.txt")
if [ -n "$line" ]; then
    read -r code _ _ a _ b _ <<<"$(echo "$line" | tr -d ';')"
    expect "$code" 20 14 "$b" && expect "$code" 20 2 "$b" && expect "$code" 5 5 "$a" && expect "$code" 34 22 "$a"
else fail "no flag of a cross to look at"; fi
# A disc on a field.
line=$(grep -m1 -E '^[A-Z]{3} \| field #[0-9A-F]{6}; disc #[0-9A-F]{6} 0\.5 0\.5 0\.3$' "$src/data/world/flags.txt")
if [ -n "$line" ]; then
    read -r code _ _ a _ b _ <<<"$(echo "$line" | tr -d ';')"
    expect "$code" 20 14 "$b" && expect "$code" 26 14 "$b" && expect "$code" 30 14 "$a" && expect "$code" 20 25 "$a"
else fail "no flag of a disc to look at"; fi

# --- the trailer belongs to the file: a changed byte or another name breaks it ---
cp "$out/flags/POR.bmp" "$tmp/POR.bmp"
old=$(le "$tmp/POR.bmp" 100 1)
printf "\\$(printf '%03o' $(((old + 1) % 256)))" | dd of="$tmp/POR.bmp" bs=1 seek=100 conv=notrunc 2>/dev/null
[ "$(le "$tmp/POR.bmp" 100 1)" -ne "$old" ] || fail "the test could not change a byte"
[ "$("$tool" picture-check "$tmp/POR.bmp")" = "1" ] || fail "a damaged flag still passes"
cp "$out/flags/POR.bmp" "$tmp/ESP.bmp"
[ "$("$tool" picture-check "$tmp/ESP.bmp")" = "1" ] || fail "a flag passes under another country's name"

finish "$count pictures valid"
