#pragma once
// The windows the club screen opens through its doors.
#include "season/coach_manager.h"
#include "ui/game/club/coach_options_dlg.h"
#include "ui/game/club/plantel_dlg.h"
#include "ui/game/club/referee_aid_dlg.h"
#include "ui/game/market/check_player_dlg.h"
#include "ui/game/market/last_transfers_dlg.h"
#include "ui/game/market/observed_players_dlg.h"
#include "ui/game/money/balance_dlg.h"
#include "ui/game/money/loan_dlg.h"
#include "ui/game/money/stadium_dlg.h"
#include "ui/game/season/classification_dlg.h"
#include "ui/game/start/coach_manager_dlg.h"
