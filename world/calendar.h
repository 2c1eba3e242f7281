#pragma once
// A club's calendar: its 18 league games of the season in play order, with the cup ties slotted in as the
// draws make them. Result processing files every result on the club's next unplayed entry, so the order of
// the entries is what ties a game to its line here.
#include "foundation/kol_list.h"
#include "foundation/kol_object.h"

#include <cstdint>
#include <string>
#include <vector>

class TTeam;
class TWorld;

class TCalendarEntry : public TKolObject {
public:
    // The world resolves the opponent's and the referee's names when the entry is shown.
    explicit TCalendarEntry(const TWorld& world) : world_(&world) {}

    std::int16_t matchday = 0; // league matchday 1..18; 0 for a cup tie
    std::uint8_t decision = 0; // cup ties: 0 normal time, 1 extra time, 2 won and 3 lost on penalties
    std::uint8_t isCup = 0;    // 1 a cup tie
    std::int16_t opponentId = 0;
    std::int16_t goalsFor = -1;     // -1 until played
    std::int16_t goalsAgainst = -1; // -1 until played
    std::int16_t away = 0;          // 0 home, 1 away
    std::int32_t attendance = -1;   // -1 until played
    std::int32_t receipts = 0;
    std::uint8_t competitionKind = 0; // matched against a game's calendar selector; 2 matches any
    std::int16_t refereeId = 0;

    bool Played() const { return goalsFor >= 0; }
    const TWorld& World() const { return *world_; }

    // Columns: matchday, opponent, home/away letter, score, receipts, competition mark, referee.
    std::string GetListText(int mask) const override;
    void SetupColumns(TColumnList& header, bool numbered, int a, int b) const override;
    // Green for a cup tie, blue for a league game; silver at home, white away.
    TColor TextColor() const override;
    TColor BackColor() const override;

private:
    const TWorld* world_;
};

class TCalendar : public TKolList<TCalendarEntry> {
public:
    explicit TCalendar(const TWorld& world) : TKolList<TCalendarEntry>(true), world_(&world) {}

    const TWorld& World() const { return *world_; }

    // Rebuilds the 18 league entries of the club at `clubIndex` among `divisionClubIds` (the ids of its
    // division's ten clubs in division order), from the fixed fixture scheme.
    void BuildLeagueCalendar(const std::vector<std::int16_t>& divisionClubIds, int clubIndex);
    // The same from the division's club list.
    void BuildLeagueCalendar(const TKolList<TTeam>& divisionClubs, int clubIndex);
    // A cup tie against `opponentId`, placed in front of the next unplayed game (of kind 0 or 2), or at the
    // end when every game is played; returns the new entry (owned by the calendar).
    TCalendarEntry* InsertCupEntry(std::int16_t opponentId, std::int16_t away);
    // The first unplayed entry whose competitionKind is `kind` or 2; nullptr when there is none.
    TCalendarEntry* NextEntry(int kind) const;

private:
    const TWorld* world_;
};
