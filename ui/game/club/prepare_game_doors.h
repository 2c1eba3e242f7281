#pragma once
// The windows of the other groups that the club screen opens: each door is there once its window is part
// of the program, and stays closed (disabled, with a hint) until then.
#if __has_include("ui/game/club/plantel_dlg.h")
#include "ui/game/club/plantel_dlg.h"
#define KOLBRIN_HAS_SQUAD_VIEW 1
#endif
#if __has_include("ui/game/market/check_player_dlg.h")
#include "ui/game/market/check_player_dlg.h"
#define KOLBRIN_HAS_PLAYER_SEARCH 1
#endif
#if __has_include("ui/game/market/last_transfers_dlg.h")
#include "ui/game/market/last_transfers_dlg.h"
#define KOLBRIN_HAS_LAST_TRANSFERS 1
#endif
#if __has_include("ui/game/market/observed_players_dlg.h")
#include "ui/game/market/observed_players_dlg.h"
#define KOLBRIN_HAS_OBSERVED_PLAYERS 1
#endif
#if __has_include("ui/game/money/balance_dlg.h")
#include "ui/game/money/balance_dlg.h"
#define KOLBRIN_HAS_BALANCE_DLG 1
#endif
#if __has_include("ui/game/money/loan_dlg.h")
#include "ui/game/money/loan_dlg.h"
#define KOLBRIN_HAS_LOAN_DLG 1
#endif
#if __has_include("ui/game/money/stadium_dlg.h")
#include "ui/game/money/stadium_dlg.h"
#define KOLBRIN_HAS_STADIUM_DLG 1
#endif
#if __has_include("ui/game/club/referee_aid_dlg.h")
#include "ui/game/club/referee_aid_dlg.h"
#define KOLBRIN_HAS_REFEREE_AID 1
#endif
#if __has_include("ui/game/club/coach_options_dlg.h")
#include "ui/game/club/coach_options_dlg.h"
#define KOLBRIN_HAS_COACH_OPTIONS 1
#endif
#if __has_include("ui/game/season/classification_dlg.h")
#include "ui/game/season/classification_dlg.h"
#define KOLBRIN_HAS_CLASSIFICATION 1
#endif
#if __has_include("ui/game/start/coach_manager_dlg.h")
#include "season/coach_manager.h"
#include "ui/game/start/coach_manager_dlg.h"
#define KOLBRIN_HAS_COACH_MANAGER 1
#endif
