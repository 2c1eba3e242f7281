#include "match/shootout.h"

#include "foundation/kol_random.h"
#include "match/penalty_kick.h"
#include "world/calendar.h"
#include "world/game.h"
#include "world/team.h"
#include "world/world.h"

namespace {

constexpr int kLastRound = 18;
constexpr int kRegularPairs = 5;

bool OnField(const TPlayer* player) {
    return player != nullptr && player->matchState.lineupRole == 1;
}

bool AnyoneOnField(const TTeam& team) {
    for (const TPlayer* player : team.players)
        if (OnField(player)) return true;
    return false;
}

// The next player on the field from the side's index on, wrapping round; the index moves past him.
TPlayer* NextTaker(TShootout::TSide& side) {
    const int count = side.club->players.Count();
    if (count == 0) return nullptr;
    for (int k = 0; k < count; ++k) {
        const int index = (side.nextTaker % count + k) % count;
        TPlayer* player = side.club->players[index];
        if (OnField(player)) {
            side.nextTaker = (index + 1) % count;
            return player;
        }
    }
    return nullptr;
}

bool EitherCoachHuman(const TGame& game) {
    return game.homeTeam->HasHumanCoach() || game.awayTeam->HasHumanCoach();
}

} // namespace

TShootout::TShootout(TGame& game) : game_(&game) {
    sides[0].club = game.homeTeam;
    sides[1].club = game.awayTeam;
    for (TSide& side : sides) {
        side.club->players.Pack();
        // The order of the taker choice: whoever the choice would prefer stands first.
        SortList(side.club->players, [](const TPlayer* earlier, const TPlayer* later) {
            if (!OnField(later)) return true;
            return OnField(earlier) && earlier->DuelStrength() >= later->DuelStrength();
        });
    }
    // Only a club with nobody on the field could not take a kick; such a shoot-out has none.
    finished_ = !AnyoneOnField(*sides[0].club) || !AnyoneOnField(*sides[1].club);
}

void TShootout::Kick() {
    if (finished_) return;
    TSide& kicking = sides[static_cast<std::size_t>(currentSide)];
    const TSide& other = sides[static_cast<std::size_t>(1 - currentSide)];
    TPlayer* taker = NextTaker(kicking);
    const TPlayer* keeper = FacingKeeper(*other.club);
    int code = 2;
    if (taker != nullptr && keeper != nullptr) {
        const TDrawTag tag("shootout");
        code = resolveKick ? resolveKick(*taker, *keeper) : taker->ResolveDuel(*keeper);
    }
    if (code == 1) kicking.goals += 1;
    kicking.kicksTaken += 1;

    if (currentSide == 0) {
        auto* line = new TCupPenalty;
        line->takers[0] = taker;
        line->results[0] = static_cast<std::uint8_t>(code);
        lines.Add(line);
        selectedLine = lines.Count() - 1;
    } else if (kicking.kicksTaken - 1 < lines.Count()) {
        TCupPenalty* line = lines[kicking.kicksTaken - 1];
        line->takers[1] = taker;
        line->results[1] = static_cast<std::uint8_t>(code);
        selectedLine = kicking.kicksTaken - 1;
    }

    const int t = kicking.kicksTaken;
    const int hG = sides[0].goals, aG = sides[1].goals;
    const int hT = sides[0].kicksTaken, aT = sides[1].kicksTaken;
    if (currentSide == 1 && aT > kRegularPairs && hG != aG)
        finished_ = true;
    else
        finished_ = !((kRegularPairs - aT >= hG - aG || t > kRegularPairs) &&
                      (kRegularPairs - hT >= aG - hG || t > kRegularPairs));
    currentSide = 1 - currentSide;
}

int TShootout::KickIntervalMs() const {
    return EitherCoachHuman(*game_) ? 3000 : 1000;
}

bool ShootoutIsWatched(const TGame& game) {
    const TWorld& world = game.World();
    return world.Options.viewComputerPenalties || EitherCoachHuman(game) || world.CurrentRound >= kLastRound;
}

bool QuickShootout(const TTeam& home, const TTeam& away) {
    const auto threeDraws = [](int level) {
        int sum = Random(level, "quickShootout");
        sum += Random(level, "quickShootout");
        sum += Random(level, "quickShootout");
        return sum;
    };
    const int homeSum = threeDraws(home.AverageLevel());
    const int awaySum = threeDraws(away.AverageLevel());
    return awaySum >= homeSum;
}

bool RunShootout(TGame& game, TCalendarEntry* homeEntry, TCalendarEntry* awayEntry) {
    if (!game.HasTeams()) return false;
    bool awayThrough;
    if (ShootoutIsWatched(game)) {
        TShootout shootout(game);
        game.World().Port().ShowShootout(shootout);
        // A port that does not show it, or stops showing it early, leaves the kicks to be taken here.
        while (!shootout.Finished()) shootout.Kick();
        awayThrough = shootout.AwayGoesThrough();
    } else {
        awayThrough = QuickShootout(*game.homeTeam, *game.awayTeam);
    }
    if (homeEntry != nullptr) homeEntry->decision = awayThrough ? 3 : 2;
    if (awayEntry != nullptr) awayEntry->decision = awayThrough ? 2 : 3;
    return awayThrough;
}
