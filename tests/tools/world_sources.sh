#!/usr/bin/env bash
# A mistake in the world's sources stops the build with a one-line reason that names the place, instead of
# shipping a file the game would refuse or misread: a value out of range, a name too long for its field or
# outside Windows-1252, an unknown country, a club that fails the team check, two clubs with the same
# team file name, a country without a flag, a flag layer that cannot be drawn.
#
# Arguments: <kolbrin-data path> <build dir> <source dir>.
set -u
# shellcheck source=lib/tool_test.sh
source "$(dirname "${BASH_SOURCE[0]}")/lib/tool_test.sh"

# case NAME FILE SED-SCRIPT (FILE below data/) EXPECTED-MESSAGE-PATTERN: applies the sed script to a copy of the sources and
# expects build-data to fail with a message matching the pattern.
case_() {
    local name=$1 file=$2 script=$3 pattern=$4
    rm -rf "$tmp/data" "$tmp/out"
    cp -r "$src/data" "$tmp/data"
    sed -i "$script" "$tmp/data/$file"
    if cmp -s "$src/data/$file" "$tmp/data/$file"; then
        fail "$name: the edit changed nothing"
        return
    fi
    if "$tool" build-data "$tmp/out" --source "$tmp/data" >"$tmp/stdout.txt" 2>"$tmp/stderr.txt"; then
        fail "$name: the build succeeded"
        return
    fi
    if ! grep -Eq "$pattern" "$tmp/stderr.txt"; then
        fail "$name: message does not match /$pattern/:"
        cat "$tmp/stderr.txt"
    fi
    [ "$(wc -l <"$tmp/stderr.txt")" -eq 1 ] || fail "$name: the reason is not one line"
}

# The unchanged sources build.
"$tool" build-data "$tmp/good" --source "$src/data" >/dev/null 2>&1 || fail "the shipped sources do not build"

case_ "level out of range" world/clubs/POR.txt '0,/^club   | POR | 20 |/s//club   | POR | 21 |/' \
    'clubs/POR\.txt:[0-9]+: level "21"'
case_ "unknown position" world/clubs/ENG.txt '0,/^player | MF/s//player | XX/' 'clubs/ENG\.txt:[0-9]+: position "XX"'
case_ "player name too long" world/clubs/ESP.txt '0,/^\(player | FW | \)\([^|]*\) |/s//\1Maximiliano Bartolomeo Z |/' \
    'clubs/ESP\.txt:[0-9]+: player name .* longer than 20'
case_ "character outside Windows-1252" world/referees.txt '0,/^POR | /s//POR | Łukasz /' \
    'referees\.txt:[0-9]+: .*Windows-1252'
case_ "unknown nationality" world/clubs/ITA.txt '0,/^\(player | [A-Z][A-Z] | [^|]*\)| ITA |/s//\1| XYZ |/' \
    'unknown nationality XYZ'
case_ "age out of range" world/clubs/GER.txt '0,/^\(player | [A-Z][A-Z] | [^|]*| GER | \)[0-9]*/s//\112/' \
    'clubs/GER\.txt:[0-9]+: age "12"'
# The first defender of the first club seven more times: at least 21 players.
case_ "too many players" world/clubs/NED.txt '0,/^\(player | DF.*\)$/s//\1\n\1\n\1\n\1\n\1\n\1\n\1\n\1/' \
    'clubs/NED\.txt:[0-9]+: .*fails the team check: .*TooManyPlayers'
# "R.S.C. Márrode" and the club "RSC Marrode" both make the file RSCMarrode.kbt.
case_ "same team file name" world/clubs/BEL.txt 's/| KSK Marsart |/| R.S.C. Márrode |/' 'file name RSCMarrode\.kbt is taken'
case_ "group member unknown" world/groups.txt 's/| POR ENG/| POR QQQ ENG/' 'unknown country QQQ'
case_ "country without a flag" world/flags.txt '/^SCO |/d' 'no flag for SCO'
case_ "unknown flag shape" world/flags.txt 's/^ENG | field #FFFFFF; cross/ENG | field #FFFFFF; kross/' \
    'flags\.txt: ENG: layer 2 \(kross\): unknown shape'
case_ "flag layer missing a value" world/flags.txt 's/^JPN | field #FFFFFF; disc #BC002D 0.5 0.5 0.3/JPN | field #FFFFFF; disc #BC002D 0.5 0.5/' \
    'flags\.txt: JPN: layer 2 \(disc\): disc takes 4 values, found 3'
case_ "flag colour misspelt" world/flags.txt 's/^FRA | vbands #002654 #FFFFFF/FRA | vbands #002654 #FFFFFG/' \
    'flags\.txt: FRA: layer 1 \(vbands\): colour "#FFFFFG"'
case_ "language flag of no country" lang/en/labels.txt 's/^3\tENG/3\tXEN/' 'language en shows the flag of XEN'
case_ "referee of an unknown country" world/referees.txt '0,/^ENG | /s//ZZZ | /' 'unknown country ZZZ'

# Sources saved by a Windows editor (CR LF line ends, a byte-order mark) build the same world.
rm -rf "$tmp/data" "$tmp/out"
cp -r "$src/data" "$tmp/data"
sed -i 's/$/\r/' "$tmp/data/world/clubs/POR.txt" "$tmp/data/world/referees.txt"
printf '\xEF\xBB\xBF' | cat - "$src/data/world/countries.txt" >"$tmp/data/world/countries.txt"
if "$tool" build-data "$tmp/out" --source "$tmp/data" >/dev/null 2>&1; then
    diff -r "$tmp/good" "$tmp/out" >/dev/null || fail "CR LF line ends or a byte-order mark change the world"
else
    fail "CR LF line ends or a byte-order mark stop the build"
fi

finish "every damaged source was refused"
