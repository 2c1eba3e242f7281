#!/bin/bash
# kolbrin-data picture-check: 0 for a right checksum trailer, 1 for a wrong one, 3 for a file too short or
# missing. The valid picture is worked out by hand: name "T.BMP" gives 84x2 + 46x3 + 66x4 + 77x5 + 80x1 =
# 1035, the bytes "AB" 65x2 + 66x3 = 328, trailer 1363 = 0x553 little-endian.
# Arguments: <kolbrin-data> <build dir> <source dir>
set -u
# shellcheck source=lib/tool_test.sh
source "$(dirname "${BASH_SOURCE[0]}")/lib/tool_test.sh"
expect() { # file, expected output
    local out
    out=$("$tool" picture-check "$1")
    [ "$out" = "$2" ] || fail "$1 gave '$out', expected $2"
}
printf 'AB\x53\x05\x00\x00' >"$tmp/t.bmp"
expect "$tmp/t.bmp" 0
cp "$tmp/t.bmp" "$tmp/other.bmp" # the name takes part in the sum
expect "$tmp/other.bmp" 1
printf 'AC\x53\x05\x00\x00' >"$tmp/t.bmp"
expect "$tmp/t.bmp" 1
printf 'AB\x53\x05' >"$tmp/short.bmp"
expect "$tmp/short.bmp" 3
expect "$tmp/missing.bmp" 3
if "$tool" picture-check 2>/dev/null; then
    fail "picture-check without a file succeeded"
fi
finish "picture check: all checks passed"
