#!/bin/bash
# The game's start-up on the offscreen platform, where nobody can answer the language question: a stored
# language whose labels file is missing and a missing language end it with exit code 1 and the reason on
# the error stream; with the built data folder it starts, writes the game
# folder into its settings and keeps running.
# Arguments: <kolbrin-data> <build dir> <source dir>
set -u
# shellcheck source=lib/tool_test.sh
source "$(dirname "${BASH_SOURCE[0]}")/lib/tool_test.sh"
game=$build/bin/Kolbrin2002
need_program "$game"

export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR=$tmp/runtime
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
conf_for() { # a fresh settings folder with the given settings file contents
    export XDG_CONFIG_HOME=$tmp/config-$1 XDG_DATA_HOME=$tmp/data-$1
    mkdir -p "$XDG_CONFIG_HOME/Kolbrin"
    printf '%b' "$2" >"$XDG_CONFIG_HOME/Kolbrin/2002.conf"
}

# 1. The language is set but its labels file is missing, and no other language is there: the game says
#    which file is missing instead of asking for a language nobody could pick.
mkdir -p "$tmp/nolabels/Int/en"
cp "$build/bin/Int/en/KOLB2002_02_en.kbl" "$tmp/nolabels/Int/en/"
conf_for nolabels '[System]\nlanguage=en\n'
timeout 20 "$game" --data-dir "$tmp/nolabels" >"$tmp/out1" 2>"$tmp/err1"
rc=$?
[ $rc -eq 1 ] || fail "missing labels file: exit code $rc, expected 1"
grep -qF "No language can be used, so the program cannot start:" "$tmp/err1" &&
    grep -qF "$tmp/nolabels/Int/en/KOLB2002_01_en.kbl not found or is invalid." "$tmp/err1" ||
    fail "missing labels file: message not on stderr: $(cat "$tmp/err1")"

# 2. No language set and none to choose.
mkdir -p "$tmp/nolang/Int"
conf_for nolang ''
timeout 20 "$game" --data-dir "$tmp/nolang" >"$tmp/out2" 2>"$tmp/err2"
rc=$?
[ $rc -eq 1 ] || fail "no language: exit code $rc, expected 1"
grep -qF "$tmp/nolang/Int: no language folder in it" "$tmp/err2" ||
    fail "no language: reason not on stderr: $(cat "$tmp/err2")"

# 3. A language longer than two characters is cut; the game starts and keeps running until stopped.
conf_for good '[System]\nlanguage=enx\ndisplay%20init%20screen=false\n'
timeout 4 "$game" --data-dir "$build/bin" >"$tmp/out3" 2>"$tmp/err3"
rc=$?
[ $rc -eq 124 ] || fail "normal start: exit code $rc, expected the program still running (124): $(cat "$tmp/err3")"
grep -qx "directory=$(cd "$build/bin" && pwd)" "$XDG_CONFIG_HOME/Kolbrin/2002.conf" ||
    fail "the game folder was not written: $(cat "$XDG_CONFIG_HOME/Kolbrin/2002.conf")"

finish "game start-up: all checks passed"
