#pragma once
// The five divisions of a career: the four leagues of ten clubs, top first, and the pool of all other
// clubs (index 4), which plays no league. A division keeps its clubs in table order; the league rules
// (fixtures, table, statuses, the level each position pulls its players toward) work on that order.
#include "foundation/kol_list.h"
#include "foundation/kol_object.h"

#include <cstdint>
#include <string>
#include <vector>

class TTeam;
class TWorld;

class TDivision : public TKolObject {
public:
    static constexpr std::size_t kNameWidth = 20;
    static constexpr int kDivisionCount = 5;
    static constexpr int kLeagueCount = 4;

    // Division `index` (0 the top league): its name from the language texts, its reference level and the
    // prestige its league games are worth. No clubs yet.
    TDivision(TWorld& world, int index);
    // A division read back from a saved game: the reader sets every field.
    explicit TDivision(TWorld& world);

    TWorld& World() const { return *world_; }

    std::int16_t referenceLevel = 0; // the level the players of its clubs drift toward
    std::string name;
    std::string nameHeld;          // the bytes of the name's field as read; written back under the name
    TKolList<TTeam> teams{false};  // in table order; the world owns the clubs
    std::int32_t totalBalance = 0; // all its clubs' money when the career was created
    std::int32_t winPrestige = 0;  // prestige a league win brings

    // The club at `index` of the table, or nullptr outside it.
    TTeam* ClubAt(int index) const;
    // The index of this division in the world's list, or -1.
    int Index() const;

    // Creates the games of league matchday `matchday` (1..18) in the world's RoundGames: moves every
    // club's priceFactor toward the division's present share of its starting wealth, then pairs the clubs
    // by their fixture slots.
    void GenerateRound(int matchday);
    // Sorts the clubs into table order (points, goal difference, goals scored; ties keep their order).
    void SortTable();
    // Gives every club its table position and status after `matchday`.
    void ClassifyTable(int matchday);
    // The new-season step of every club; `hasDivision` false clears their calendars (the pool).
    void NewSeasonAll(bool hasDivision);
    void ComputeTotalBalance();

    std::string GetListText(int mask) const override;
    void SetupColumns(TColumnList& header, bool numbered, int a, int b) const override;

private:
    TWorld* world_;
};

// The name of division `index`: a language text of its own for 0..4, the numbered name text for any
// other index.
std::string DivisionName(int index);

// Fills the world's (empty) Divisions with the five divisions of a new career.
void CreateDivisions(TWorld& world);
// The division at `index`, or nullptr.
TDivision* DivisionAt(const TKolList<TDivision>& divisions, int index);
// After each matchday: every club of the four leagues moves its players' levels toward its division's
// reference level minus 4 for each place below the top of the table.
void ApplyLevelEvolution(TKolList<TDivision>& divisions);
