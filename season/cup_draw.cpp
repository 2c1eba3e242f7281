#include "season/cup_draw.h"

#include "foundation/kol_list.h"
#include "foundation/kol_random.h"
#include "foundation/numeric.h"
#include "world/world.h"

#include <array>
#include <stdexcept>

namespace {

// The pairing table: a club drawn first from pot p meets a club whose pot shows the same letter in the
// second row. Pot 0 (exempt) matches nobody.
constexpr std::array<char, 6> kFirstRow = {' ', 'A', 'B', 'C', 'D', 'X'};
constexpr std::array<char, 6> kSecondRow = {'Z', 'D', 'C', 'B', 'A', 'X'};
constexpr std::array<TColor, 6> kPotColours = {0xFFFFFF, 0x80FFFF, 0x80FF80, 0xC0C0C0, 0xE8DF88, 0x80FFFF};

std::string LineName(const TTeam& team) {
    return team.ShortName() + (team.coach != nullptr && team.coach->isHuman ? "*" : "");
}

} // namespace

int TCupDraw::GamesFor(int cupClubs) {
    int d = 1;
    while (cupClubs * 0.5L > d) d *= 2;
    return cupClubs - d;
}

TCupDraw::TCupDraw(TWorld& world, int games) : world_(world) {
    world_.CupTeams.Pack();
    const int clubs = world_.CupTeams.Count();
    games_ = games > 0 ? games : GamesFor(clubs);
    gamesLeft_ = games_;
    finalStages_ = clubs < 9;
    exempt_ = clubs - 2 * games_;
    potSize_ = exempt_ > 0 ? (clubs - exempt_) / 2 : clubs / 4;
    if (potSize_ < 1) potSize_ = 1;
    // Seeding order: prestige, highest first; equal prestige keeps the list order.
    SortList(world_.CupTeams, [](const TTeam* a, const TTeam* b) { return a->prestige() >= b->prestige(); });
    for (TTeam* team : world_.CupTeams) team->cupSlot = kUndrawn;
}

int TCupDraw::PotOf(int index) const {
    if (index < exempt_) return 0;
    if (finalStages_) return 5;
    if (exempt_ == 0) {
        if (index >= world_.CupTeams.Count() - 1) return 4;
        const int pot = index / potSize_ + 1;
        return pot > 4 ? 4 : pot;
    }
    return index < exempt_ + potSize_ ? 1 : 4;
}

bool TCupDraw::PotsMayMeet(int pot1, int pot2) {
    if (pot1 < 0 || pot1 > 5 || pot2 < 0 || pot2 > 5) return false;
    return kFirstRow[static_cast<std::size_t>(pot1)] == kSecondRow[static_cast<std::size_t>(pot2)];
}

TColor TCupDraw::PotColour(int pot) {
    return pot >= 0 && pot <= 5 ? kPotColours[static_cast<std::size_t>(pot)] : kPotColours[0];
}

int TCupDraw::IntervalMs() const {
    const int clubs = world_.CupTeams.Count();
    if (clubs < 32) return 500;
    return static_cast<int>(nearest(500.0L / clubs * 32));
}

bool TCupDraw::AllowedPairExists() const {
    std::array<int, 6> undrawn{};
    const int clubs = world_.CupTeams.Count();
    for (int i = 0; i < clubs; ++i)
        if (world_.CupTeams[i]->cupSlot == kUndrawn) ++undrawn[static_cast<std::size_t>(PotOf(i))];
    for (int a = 1; a <= 5; ++a)
        for (int b = 1; b <= 5; ++b)
            if (PotsMayMeet(a, b) && undrawn[static_cast<std::size_t>(a)] > (a == b ? 1 : 0) &&
                undrawn[static_cast<std::size_t>(b)] > 0)
                return true;
    return false;
}

bool TCupDraw::DrawNextPair() {
    if (gamesLeft_ <= 0) return false;
    // The pots keep equally many undrawn clubs on both sides of every pairing, so a computed draw always
    // finds a pair; a draw asked for more games than that would otherwise pick for ever.
    if (!AllowedPairExists()) throw std::logic_error("cup draw: no pair left to draw");
    const TKolList<TTeam>& cup = world_.CupTeams;
    const int clubs = cup.Count();
    auto pick = [&]() {
        for (;;) {
            const int i = Random(clubs);
            if (cup[i]->cupSlot == kUndrawn && PotOf(i) > 0) return i;
        }
    };
    int i1 = 0;
    int i2 = 0;
    do {
        i1 = pick();
        i2 = pick();
    } while (i1 == i2 || !PotsMayMeet(PotOf(i1), PotOf(i2)));

    TTeam* t1 = cup[i1];
    TTeam* t2 = cup[i2];
    t1->cupSlot = nextNumber_;
    t2->cupSlot = static_cast<std::int16_t>(nextNumber_ + 1);
    nextNumber_ = static_cast<std::int16_t>(nextNumber_ + 2);
    --gamesLeft_;

    TPair pair;
    pair.first = t1;
    pair.second = t2;
    pair.line = LineName(*t1) + " - " + LineName(*t2);
    pair.human = (t1->coach != nullptr && t1->coach->isHuman) || (t2->coach != nullptr && t2->coach->isHuman);
    pairs_.push_back(pair);
    return true;
}

void DrawCupRound(TWorld& world, int games) {
    TCupDraw draw(world, games);
    // A port that shows the draw steps it on its timer; whatever it left undrawn is drawn here.
    world.Port().RunCupDraw(draw);
    while (draw.DrawNextPair()) {}
}

void SortCupTeamsByDraw(TWorld& world) {
    world.CupTeams.Pack();
    SortList(world.CupTeams, [](const TTeam* a, const TTeam* b) { return a->cupSlot <= b->cupSlot; });
}
