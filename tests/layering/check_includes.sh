#!/bin/bash
# The order of the core layers on the includes: foundation < datafiles < world < club < match < season.
# A file of a layer may include headers of its own layer and of the layers below it, never of a layer above
# it; the editor's core stands on datafiles beside the career layers and includes none of them. No core
# folder includes a Qt header. Prints every offending include and fails when there is one.
# Usage: check_includes.sh <source folder>
set -u
src=${1:?source folder}
layers=(foundation datafiles world club match season)
failed=0

# Prints the includes of folder $1 that name one of the folders given after it.
offending() {
    local folder=$1
    shift
    [ -d "$src/$folder" ] || return 0
    for above in "$@"; do
        grep -rnE "^[[:space:]]*#[[:space:]]*include[[:space:]]*[\"<]$above/" "$src/$folder" \
            --include='*.h' --include='*.cpp'
    done
}

for ((i = 0; i < ${#layers[@]}; i++)); do
    out=$(offending "${layers[i]}" "${layers[@]:i+1}" editor)
    if [ -n "$out" ]; then
        echo "layer ${layers[i]} includes a higher layer:"
        echo "$out"
        failed=1
    fi
done

out=$(offending editor world club match season)
if [ -n "$out" ]; then
    echo "the editor's core includes a career layer:"
    echo "$out"
    failed=1
fi

for folder in "${layers[@]}" editor; do
    [ -d "$src/$folder" ] || continue
    out=$(grep -rnE '^[[:space:]]*#[[:space:]]*include[[:space:]]*<Q' "$src/$folder" --include='*.h' --include='*.cpp')
    if [ -n "$out" ]; then
        echo "core folder $folder includes Qt:"
        echo "$out"
        failed=1
    fi
done

# The windows: what both programs share includes neither program's own windows nor any rules above the
# data files; the editor's windows include no career rule and no game window; the game's windows include
# nothing of the editor.
for rule in "ui/common:ui/editor ui/game editor world club match season" \
            "ui/editor:ui/game world club match season" \
            "ui/game:ui/editor editor"; do
    folder=${rule%%:*}
    out=$(offending "$folder" ${rule#*:})
    if [ -n "$out" ]; then
        echo "$folder includes what it must not:"
        echo "$out"
        failed=1
    fi
done

[ $failed -eq 0 ] && echo "layer order holds on every include"
exit $failed
