#pragma once
// One fixture of the matchday being played, or a heading row that only names the competition in the list
// of the round's games. The world's RoundGames owns the games; a game refers to its clubs and its referee,
// which the world owns too.
#include "foundation/kol_list.h"
#include "foundation/kol_object.h"
#include "world/game_event.h"

#include <cstdint>
#include <string>

class TTeam;
class TReferee;
class TWorld;

enum TGameKind : std::uint8_t {
    gkLeague = 0,
    gkCup = 1,
    gkHeading = 2, // no clubs: the title is drawn as a caption line
};

class TGame : public TKolObject {
public:
    static constexpr std::size_t kTitleWidth = 40;

    // Stores the fields (the title cut to its width) with an empty events list, then fixes the crowd
    // (ComputeAttendance: one draw for a game between two clubs) and, when both clubs are present, the
    // referee (AssignReferee) and his favour toward each side, the home side's with a bonus of 2 (both 0
    // without a referee). A cup tie also enters itself in both clubs' calendars: the home club's entry
    // names the away club with the home flag 0, the away club's entry names the home club with the flag 1.
    TGame(TWorld& world, std::uint8_t kind, std::int32_t prizeValue, std::int32_t roundMoney,
          std::uint8_t calendarSlot, long double ticketPrice, const std::string& title, TTeam* awayTeam,
          TTeam* homeTeam);
    // A game read back from a saved game: every field is set by the reader; the events list is empty.
    explicit TGame(TWorld& world);

    TWorld& World() const { return *world_; }

    std::string title;
    std::string titleHeld; // the bytes of the title's field as read; written back under the title
    std::uint8_t kind = gkLeague;
    TTeam* homeTeam = nullptr; // nullptr on a heading row
    TTeam* awayTeam = nullptr;
    long double ticketPrice = 0;
    std::int32_t roundMoney = 0; // a cup round's bonus; 0 for league games
    std::int32_t attendance = 0;
    TKolList<TGameEvent> events{true};
    TReferee* referee = nullptr;
    std::int16_t homeFavour = 0; // the referee's leaning toward the home side, home bonus included
    std::int16_t awayFavour = 0;
    std::uint8_t extraTime = 0; // 1 once a cup tie is level after 90 minutes
    std::int32_t receipts = 0;
    std::uint8_t calendarSlot = 0; // which calendar entries the result is filed on
    std::int32_t prizeValue = 0;   // prestige a winner gains

    bool HasTeams() const { return homeTeam != nullptr && awayTeam != nullptr; }

    // Selector 0: the two short names; 1: the home club's name; 2: both full names. A game without clubs
    // shows its title.
    std::string GetListText(int mask) const override;
    std::string GetListTextEx(int mask, int selector) const override;
    // The home club's two colours (0 without a home club).
    TColor TextColor() const override;
    TColor BackColor() const override;
    TColor SelectedBackColor() const override;

private:
    TWorld* world_;
};

// True when both clubs are present and have scored the same number of goals.
bool IsDraw(const TGame& game);
