#include "world/referee_assignment.h"

#include "world/records.h"
#include "world/team.h"
#include "world/world.h"

#include <algorithm>
#include <cstdlib>
#include <string>

namespace {

// Shirt colours as Windows colour values (0x00BBGGRR).
constexpr TColor kRed = 0x0000FF;
constexpr TColor kNavy = 0x800000;
constexpr TColor kBlue = 0xFF0000;
constexpr TColor kGreen = 0x008000;
constexpr TColor kLime = 0x00FF00;

TReferee* FirstAvailable(TWorld& world, const auto& fits) {
    for (TReferee* referee : world.AllReferees)
        if (referee != nullptr && referee->available != 0 && fits(referee->Country())) return referee;
    return nullptr;
}

} // namespace

TReferee* AssignReferee(TWorld& world, const TTeam& home, const TTeam& away) {
    const std::string homeCountry = home.Country();
    const std::string awayCountry = away.Country();
    TReferee* referee = FirstAvailable(
        world, [&](const std::string& country) { return country == homeCountry && country == awayCountry; });
    if (referee == nullptr)
        referee = FirstAvailable(world, [&](const std::string& country) {
            return country != homeCountry && country != awayCountry;
        });
    if (referee != nullptr) referee->available = 0;
    return referee;
}

std::int16_t RefereeFavour(const TReferee& referee, const TTeam& team) {
    const std::string refereeName = referee.Name();
    const std::string teamName = team.Name();
    const std::size_t n = std::min(refereeName.size(), teamName.size());
    std::int16_t sum = 0;
    for (std::size_t i = 0; i < n; ++i)
        sum = static_cast<std::int16_t>(sum + static_cast<unsigned char>(refereeName[i]) -
                                        static_cast<unsigned char>(teamName[i]));
    // C++'s remainder takes the sign of the dividend, as the rule wants.
    int favour = std::abs(sum % 11);
    if (referee.Country() == team.Country()) favour += 3;
    switch (team.BackColor()) {
    case kRed:
    case kNavy:
    case kBlue:
        favour += 1;
        break;
    case kGreen:
    case kLime:
        favour -= 1;
        break;
    default:
        break;
    }
    return static_cast<std::int16_t>(std::max(favour, 0));
}
