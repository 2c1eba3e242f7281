#include "datafiles/team_check.h"

#include "datafiles/countries.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace {
constexpr std::array<TTeamCheckReason, 12> kReasons{{
    {tcEmptyName, 54, "EmptyName", 0},
    {tcUnknownCountry, 55, "UnknownCountry", 0},
    {tcBadLevel, 56, "BadLevel", 0},
    {tcTooFewPlayers, 57, "TooFewPlayers", 0},
    {tcTooManyPlayers, 58, "TooManyPlayers", 0},
    {tcNoGoalkeeper, 59, "NoGoalkeeper", 0},
    {tcTooFewOutfield, 60, "TooFewOutfield", 0},
    {tcTooManyForeign, 61, "TooManyForeign", 0},
    {tcNoCoach, 62, "NoCoach", 0},
    {tcTooManyStars, 63, "TooManyStars", kMaxStars},
    {tcBadFileName, 311, "BadFileName", 0},
    {tcDuplicateFileName, 313, "DuplicateFileName", 0},
}};

bool AllowedFileNameChar(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '_' || c == '.';
}

std::string LowerAscii(std::string s) {
    for (char& c : s)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return s;
}
} // namespace

std::span<const TTeamCheckReason> TeamCheckReasons() {
    return kReasons;
}

bool IsValidTeamFileName(const std::string& fileName) {
    if (!std::all_of(fileName.begin(), fileName.end(),
                     [](char c) { return AllowedFileNameChar(static_cast<unsigned char>(c)); }))
        return false;
    return std::count(fileName.begin(), fileName.end(), '.') == 1;
}

std::uint32_t ComputeTeamCheckFlags(const TTeamAttr& team, std::span<const TPlayerAttr* const> players,
                                    const TCoachAttr* coach, const std::string& fileName,
                                    std::span<const std::string> otherFileNames) {
    std::uint32_t flags = 0;
    if (team.Name().empty() || team.ShortName().empty()) flags |= tcEmptyName;
    if (!CountryExists(AllCountries(), team.Country())) flags |= tcUnknownCountry;
    if (team.Level() >= 235 && team.Level() <= 254) flags |= tcBadLevel;
    const int count = static_cast<int>(players.size());
    if (count < kMinPlayers) flags |= tcTooFewPlayers;
    if (count > kMaxPlayers) flags |= tcTooManyPlayers;
    int goalkeepers = 0, outfield = 0, foreign = 0, stars = 0;
    for (const TPlayerAttr* p : players) {
        if (p->Position() == 0) ++goalkeepers;
        if (p->Position() >= 1 && p->Position() <= 3) ++outfield;
        if (NationalityRelation(p->Nationality(), team.Country()) == kForeignRelation) ++foreign;
        if (p->IsStar()) ++stars;
    }
    if (goalkeepers == 0) flags |= tcNoGoalkeeper;
    if (outfield < kMinOutfield) flags |= tcTooFewOutfield;
    if (foreign > kMaxForeign) flags |= tcTooManyForeign;
    if (coach == nullptr || coach->Name().empty()) flags |= tcNoCoach;
    if (stars > kMaxStars) flags |= tcTooManyStars;
    if (!IsValidTeamFileName(fileName)) {
        flags |= tcBadFileName;
    } else {
        const std::string mine = LowerAscii(fileName);
        for (const std::string& other : otherFileNames)
            if (LowerAscii(other) == mine) {
                flags |= tcDuplicateFileName;
                break;
            }
    }
    return flags;
}

bool CheckTeam(const TTeamAttr& team, std::span<const TPlayerAttr* const> players, const TCoachAttr* coach,
               const std::string& fileName, std::span<const std::string> otherFileNames, bool show,
               const TShowTeamCheckFn& showFn, std::uint32_t* flagsOut) {
    const std::uint32_t flags = ComputeTeamCheckFlags(team, players, coach, fileName, otherFileNames);
    if (flagsOut) *flagsOut = flags;
    if (show && flags != 0 && showFn) showFn(team.ShortName(), flags);
    return flags == 0;
}
