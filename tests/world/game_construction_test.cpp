#include "datafiles/referee_attr.h"
#include "datafiles/team_attr.h"
#include "foundation/currency.h"
#include "foundation/kol_random.h"
#include "world/attendance.h"
#include "world/game.h"
#include "world/referee_assignment.h"
#include "world/world.h"
#include "world_fixture.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

using namespace worldtest;

namespace {

TReferee& AddReferee(TWorld& world, const std::string& name, const std::string& country,
                     bool available = true) {
    auto* referee = new TReferee(world.NewObjectId(), std::make_unique<TRefereeAttr>(name, country));
    referee->available = available ? 1 : 0;
    world.AllReferees.Add(referee);
    return *referee;
}

// The seed after which the next draw leaves the state at 2^31, so RandomFloat gives exactly 0.5: the
// inverse of the multiplier mod 2^32 by Newton's iteration, applied to 2^31 - 1.
std::uint32_t SeedForHalf() {
    const std::uint32_t a = 134775813u;
    std::uint32_t inverse = a; // right in the lowest 3 bits for an odd a; each step doubles the bits
    for (int i = 0; i < 5; ++i) inverse *= 2u - a * inverse;
    return (0x80000000u - 1u) * inverse;
}

struct CrowdWorld {
    TWorld world;
    TTeam& home = MakeClub(world, "Home");
    TTeam& away = MakeClub(world, "Away");
    CrowdWorld() {
        world.CurrencyRecord = BuiltInCurrencies()[0];
        FillSquad(home, 2, 14, 50);
        FillSquad(away, 2, 14, 40);
        home.stadium.size = 24; // 120 000 seats: no crowd of these games is capped
    }
};

} // namespace

TEST(Attendance, TableStatusFactorThePowerAndTheCupFactor) {
    // Levels 50 and 40, both supports 1, a draw of 0.5: a = (100 + 40 + 1.5) x 150 = 21225, times the
    // status factor; then Round((a + 1)^1.04), for a cup tie times 1.3 before rounding.
    struct Case {
        std::uint8_t status;
        std::int32_t league, cup;
    };
    const Case cases[] = {
        {0, 65013, 84518}, // a = 42450
        {1, 48203, 62663}, // 31837.5
        {2, 12193, 15851}, // 8490: a relegated club draws 0.4 of its crowd
        {3, 34913, 45387}, // 23347.5
        {4, 18588, 24164}, // 12735
        {5, 31619, 41104}, // 21225: a table position still open leaves the crowd as it is
        {9, 31619, 41104},
    };
    for (const Case& c : cases) {
        for (const std::uint8_t kind : {std::uint8_t{gkLeague}, std::uint8_t{gkCup}}) {
            CrowdWorld w;
            w.home.season.tableStatus = c.status;
            SetRandSeed(SeedForHalf());
            TGame game(w.world, kind, 0, 0, 0, 10.0L, "", &w.away, &w.home);
            EXPECT_EQ(game.attendance, kind == gkCup ? c.cup : c.league)
                << int(c.status) << " kind " << int(kind);
        }
    }
}

TEST(Attendance, SupportOfBothClubsAndTheStadiumsCapacity) {
    CrowdWorld w;
    // sqrt(4) doubles a to 42450, as a champion's factor would.
    w.home.SetSupportFactor(4.0L);
    w.home.season.tableStatus = 5;
    SetRandSeed(SeedForHalf());
    EXPECT_EQ(TGame(w.world, gkLeague, 0, 0, 0, 10.0L, "", &w.away, &w.home).attendance, 65013);
    w.home.SetSupportFactor(1.0L);
    w.away.SetSupportFactor(0.25L);
    SetRandSeed(SeedForHalf());
    // sqrt(0.25) halves it: a = 10612.5, (10613.5)^1.04 = 15378.4.
    EXPECT_EQ(TGame(w.world, gkLeague, 0, 0, 0, 10.0L, "", &w.away, &w.home).attendance, 15378);

    // A stadium of 5 000 seats admits 5 000 and its fill moves a tenth of the way to 5000 / 5001.
    w.home.stadium.size = 1;
    w.home.stadium.SetFillRatio(0.5L);
    SetRandSeed(SeedForHalf());
    EXPECT_EQ(TGame(w.world, gkLeague, 0, 0, 0, 10.0L, "", &w.away, &w.home).attendance, 5000);
    EXPECT_NEAR(static_cast<double>(w.home.stadium.fillRatio()), 0.45 + 0.1 * 5000.0 / 5001.0, 1e-9);
}

TEST(Attendance, AHeadingRowOrAGameWithoutBothClubsDrawsNothing) {
    CrowdWorld w;
    SetRandSeed(77);
    const TGame heading(w.world, gkHeading, 0, 0, 0, 10.0L, "First", nullptr, nullptr);
    const TGame single(w.world, gkLeague, 0, 0, 0, 10.0L, "", nullptr, &w.home);
    EXPECT_EQ(heading.attendance, 0);
    EXPECT_EQ(single.attendance, 0);
    EXPECT_EQ(RandSeed(), 77u);
}

TEST(RefereeFavour, RemainderOfTheNameSumWithTheSignOfTheSum) {
    TWorld world;
    TTeam& club = MakeClub(world, "Zz", "POR");
    club.attr->SetColor2(0x123456);
    // ('A' - 'Z') + ('b' - 'z') = -25 - 24 = -49; its remainder by 11 is -5 (not 6): favour 5. Only the
    // shorter name's length counts.
    EXPECT_EQ(RefereeFavour(AddReferee(world, "Ab", "ESP"), club), 5);
    EXPECT_EQ(RefereeFavour(AddReferee(world, "Abxyz", "ESP"), club), 5);
    TTeam& even = MakeClub(world, "AL", "POR");
    even.attr->SetColor2(0x123456);
    // ('7' - 'A') + ('!' - 'L') = (55 - 65) + (33 - 76) = -53: remainder -9, favour 9 (a floor modulo
    // would give 2).
    EXPECT_EQ(RefereeFavour(AddReferee(world, "7!", "ESP"), even), 9);
    // ('"' - 'A') - 43 = -31 - 43 = -74: remainder -8, favour 8.
    EXPECT_EQ(RefereeFavour(AddReferee(world, "\"!", "ESP"), even), 8);
    // A positive sum: ('z' - 'A') + ('L' - 'L') = 57 -> 2.
    EXPECT_EQ(RefereeFavour(AddReferee(world, "zL", "ESP"), even), 2);
}

TEST(RefereeFavour, CountryAndShirtColourTerms) {
    TWorld world;
    TTeam& club = MakeClub(world, "Zz", "POR");
    TReferee& foreign = AddReferee(world, "Ab", "ESP"); // name term 5, as above
    TReferee& compatriot = AddReferee(world, "Ab", "POR");
    const struct {
        TColor shirt;
        int foreignFavour;
    } cases[] = {{0x0000FF, 6}, {0x800000, 6}, {0xFF0000, 6}, {0x008000, 4},
                 {0x00FF00, 4}, {0x0000FE, 5}, {0x000080, 5}, {0x008001, 5}};
    for (const auto& c : cases) {
        club.attr->SetColor2(c.shirt);
        EXPECT_EQ(RefereeFavour(foreign, club), c.foreignFavour) << std::hex << c.shirt;
        EXPECT_EQ(RefereeFavour(compatriot, club), c.foreignFavour + 3) << std::hex << c.shirt;
    }
    // Nothing from the names and a green shirt: -1 becomes 0.
    TTeam& green = MakeClub(world, "Ab", "POR");
    green.attr->SetColor2(0x008000);
    EXPECT_EQ(RefereeFavour(foreign, green), 0);
}

TEST(AssignReferee, ClubsOfTwoCountriesGetAThirdCountrysReferee) {
    TWorld world;
    TTeam& home = MakeClub(world, "Home", "POR");
    TTeam& away = MakeClub(world, "Away", "ESP");
    AddReferee(world, "Ref Por", "POR");
    AddReferee(world, "Ref Esp", "ESP");
    AddReferee(world, "Ref Ita", "ITA", false);
    TReferee& french = AddReferee(world, "Ref Fra", "FRA");
    AddReferee(world, "Ref Ger", "GER");
    EXPECT_EQ(AssignReferee(world, home, away), &french);
    EXPECT_EQ(french.available, 0);
}

TEST(AssignReferee, ClubsOfOneCountryPreferARefereeOfTheirCountry) {
    TWorld world;
    TTeam& home = MakeClub(world, "Home", "POR");
    TTeam& away = MakeClub(world, "Away", "POR");
    TReferee& french = AddReferee(world, "Ref Fra", "FRA");
    AddReferee(world, "Ref Por 1", "POR", false);
    TReferee& second = AddReferee(world, "Ref Por 2", "POR");
    EXPECT_EQ(AssignReferee(world, home, away), &second);
    // The second game of the same clubs: no compatriot is left, the first of another country comes.
    EXPECT_EQ(AssignReferee(world, home, away), &french);
    // Nobody left: no referee.
    EXPECT_EQ(AssignReferee(world, home, away), nullptr);
}

TEST(AssignReferee, TheGameAddsTheHomeBonusOnlyWithAReferee) {
    TWorld world;
    world.CurrencyRecord = BuiltInCurrencies()[0];
    TTeam& home = MakeClub(world, "Zz", "POR");
    TTeam& away = MakeClub(world, "Zz", "ESP");
    TGame without(world, gkLeague, 0, 0, 0, 10.0L, "", &away, &home);
    EXPECT_EQ(without.referee, nullptr);
    EXPECT_EQ(without.homeFavour, 0);
    EXPECT_EQ(without.awayFavour, 0);
    TReferee& referee = AddReferee(world, "Ab", "ITA");
    TGame with(world, gkLeague, 0, 0, 0, 10.0L, "", &away, &home);
    EXPECT_EQ(with.referee, &referee);
    EXPECT_EQ(with.homeFavour, 5 + 2);
    EXPECT_EQ(with.awayFavour, 5);
}
