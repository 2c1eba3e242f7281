#!/bin/bash
# The screenshot walker keeps covering the windows behind the club screen's doors: the real game, started
# offscreen with a seeded new career and the walker (KOLBRIN_SHOTS), goes through the first club screen's
# doors as a player would and ends there (KOLBRIN_SHOTS_STOP=doors). The walker writes a picture only of
# the window it expected behind a door, so a door that opens nothing or the wrong window leaves its
# picture missing here (and its reason on the error stream).
# Arguments: <kolbrin-data> <build dir> <source dir>
set -u
# shellcheck source=lib/tool_test.sh
source "$(dirname "${BASH_SOURCE[0]}")/lib/tool_test.sh"
game=$build/bin/Kolbrin2002
need_program "$game"

# English, no start screen, a settings folder and a copy of the game folder of its own (saved games
# never land in the build).
mkdir -p "$tmp/config/Kolbrin" "$tmp/data" "$tmp/runtime" "$tmp/shots"
chmod 700 "$tmp/runtime"
printf '[System]\nlanguage=en\ndisplay%%20init%%20screen=false\n' >"$tmp/config/Kolbrin/2002.conf"
for item in CTRGROUP Icons Int Teams Wallpapers flags referee.txe; do cp -r "$build/bin/$item" "$tmp/data/"; done

XDG_CONFIG_HOME=$tmp/config XDG_DATA_HOME=$tmp/share XDG_RUNTIME_DIR=$tmp/runtime QT_QPA_PLATFORM=offscreen \
    KOLBRIN_SHOTS=$tmp/shots KOLBRIN_SHOTS_SECONDS=150 KOLBRIN_SHOTS_STOP=doors \
    timeout 170 "$game" --data-dir "$tmp/data" --seed 2002 >"$tmp/out" 2>"$tmp/err"
rc=$?
[ $rc -eq 0 ] || { echo "FAIL: the game ended with $rc: $(tail -5 "$tmp/err")"; exit 1; }

for picture in TprepareGameDlg TprepareGameDlg-player TprepareGameDlg-sale TprepareGameDlg-contract \
    TprepareGameDlg-finances TprepareGameDlg-cup TbalanceDlg TloanDlg TstadiumDlg TPlantelDlg TcheckPlayerDlg \
    TlastTransfersDlg TObservedPlayersDlg TcoachOptionsDlg TPrintListDlg-coachHistory \
    TPrintListDlg-coachRanking TPrintListDlg-clubCalendar TRefereeAidDlg TcoachManagerDlg-club \
    OptionsDlg-club TprepareGameDlg-game TprepareGameDlg-selection; do
    [ -s "$tmp/shots/$picture.png" ] || fail "no picture of $picture"
done
[ "$failures" -eq 0 ] || grep "screenshot walker" "$tmp/err"
finish "club doors: $(ls "$tmp/shots" | wc -l) pictures, every door pictured"
