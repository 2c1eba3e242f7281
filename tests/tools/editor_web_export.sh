#!/usr/bin/env bash
# The editor's web export of the shipped teams, run without a window: index and country pages appear in
# <web>/equipas with the pictures they name, and every page refers only to files that exist. When a
# headless Chromium is installed, the index and one country page are also rendered to pictures.
#
# Arguments: <kolbrin-data path> <build dir> <source dir>; the build dir holds bin/Kolbrin2002Editor and the
# data folder.
set -u
# shellcheck source=lib/tool_test.sh
source "$(dirname "${BASH_SOURCE[0]}")/lib/tool_test.sh"

editor=$build/bin/Kolbrin2002Editor
if [ ! -x "$editor" ]; then
    echo "SKIP: $editor is not built"
    exit 0
fi

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

# Every picture and page a page names exists (team files are checked below).
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

# Every effective team file is published beside the pages, and every page links only to those.
teams=$(find "$build/bin/Teams" -maxdepth 1 -iname '*.kbt' | wc -l)
published=$(find "$site" -maxdepth 1 -iname '*.kbt' | wc -l)
[ "$published" -eq "$teams" ] || fail "$published team files published for $teams effective teams"
for page in "$site"/???.html; do
    while IFS= read -r ref; do
        [ -f "$site/$ref" ] || fail "$(basename "$page") links to $ref, which is not in the site"
    done < <(grep -o -E 'HREF="[^"]*\.(kbt|kot)"' "$page" | sed -E 's/^HREF="(.*)"$/\1/')
done
rows=$(cat "$site"/???.html | grep -c 'TD WIDTH="70%"')
[ "$rows" -eq "$teams" ] || fail "$rows team rows for $teams effective teams"

# The grouping is by country code, whatever the language file holds: with the country column's text
# (586) missing from the labels file, every team is still listed once and every country once.
bare=$tmp/bare
mkdir -p "$bare/Int/en"
for entry in CTRGROUP Icons "Provisory Teams" Teams Wallpapers flags referee.txe; do
    [ -e "$build/bin/$entry" ] && ln -s "$build/bin/$entry" "$bare/$entry"
done
cp "$build/bin/Int/en/KOLB2002_02_en.kbl" "$bare/Int/en/"
grep -v -P '^586\t' "$3/data/lang/en/labels.txt" >"$tmp/labels-586.txt"
"$1" labels encode "$tmp/labels-586.txt" "$bare/Int/en/KOLB2002_01_en.kbl" >/dev/null || fail "labels encode failed"
if XDG_CONFIG_HOME=$tmp/config-bare "$editor" --export-web "$tmp/web-bare" --data-dir "$bare" >"$tmp/out-bare" 2>&1; then
    bare_rows=$(cat "$tmp/web-bare/equipas"/???.html | grep -c 'TD WIDTH="70%"')
    bare_pages=$(find "$tmp/web-bare/equipas" -maxdepth 1 -name '???.html' | wc -l)
    [ "$bare_rows" -eq "$teams" ] || fail "without text 586: $bare_rows team rows for $teams teams"
    [ "$bare_pages" -eq "$pages" ] || fail "without text 586: $bare_pages country pages, $pages with it"
else
    fail "the export without text 586 failed: $(tail -n1 "$tmp/out-bare")"
fi

# A team folder that is missing, or is no folder, is reported and the export fails.
for kind in missing file; do
    broken=$tmp/broken-$kind
    mkdir -p "$broken/Int"
    cp -r "$build/bin/Int/en" "$broken/Int/"
    [ $kind = file ] && echo "not a folder" >"$broken/Teams"
    if XDG_CONFIG_HOME=$tmp/config-$kind "$editor" --export-web "$tmp/web-$kind" --data-dir "$broken" \
        >"$tmp/out-$kind" 2>&1; then
        fail "a $kind team folder gave exit 0"
    else
        grep -q "Teams" "$tmp/out-$kind" || fail "a $kind team folder: the message does not name it: $(cat "$tmp/out-$kind")"
    fi
    [ -f "$tmp/web-$kind/equipas/index.html" ] && fail "a $kind team folder still produced a site"
done

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

finish "editor web export: $pages country pages"
