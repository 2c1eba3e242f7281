#include "world/selection.h"

#include "foundation/encoding.h"
#include "foundation/format_text.h"
#include "foundation/kol_list.h"
#include "foundation/texts.h"
#include "world/player.h"
#include "world/team.h"

#include <algorithm>

std::string TSelectionCheck::Message() const {
    if (textNumber == 0) return {};
    std::vector<TFormatArg> args;
    for (const std::string& s : textArgs) args.emplace_back(s);
    for (int n : numberArgs) args.emplace_back(n);
    return Format(GetText(textNumber), args);
}

bool CycleLineupRole(TPlayer& player) {
    if (!player.IsAvailable()) return false;
    player.matchState.lineupRole = (player.matchState.lineupRole + 1) % 3;
    return true;
}

void SortSquadForDisplay(TTeam& club) {
    club.players.Pack();
    SortList(club.players, [](const TPlayer* earlier, const TPlayer* later) {
        if (earlier->position() != later->position()) return earlier->position() < later->position();
        return UpperCp1252(earlier->PlainName()) <= UpperCp1252(later->PlainName());
    });
}

void SelectPlayers(TTeam& club, int goalkeepers, int defenders, int midfielders, int forwards, bool withBench,
                   bool clearFirst) {
    club.players.Pack();
    if (clearFirst)
        for (TPlayer* player : club.players) player->matchState.lineupRole = 0;
    ShuffleList(club.players);
    club.ChooseLineup(goalkeepers, defenders, midfielders, forwards, withBench);
    SortSquadForDisplay(club);
}

TSelectionCheck SelectFormation(TTeam& club, const TFormation& formation) {
    SelectPlayers(club, 1, formation.defenders, formation.midfielders, formation.forwards, true, true);
    return CheckSelection(club);
}

TSelectionCheck AutomaticSelection(TTeam& club, const TTeam& opponent, bool atHome) {
    club.players.Pack();
    for (TPlayer* player : club.players) player->matchState.lineupRole = 0;
    const int own = club.AverageLevel();
    const int opp = opponent.AverageLevel();
    ShuffleList(club.players);

    // One player of each line is held back for the bench.
    const auto base = [&club](std::size_t line) {
        return std::max(0, std::min(static_cast<int>(club.positionCounts[line]) - 1, 3));
    };
    int defenders = base(1), midfielders = base(2), forwards = base(3);
    const int x = own - opp + (atHome ? 20 : 0);
    if (x >= 20) {
        ++forwards;
        --defenders;
    } else if (x <= -10) {
        --forwards;
        ++defenders;
    }
    SelectPlayers(club, 0, defenders, midfielders, forwards, false, true);
    SelectPlayers(club, 1, 10, 10, 10, true, false);
    return CheckSelection(club);
}

TSelectionCheck CheckSelection(TTeam& club) {
    int availableOutfield = 0, startingKeepers = 0, startingOutfield = 0, bench = 0;
    const TPlayer* unavailable = nullptr;
    for (const TPlayer* player : club.players) {
        if (player == nullptr) continue;
        const bool available = player->suspendedGames <= 0 && player->injuredGames <= 0;
        const bool keeper = player->position() == 0;
        if (available && !keeper) ++availableOutfield;
        const int role = player->matchState.lineupRole;
        if (role == 1) ++(keeper ? startingKeepers : startingOutfield);
        if (role == 2) ++bench;
        if ((role == 1 || role == 2) && !available && unavailable == nullptr) unavailable = player;
    }
    club.match.benchCount = std::min(kMaxSubstitutions, bench);

    TSelectionCheck check;
    const int wantedOutfield = std::min(10, availableOutfield);
    if (unavailable != nullptr) {
        check.problem = spUnavailablePlayer;
        check.textArgs = {unavailable->DisplayName()};
    } else if (startingKeepers != 1) {
        check.problem = spGoalkeepers;
        check.numberArgs = {startingKeepers};
    } else if (startingOutfield != wantedOutfield) {
        check.problem = spOutfieldPlayers;
        check.numberArgs = {wantedOutfield, startingOutfield};
    } else if (bench > kMaxBench) {
        check.problem = spBenchTooLong;
        check.numberArgs = {kMaxBench, bench};
    }
    check.textNumber = kSelectionProblemTexts[check.problem];
    return check;
}
