#pragma once
// What the market's list views select: the player search over every player of the world, the filters
// of the last-transfers list and the order of a coach's observed players. The dialogs only show these.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class TCoach;
class TLastTransfer;
class TPlayer;
class TTeam;
class TWorld;

// The search shows at most this many players.
constexpr int kPlayerSearchLimit = 50;
constexpr std::size_t kPlayerSearchNameWidth = 20;

// Level bands (both bounds included): 1-10, 10-25, 25-40, 40-60, 60-80, 80-100.
constexpr int kLevelBandCount = 6;
// Age bands: 17-22, 23-33, 34-39.
constexpr int kAgeBandCount = 3;
// Price items: 0 every listed player; 1..7 bands of the listed price in units of the currency's price-band
// unit P: up to 50 000 P, 50 000 P - 200 000 P, ... 2 500 000 P - 5 000 000 P, and from 5 000 000 P on.
constexpr int kPriceItemCount = 8;

// Every filter that is set must pass; an unset one lets everybody through.
struct TPlayerSearchFilter {
    std::optional<int> position; // 0..3
    std::optional<std::string> nationality;
    std::string name;                    // must occur in the upper-cased name; cut to 20 characters
    std::optional<int> levelBand;        // 0..5
    std::optional<int> ageBand;          // 0..2
    std::optional<int> priceItem;        // 0..7, tested on the listed price
    const TTeam* leaveOutClub = nullptr; // the viewer's own club when "not my team" is ticked
};

// Scans the world's players from the end of the list; at most kPlayerSearchLimit results.
std::vector<TPlayer*> SearchPlayers(const TWorld& world, const TPlayerSearchFilter& filter);
bool PassesSearch(const TPlayer& player, const TPlayerSearchFilter& filter, std::int32_t priceBandUnit);
// The caption of a price item (1..7) with blank thousands separators; empty for other items.
std::string PriceItemCaption(int item, std::int32_t priceBandUnit);

// The last transfers of the positions whose flag is set (none set: every position), only players of
// level 30 or more when `bestOnly`. In list order.
std::vector<TLastTransfer*> FilterLastTransfers(const TWorld& world, const bool (&positions)[4],
                                                bool bestOnly);

// A coach's observed players in the order the list shows them: by position, then by name.
std::vector<TPlayer*> SortedObservedPlayers(const TCoach& coach);
// The observed list may be closed only with at most 15 players in it.
bool ObservedListMayClose(const TCoach& coach);
