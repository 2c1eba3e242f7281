#!/usr/bin/env bash
# The editor's web export of the shipped teams, run without a window: index and country pages appear in
# <web>/equipas with the pictures they name, and every page refers only to files that exist. When a
# headless Chromium is installed, the index and one country page are also rendered to pictures.
#
# Arguments: <kolbrin-data path> <build dir> <source dir>; the build dir holds bin/Kolbrin2002Editor and the
# data folder.
set -u

build=${2:?usage: editor_web_export.sh KOLBRIN_DATA BUILD_DIR SOURCE_DIR}
editor=$build/bin/Kolbrin2002Editor
if [ ! -x "$editor" ]; then
    echo "SKIP: $editor is not built"
    exit 0
fi

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
problems=0
fail() {
    echo "FAIL: $*"
    problems=$((problems + 1))
}

# A settings folder of its own, so the user's language and options play no part.
if ! XDG_CONFIG_HOME=$tmp/config "$editor" --export-web "$tmp/web" --data-dir "$build/bin" >"$tmp/out" 2>&1; then
    fail "the export failed: $(tail -n1 "$tmp/out")"
fi
site=$tmp/web/equipas
[ -f "$site/index.html" ] || fail "no index.html"
[ -f "$site/bolafut.gif" ] || fail "no bolafut.gif"
[ -f "$tmp/web/grama2.jpg" ] || fail "no grama2.jpg"
pages=$(find "$site" -maxdepth 1 -name '???.html' | wc -l)
[ "$pages" -ge 8 ] || fail "only $pages country pages"

# Every picture and page a page names exists (team files are links to the published files, not checked).
for page in "$site"/*.html; do
    while IFS= read -r ref; do
        case $ref in
        *.kbt | *.kot) continue ;;
        esac
        [ -f "$site/$ref" ] || fail "$(basename "$page") names $ref, which is missing"
    done < <(grep -o -E '(SRC|HREF|BACKGROUND)="[^"]*"' "$page" | sed -E 's/^[A-Z]+="(.*)"$/\1/' | sort -u)
done

# The cell count of the index: five countries to a row.
cells=$(grep -c 'TD WIDTH="20%"' "$site/index.html")
[ "$cells" -eq "$pages" ] || fail "index has $cells country cells for $pages pages"

if command -v chromium >/dev/null 2>&1; then
    for page in index POR; do
        [ -f "$site/$page.html" ] || continue
        XDG_CONFIG_HOME=$tmp/cx XDG_CACHE_HOME=$tmp/cc timeout 60 chromium --headless --no-sandbox --disable-gpu \
            --disable-background-networking --disable-component-update --disable-sync --no-first-run \
            --user-data-dir="$tmp/profile" --window-size=1000,800 --screenshot="$tmp/$page.png" \
            "file://$site/$page.html" >/dev/null 2>&1
        [ -s "$tmp/$page.png" ] || fail "Chromium drew no picture of $page.html"
    done
else
    echo "chromium not installed: pages not rendered"
fi

echo "editor web export: $pages country pages, $problems problem(s)"
[ "$problems" -eq 0 ]
