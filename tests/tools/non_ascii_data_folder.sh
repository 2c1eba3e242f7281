#!/usr/bin/env bash
# A data folder whose path holds letters outside ASCII (and outside Windows-1252) works in both programs:
# the editor's web export reads every team from it and the game starts on it and keeps running.
#
# Arguments: <kolbrin-data path> <build dir> <source dir>; the build dir holds the programs and the data
# folder.
set -u
# shellcheck source=lib/tool_test.sh
source "$(dirname "${BASH_SOURCE[0]}")/lib/tool_test.sh"
editor=$build/bin/Kolbrin2002Editor
game=$build/bin/Kolbrin2002

# The data folder without the programs, under a name with a Latin-1 letter and a Polish one.
data="$tmp/Dados Área Łódź"
mkdir -p "$data"
for entry in CTRGROUP Icons Int "Provisory Teams" Teams Wallpapers flags referee.txe; do
    [ -e "$build/bin/$entry" ] && cp -r "$build/bin/$entry" "$data/"
done
teams=$(find "$data/Teams" -maxdepth 1 -iname '*.kbt' | wc -l)
[ "$teams" -gt 0 ] || fail "the built data folder has no effective teams"

export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR=$tmp/runtime
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
settings() { # a fresh settings folder with the English language chosen
    export XDG_CONFIG_HOME=$tmp/config-$1 XDG_DATA_HOME=$tmp/data-$1
    mkdir -p "$XDG_CONFIG_HOME/Kolbrin"
    printf '[System]\nlanguage=en\ndisplay%%20init%%20screen=false\n' >"$XDG_CONFIG_HOME/Kolbrin/2002.conf"
}

if [ -x "$editor" ]; then
    settings editor
    if ! timeout 60 "$editor" --export-web "$tmp/web" --data-dir "$data" >"$tmp/out" 2>"$tmp/err"; then
        fail "editor export on $data: $(cat "$tmp/err")"
    fi
    published=$(find "$tmp/web/equipas" -maxdepth 1 -iname '*.kbt' 2>/dev/null | wc -l)
    [ "$published" -eq "$teams" ] || fail "editor read $published of $teams teams from $data"
    grep -q "skipped" "$tmp/err" && fail "editor skipped files: $(cat "$tmp/err")"
    flags=$(find "$tmp/web/equipas/flags" -name '*.BMP' 2>/dev/null | wc -l)
    [ "$flags" -gt 0 ] || fail "no flag was copied from $data/flags"
else
    echo "SKIP: $editor is not built"
fi

if [ -x "$game" ]; then
    settings game
    timeout 4 "$game" --data-dir "$data" >"$tmp/gout" 2>"$tmp/gerr"
    rc=$?
    [ $rc -eq 124 ] || fail "game on $data: exit code $rc, expected it still running (124): $(cat "$tmp/gerr")"
else
    echo "SKIP: $game is not built"
fi

finish "non-ASCII data folder: $teams teams"
