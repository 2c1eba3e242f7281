#pragma once
// The rules a team must meet before the editor saves it. Each broken rule sets one bit; each bit has the
// number of the language text that names the reason.
#include "datafiles/coach_attr.h"
#include "datafiles/player_attr.h"
#include "datafiles/team_attr.h"

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

enum TeamCheckFlags : std::uint32_t {
    tcEmptyName = 0x001,        // name or short name empty
    tcUnknownCountry = 0x002,   // country code not in the list of countries
    tcBadLevel = 0x004,         // level byte 235..254
    tcTooFewPlayers = 0x008,    // fewer than 14 players
    tcTooManyPlayers = 0x010,   // more than 20 players
    tcNoGoalkeeper = 0x020,     // no player at position 0
    tcTooFewOutfield = 0x040,   // fewer than 10 players at positions 1..3
    tcTooManyForeign = 0x080,   // more than 6 players foreign to the team's country
    tcNoCoach = 0x100,          // no coach, or an empty coach name
    tcTooManyStars = 0x200,     // 6 or more stars
    tcBadFileName = 0x400,      // a character outside A-Z a-z 0-9 - _ . or not exactly one "."
    tcDuplicateFileName = 0x800 // another team in the editor has this file name (only without 0x400)
};

struct TTeamCheckReason {
    std::uint32_t bit;
    int text;         // language text naming the reason
    const char* name; // the flag's name, used where no language file is at hand
    int formatNumber; // the text is formatted with this number when not 0 (the star limit 5)
};

// Every bit in ascending order.
std::span<const TTeamCheckReason> TeamCheckReasons();

constexpr int kTeamCheckHeadingText = 65;
constexpr int kMinPlayers = 14;
constexpr int kMaxPlayers = 20;
constexpr int kMinOutfield = 10;
constexpr int kMaxForeign = 6;
constexpr int kMaxStars = 5;

// Whether a team-file name has only the allowed characters and exactly one ".".
bool IsValidTeamFileName(const std::string& fileName);

// Computes the flags. The country rules use the global country list and groups (CountryExists,
// NationalityRelation). otherFileNames are the file names of the other teams open in the editor; the
// comparison ignores letter case, as the file system the files travel to does.
std::uint32_t ComputeTeamCheckFlags(const TTeamAttr& team, std::span<const TPlayerAttr* const> players,
                                    const TCoachAttr* coach, const std::string& fileName,
                                    std::span<const std::string> otherFileNames);

// The dialog that lists the reasons: caption, the heading text number and one text number per set bit.
using TShowTeamCheckFn = std::function<void(const std::string& caption, std::uint32_t flags)>;

// The check as the editor calls it: when show is set and any bit is set, calls showFn with the team's
// short name as caption. Returns true when no bit is set.
bool CheckTeam(const TTeamAttr& team, std::span<const TPlayerAttr* const> players, const TCoachAttr* coach,
               const std::string& fileName, std::span<const std::string> otherFileNames, bool show,
               const TShowTeamCheckFn& showFn, std::uint32_t* flagsOut = nullptr);
