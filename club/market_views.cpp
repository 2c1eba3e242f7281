#include "club/market_views.h"

#include "club/market.h"
#include "foundation/encoding.h"
#include "foundation/numeric.h"
#include "world/coach.h"
#include "world/player.h"
#include "world/records.h"
#include "world/team.h"
#include "world/world.h"

#include <algorithm>

namespace {

struct TBand {
    std::int64_t low;
    std::int64_t high;
};
constexpr TBand kLevelBands[kLevelBandCount] = {{1, 10}, {10, 25}, {25, 40}, {40, 60}, {60, 80}, {80, 100}};
constexpr TBand kAgeBands[kAgeBandCount] = {{17, 22}, {23, 33}, {34, 39}};
// Price items 1..7 in units of P; the last one has no upper bound.
constexpr TBand kPriceBands[kPriceItemCount - 1] = {
    {1, 50000},         {50000, 200000},    {200000, 500000},    {500000, 1000000},
    {1000000, 2500000}, {2500000, 5000000}, {5000000, INT64_MAX}};

bool InBand(std::int64_t v, const TBand& band) {
    return v >= band.low && v <= band.high;
}

// The money bounds of price item 1..7: item 1 starts at one money unit, item 7 has no upper bound.
TBand PriceItemBounds(int item, std::int32_t unit) {
    const TBand band = kPriceBands[item - 1];
    return {item == 1 ? 1 : band.low * unit, band.high == INT64_MAX ? INT64_MAX : band.high * unit};
}

template <std::size_t N> bool InBandAt(std::int64_t v, const TBand (&bands)[N], int index) {
    return index >= 0 && static_cast<std::size_t>(index) < N && InBand(v, bands[index]);
}

} // namespace

bool PassesSearch(const TPlayer& player, const TPlayerSearchFilter& filter, std::int32_t priceBandUnit) {
    if (filter.position && player.position() != *filter.position) return false;
    if (filter.nationality && player.nationality() != *filter.nationality) return false;
    if (!filter.name.empty()) {
        const std::string wanted = UpperCp1252(filter.name.substr(0, kPlayerSearchNameWidth));
        if (UpperCp1252(player.PlainName()).find(wanted) == std::string::npos) return false;
    }
    if (filter.levelBand && !InBandAt(player.level(), kLevelBands, *filter.levelBand)) return false;
    if (filter.ageBand && !InBandAt(player.age(), kAgeBands, *filter.ageBand)) return false;
    if (filter.leaveOutClub && player.Club() == filter.leaveOutClub) return false;
    if (filter.priceItem) {
        const std::int64_t price = ListedPrice(player);
        const int item = *filter.priceItem;
        if (item == 0) return price > 0;
        if (item < 1 || item >= kPriceItemCount || !InBand(price, PriceItemBounds(item, priceBandUnit)))
            return false;
    }
    return true;
}

std::vector<TPlayer*> SearchPlayers(const TWorld& world, const TPlayerSearchFilter& filter) {
    std::vector<TPlayer*> found;
    const std::int32_t unit = world.CurrencyRecord.priceBandUnit;
    for (int i = world.AllPlayers.Count() - 1; i >= 0 && static_cast<int>(found.size()) < kPlayerSearchLimit;
         --i) {
        TPlayer* player = world.AllPlayers[i];
        if (player && PassesSearch(*player, filter, unit)) found.push_back(player);
    }
    return found;
}

std::string PriceItemCaption(int item, std::int32_t priceBandUnit) {
    if (item < 1 || item >= kPriceItemCount) return std::string();
    const TBand band = PriceItemBounds(item, priceBandUnit);
    const auto number = [](std::int64_t n) { return FormatThousands(n, ' '); };
    if (item == 1) return " < " + number(band.high);
    if (item == kPriceItemCount - 1) return " > " + number(band.low);
    return number(band.low) + " - " + number(band.high);
}

std::vector<TLastTransfer*> FilterLastTransfers(const TWorld& world, const bool (&positions)[4],
                                                bool bestOnly) {
    const bool anyPosition = !(positions[0] || positions[1] || positions[2] || positions[3]);
    std::vector<TLastTransfer*> out;
    for (TLastTransfer* record : world.LastTransfersList) {
        if (!record || !record->player) continue;
        const int pos = record->player->position();
        if (!anyPosition && (pos < 0 || pos > 3 || !positions[pos])) continue;
        if (bestOnly && record->level < 30) continue;
        out.push_back(record);
    }
    return out;
}

std::vector<TPlayer*> SortedObservedPlayers(const TCoach& coach) {
    std::vector<TPlayer*> players;
    for (TPlayer* p : coach.observedPlayers)
        if (p) players.push_back(p);
    std::stable_sort(players.begin(), players.end(), [](const TPlayer* a, const TPlayer* b) {
        if (a->position() != b->position()) return a->position() < b->position();
        return a->PlainName() < b->PlainName();
    });
    return players;
}

bool ObservedListMayClose(const TCoach& coach) {
    return static_cast<int>(coach.observedPlayers.size()) < TCoach::ObservedLimit;
}
