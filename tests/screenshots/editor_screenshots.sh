#!/usr/bin/env bash
# Pictures of the editor for a person to look at (not a test: CTest does not run it). Runs the window test
# on a virtual 1366 x 768 display, once at 100 % and once at 150 % (QT_SCALE_FACTOR=1.5), over the shipped
# data folder. On the virtual display the test grabs the whole screen, so a dialog shows over its window.
#
#   tests/screenshots/editor_screenshots.sh BUILD_DIR OUT_DIR
set -eu
build=${1:?usage: editor_screenshots.sh BUILD_DIR OUT_DIR}
out=${2:?usage: editor_screenshots.sh BUILD_DIR OUT_DIR}
test=$build/bin/uitest_editor_main_test
[ -x "$test" ] || { echo "$test is not built"; exit 1; }
command -v xvfb-run >/dev/null || { echo "xvfb-run is missing (apt-get install xvfb)"; exit 1; }

for scale in 1 1.5; do
    dir=$out/scale-$scale
    mkdir -p "$dir"
    # A settings folder of its own, so the window starts at its first-time size on this screen.
    XDG_CONFIG_HOME=$(mktemp -d) QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=$scale KOLBRIN_SCREENSHOT_DIR=$dir \
        xvfb-run -a -s '-screen 0 1366x768x24' "$test" screenshots >"$dir/run.log" 2>&1 ||
        { echo "the window test failed at scale $scale: see $dir/run.log"; exit 1; }
    echo "scale $scale: $(ls "$dir"/*.png | wc -l) pictures in $dir"
done
