#include "world/game_factory.h"

#include "foundation/kol_random.h"
#include "foundation/numeric.h"
#include "world/game.h"
#include "world/money_rules.h"
#include "world/records.h"
#include "world/team.h"
#include "world/world.h"

#include <memory>

namespace {

// The referees are put in one of three orders before every round, comparing their names at every second
// character from position 2, 3 or 4 on, so that who referees whom changes from round to round: a name that
// ends first goes after the other, and names alike at all those characters keep their order. That is the
// order the program's exchange sort gives with this comparison; the characters compared are taken once
// and sorted stably, which gives the same order without two names built for every comparison.
void ShuffleRefereeOrder(TWorld& world) {
    const std::size_t start = static_cast<std::size_t>(Random(3, "refereeOrder")) + 2;
    constexpr std::uint16_t kEnd = 256; // after every character
    std::vector<std::pair<std::vector<std::uint16_t>, TReferee*>> keyed;
    keyed.reserve(static_cast<std::size_t>(world.AllReferees.Count()));
    for (TReferee* referee : world.AllReferees) {
        const std::string name = referee->Name();
        std::vector<std::uint16_t> key;
        for (std::size_t pos = start; pos <= name.size(); pos += 2)
            key.push_back(static_cast<unsigned char>(name[pos - 1]));
        key.push_back(kEnd);
        keyed.emplace_back(std::move(key), referee);
    }
    std::stable_sort(keyed.begin(), keyed.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<TReferee*> order;
    order.reserve(keyed.size());
    for (const auto& entry : keyed) order.push_back(entry.second);
    world.AllReferees.Reorder(std::move(order));
}

} // namespace

long double ComputeTicketPrice(const TWorld& world, long double level, int kind, long double factor) {
    return TicketPrice(level, kind, factor, world.CurrencyRecord.moneyMultiplier, world.PriceIndex,
                       world.CurrencyRecord.ticketPriceUnit);
}

void CreateCompetitionGames(TWorld& world, const std::vector<TTeam*>& teams, std::uint8_t kind,
                            const std::string& gameTitle, std::int32_t prizeValue, std::int32_t roundMoney,
                            int gameCount, const std::string& headingText) {
    world.AllReferees.Pack();
    ShuffleRefereeOrder(world);

    long double levelSum = 0;
    long double factorSum = 0;
    int counted = 0;
    for (const TTeam* team : teams) {
        if (!team) continue;
        levelSum += team->AverageLevel();
        factorSum += team->priceFactor;
        ++counted;
    }
    const long double level = counted > 0 ? static_cast<long double>(nearest(levelSum / counted)) : 0;
    const long double factor = counted > 0 ? factorSum / counted : 0;
    const long double price = ComputeTicketPrice(world, level, kind, factor);

    const int pairs = static_cast<int>(teams.size() / 2);
    if (gameCount <= 0 || gameCount > pairs) gameCount = pairs;

    if (!headingText.empty())
        world.RoundGames.Add(
            new TGame(world, gkHeading, 0, roundMoney, 0, price, headingText, nullptr, nullptr));
    for (int g = 0; g < gameCount; ++g) {
        TTeam* home = teams[static_cast<std::size_t>(2 * g)];
        TTeam* away = teams[static_cast<std::size_t>(2 * g + 1)];
        world.RoundGames.Add(new TGame(world, kind, prizeValue, roundMoney, 0, price, gameTitle, away, home));
    }
}
