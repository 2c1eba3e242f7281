#include "match/minute_steps.h"

#include "foundation/kol_random.h"
#include "match/auto_substitute.h"
#include "match/cards_and_injuries.h"
#include "match/penalty_kick.h"
#include "match/scoring.h"
#include "world/game.h"
#include "world/team.h"
#include "world/world.h"

namespace {

bool EitherCoachHuman(const TGame& game) {
    return (game.homeTeam != nullptr && game.homeTeam->HasHumanCoach()) ||
           (game.awayTeam != nullptr && game.awayTeam->HasHumanCoach());
}

TTeam* SideTeam(const TGame& game, int side) {
    return side == 0 ? game.homeTeam : game.awayTeam;
}

void AddEvent(TGame& game, int side, const TPlayer& player, int kind, int minute) {
    game.events.Add(new TGameEvent(static_cast<std::int16_t>(side), static_cast<std::int16_t>(minute),
                                   static_cast<std::int16_t>(kind), player.id,
                                   static_cast<std::uint8_t>(player.position())));
}

void UpdateBothLines(TGame& game) {
    game.homeTeam->UpdateLineStrengths();
    game.awayTeam->UpdateLineStrengths();
}

TPlayer* SquadPlayerById(const TTeam& team, std::int16_t id) {
    for (TPlayer* player : team.players)
        if (player != nullptr && player->id == id) return player;
    return team.World().PlayerById(id);
}

} // namespace

bool PlayMinuteGoals(TGame& game, int minute) {
    if (!game.HasTeams()) return false;
    TTeam& home = *game.homeTeam;
    TTeam& away = *game.awayTeam;
    int kind = gekGoal;
    bool homeScored = false;
    bool awayScored = false;
    bool penaltyGoal = false;
    TPlayer* scorer = nullptr;

    if (Random(6000, "penaltyHome") < game.homeFavour) {
        const TPenaltyOutcome kick = InPlayPenalty(game, home, away);
        if (kick.result == 1) {
            homeScored = penaltyGoal = true;
            kind = gekPenaltyGoal;
            scorer = kick.taker;
        }
    }
    if (Random(7000, "penaltyAway") < game.awayFavour && !homeScored) {
        const TPenaltyOutcome kick = InPlayPenalty(game, away, home);
        if (kick.result == 1) {
            awayScored = penaltyGoal = true;
            kind = gekPenaltyGoal;
            scorer = kick.taker;
        }
    }
    // A missed penalty leaves both attacks of the minute open.
    if (!penaltyGoal) {
        scorer = TryToScore(home, minute, away, 0);
        homeScored = scorer != nullptr;
        if (!homeScored) {
            scorer = TryToScore(away, minute, home, 1);
            awayScored = scorer != nullptr;
        }
        if (scorer != nullptr && EitherCoachHuman(game)) game.World().Port().PlayBeep();
    }
    if (!homeScored && !awayScored) return false;

    const int side = homeScored ? 0 : 1;
    SideTeam(game, side)->match.matchGoals += 1;
    scorer->matchState.goalsThisMatch += 1;
    scorer->season.runningGoals += 1;
    scorer->career.goals += 1;
    if (scorer->form < 6 && Random(3, "scorerForm") == 0) scorer->form += 1;
    AddEvent(game, side, *scorer, kind, minute);
    return true;
}

bool PlayMinuteBookings(TGame& game, int minute) {
    if (Random(90, "bookingMinute") >= minute || !game.HasTeams()) return false;
    int side = 0;
    TPlayer* booked = nullptr;
    const int b = Random(120, "bookingHome");
    if (b < 15 && b > game.homeFavour) {
        booked = BookPlayer(*game.homeTeam);
    } else {
        const int c = Random(90, "bookingAway");
        if (c < 15 && c > game.awayFavour) {
            side = 1;
            booked = BookPlayer(*game.awayTeam);
        }
    }
    if (booked == nullptr) return false;
    if (booked->matchState.lineupRole == 1) {
        AddEvent(game, side, *booked, gekBooking, minute);
    } else {
        AfterSendingOff(game, side, *booked);
        AddEvent(game, side, *booked, gekSecondBooking, minute);
    }
    return true;
}

bool PlayMinuteSendingOff(TGame& game, int minute) {
    if (minute < 30 || !game.HasTeams()) return false;
    int side = 0;
    TPlayer* sentOff = nullptr;
    const int b = Random(1000, "sendingOffHome");
    if (b < 10 && b > game.homeFavour) {
        sentOff = SendOffPlayer(*game.homeTeam);
    } else {
        const int c = Random(1000, "sendingOffAway");
        if (c < 10 && c > game.awayFavour) {
            side = 1;
            sentOff = SendOffPlayer(*game.awayTeam);
        }
    }
    if (sentOff == nullptr) return false;
    AddEvent(game, side, *sentOff, gekSendingOff, minute);
    AfterSendingOff(game, side, *sentOff);
    return true;
}

bool PlayMinuteInjury(TGame& game, int minute) {
    const int r = Random(500, "injury");
    if (r > 1 || !game.HasTeams()) return false;
    const int side = r;
    TTeam& team = *SideTeam(game, side);
    TPlayer* injured = InjurePlayer(team);
    if (injured == nullptr) return false;
    AddEvent(game, side, *injured, gekInjury, minute);
    TUserPort& port = game.World().Port();
    if (EitherCoachHuman(game)) port.PlayBeep();
    if (team.HasHumanCoach())
        port.RequestSubstitution(game, side, srInjury, injured);
    else
        AutoSubstitute(team, srInjury, *injured);
    UpdateBothLines(game);
    return true;
}

void AfterSendingOff(TGame& game, int side, TPlayer& player) {
    TTeam& team = *SideTeam(game, side);
    TUserPort& port = game.World().Port();
    if (EitherCoachHuman(game)) port.PlayBeep();
    if (team.HasHumanCoach()) {
        if (player.position() == 0) port.RequestSubstitution(game, side, srKeeperSentOff, &player);
    } else {
        AutoSubstitute(team, srKeeperSentOff, player);
    }
    UpdateBothLines(game);
}

bool ReviewLastGoal(TGame& game, int minute) {
    if (game.events.Count() == 0) return false;
    const int b = Random(30, "review");
    if (b >= 10 || !game.HasTeams()) return false;
    TGameEvent& last = *game.events[game.events.Count() - 1];
    if (last.eventKind != gekGoal || last.minute != minute - 1) return false;
    const int favour = last.side == 0 ? game.homeFavour : game.awayFavour;
    if (b <= favour) return false;
    TTeam& team = *SideTeam(game, last.side);
    team.match.disallowedGoals += 1;
    team.match.matchGoals -= 1;
    if (TPlayer* scorer = SquadPlayerById(team, last.playerId)) {
        scorer->matchState.goalsThisMatch -= 1;
        scorer->season.runningGoals -= 1;
        scorer->career.goals -= 1;
    }
    last.eventKind = gekGoalDisallowed;
    if (EitherCoachHuman(game)) game.World().Port().PlayBeep();
    return true;
}

void MinuteWear(TGame& game) {
    if (game.kind == gkHeading) return;
    for (TTeam* team : {game.homeTeam, game.awayTeam}) {
        if (team == nullptr) continue;
        const int index = Random(team->players.Count(), "wear");
        TPlayer* player = index < team->players.Count() ? team->players[index] : nullptr;
        if (player == nullptr) continue;
        player->matchState.wearCounter += player->matchState.lineupRole == 1 ? -1 : 1;
    }
}

bool PlayGameMinute(TGame& game, int minute) {
    bool event = PlayMinuteGoals(game, minute);
    if (!event) event = PlayMinuteBookings(game, minute);
    if (!event) event = PlayMinuteSendingOff(game, minute);
    if (!event) event = PlayMinuteInjury(game, minute);
    if (!event && minute != 46 && minute != 91) event = ReviewLastGoal(game, minute);
    MinuteWear(game);
    return event;
}
