#!/usr/bin/env bash
# Pictures of the game's windows for a person to look at (not a test: CTest does not run it). Starts the
# real game on a virtual 1280 x 800 display with a seeded new career (--seed) and a settings folder of its
# own; the game's screenshot walker (KOLBRIN_SHOTS) pictures every dialog once, by its object name, and
# answers it with its default choice, so the career walks on by itself for a round or two and then ends.
# At the first club screen the walker first opens each of the screen's doors and pictures the window behind
# it (KOLBRIN_SHOTS_STOP=doors in the environment ends the program there). SCREEN is the virtual display's
# size (1280x800x24 by default; 2560x1600x24 shows SCALE 2 as on a screen made for it).
#
#   tests/screenshots/game_screenshots.sh BUILD_DIR OUT_DIR [SECONDS] [SCALE] [SCREEN]
set -eu
usage="usage: game_screenshots.sh BUILD_DIR OUT_DIR [SECONDS] [SCALE] [SCREEN]"
build=${1:?$usage}
out=${2:?$usage}
seconds=${3:-240}
scale=${4:-1}
screen=${5:-1280x800x24}
game=$build/bin/Kolbrin2002
[ -x "$game" ] || { echo "$game is not built"; exit 1; }
command -v xvfb-run >/dev/null || { echo "xvfb-run is missing (apt-get install xvfb)"; exit 1; }

mkdir -p "$out"
out=$(cd "$out" && pwd)
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
# The settings: English, no start screen, games written under the temporary home.
mkdir -p "$home/config/Kolbrin"
cat >"$home/config/Kolbrin/2002.conf" <<CONF
[System]
language=en
display%20init%20screen=false
CONF
# The game folder: a copy of the build's data folder, so the saved games never land in the build.
data=$home/data
mkdir -p "$data"
for item in CTRGROUP Icons Int Teams Wallpapers flags referee.txe; do cp -r "$build/bin/$item" "$data/"; done

XDG_CONFIG_HOME=$home/config XDG_DATA_HOME=$home/share QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=$scale \
    KOLBRIN_SHOTS=$out KOLBRIN_SHOTS_SECONDS=$seconds \
    timeout $((seconds + 60)) xvfb-run -a -s "-screen 0 $screen" \
    "$game" --data-dir "$data" --seed 2002 >"$out/run.log" 2>&1 || true
echo "$(ls "$out"/*.png 2>/dev/null | wc -l) pictures in $out (log: $out/run.log)"
