#include "datafiles/player_attr.h"
#include "datafiles/referee_attr.h"
#include "datafiles/team_attr.h"
#include "foundation/currency.h"
#include "foundation/kol_random.h"
#include "world/calendar.h"
#include "world/game.h"
#include "world/game_factory.h"
#include "world/player.h"
#include "world/records.h"
#include "world/team.h"
#include "world/world.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace {

struct GamesWorld {
    TWorld world;
    std::vector<TTeam*> clubs;

    GamesWorld() {
        world.CurrencyRecord = BuiltInCurrencies()[0];
        world.PriceIndex = 2.0L;
    }

    // A club whose squad of `players` players all have `level`.
    TTeam* AddClub(int players, int level, long double priceFactor = 1.0L) {
        auto* team = new TTeam(world);
        world.AllTeams.Add(team);
        team->priceFactor = priceFactor;
        for (int i = 0; i < players; ++i) {
            auto* p = new TPlayer(world);
            p->attr->SetPosition(static_cast<std::uint8_t>(i % 4));
            p->SetLevel(level);
            world.AllPlayers.Add(p);
            team->AddPlayer(*p);
        }
        clubs.push_back(team);
        return team;
    }

    void AddReferee(const std::string& name) {
        auto attr = std::make_unique<TRefereeAttr>();
        attr->SetName(name);
        world.AllReferees.Add(new TReferee(world.NewObjectId(), std::move(attr)));
    }

    std::vector<std::string> RefereeNames() const {
        std::vector<std::string> names;
        for (const TReferee* r : world.AllReferees) names.push_back(r->Name());
        return names;
    }
};

} // namespace

TEST(RoundGames, CupTiesEnterBothCalendarsAndOnlyTheGivenNumberIsPlayed) {
    GamesWorld w;
    for (int i = 0; i < 6; ++i) w.AddClub(0, 1);
    CreateCompetitionGames(w.world, w.clubs, gkCup, "Cup - Semi", 10, 3000000, 2, "");
    ASSERT_EQ(w.world.RoundGames.Count(), 2);
    for (int g = 0; g < 2; ++g) {
        const TGame* game = w.world.RoundGames[g];
        EXPECT_EQ(game->kind, gkCup);
        EXPECT_EQ(game->homeTeam, w.clubs[static_cast<std::size_t>(2 * g)]);
        EXPECT_EQ(game->awayTeam, w.clubs[static_cast<std::size_t>(2 * g + 1)]);
        EXPECT_EQ(game->prizeValue, 10);
        EXPECT_EQ(game->roundMoney, 3000000);
        EXPECT_EQ(game->title, "Cup - Semi");
    }
    // The home club's tie names the away club at home, the away club's names the home club away.
    ASSERT_EQ(w.clubs[0]->calendar->Count(), 1);
    const TCalendarEntry* home = (*w.clubs[0]->calendar)[0];
    EXPECT_EQ(home->isCup, 1);
    EXPECT_EQ(home->opponentId, w.clubs[1]->id);
    EXPECT_EQ(home->away, 0);
    const TCalendarEntry* away = (*w.clubs[1]->calendar)[0];
    EXPECT_EQ(away->opponentId, w.clubs[0]->id);
    EXPECT_EQ(away->away, 1);
    EXPECT_EQ(w.clubs[3]->calendar->Count(), 1);
    // The clubs without a game this round get no entry.
    EXPECT_EQ(w.clubs[4]->calendar->Count(), 0);
    EXPECT_EQ(w.clubs[5]->calendar->Count(), 0);
}

TEST(RoundGames, OneTicketPriceFromTheRoundedMeanLevelAndPriceFactor) {
    GamesWorld w;
    w.AddClub(4, 49, 1.0L);
    w.AddClub(4, 60, 1.44L);
    // Mean level 54.5 rounds to the even 54; mean factor 1.22. 10 / sqrt(1.22) * 54 * 0.2 = 97.78 -> 98,
    // times 0.5 is 49; with the unit 2: 24.5 rounds to 24, so 48.
    CreateCompetitionGames(w.world, w.clubs, gkLeague, "Matchday", 4, 0, 0, "League");
    ASSERT_EQ(w.world.RoundGames.Count(), 2);
    EXPECT_EQ(w.world.RoundGames[0]->kind, gkHeading);
    EXPECT_EQ(w.world.RoundGames[0]->ticketPrice, 48.0L);
    EXPECT_EQ(w.world.RoundGames[1]->ticketPrice, 48.0L);
    // A cup tie: 146.67 -> 147 -> 73.5; 36.75 -> 37 -> 74.
    w.world.RoundGames.Clear();
    CreateCompetitionGames(w.world, w.clubs, gkCup, "Cup", 10, 0, 1, "");
    ASSERT_EQ(w.world.RoundGames.Count(), 1);
    EXPECT_EQ(w.world.RoundGames[0]->ticketPrice, 74.0L);
    EXPECT_EQ(w.world.RoundGames[0]->extraTime, 0);
}

TEST(RoundGames, RefereesAreReorderedByOneOfThreeDraws) {
    // Compared from character 2, 3 or 4 on, every second character; a name too short goes last.
    const std::vector<std::vector<std::string>> expected = {
        {"Xaaz", "Xa", "Xbbb"}, // from 2: a = a, then z against nothing; a < b
        {"Xaaz", "Xbbb", "Xa"}, // from 3: a < b; "Xa" has no third character
        {"Xbbb", "Xaaz", "Xa"}, // from 4: b < z
    };
    std::vector<bool> seen(3, false);
    for (std::uint32_t seed = 1; seed < 40; ++seed) {
        SetRandSeed(seed);
        const int draw = Random(3);
        GamesWorld w;
        w.AddReferee("Xa");
        w.AddReferee("Xbbb");
        w.AddReferee("Xaaz");
        SetRandSeed(seed);
        CreateCompetitionGames(w.world, {}, gkLeague, "", 0, 0, 0, "");
        EXPECT_EQ(w.RefereeNames(), expected[static_cast<std::size_t>(draw)]) << "seed " << seed;
        seen[static_cast<std::size_t>(draw)] = true;
    }
    EXPECT_TRUE(seen[0] && seen[1] && seen[2]);
}

// Many names alike at the characters compared, and of every length: the order is the one the program's
// exchange sort gives with the comparison written out here (a name that ends first goes after the other,
// alike names keep their order).
TEST(RoundGames, RefereeOrderIsTheExchangeSortsOverManyAlikeNames) {
    const auto inOrder = [](std::size_t start) {
        return [start](const TReferee* earlier, const TReferee* later) {
            const std::string a = earlier->Name(), b = later->Name();
            for (std::size_t pos = start;; pos += 2) {
                if (a.size() < pos || b.size() < pos) return a.size() >= pos || b.size() < pos;
                if (a[pos - 1] != b[pos - 1])
                    return static_cast<unsigned char>(a[pos - 1]) < static_cast<unsigned char>(b[pos - 1]);
            }
        };
    };
    SetRandSeed(5);
    GamesWorld w;
    TKolList<TReferee> expected; // the same referees, sorted by the exchange sort
    for (int i = 0; i < 80; ++i) {
        std::string name(static_cast<std::size_t>(1 + Random(6)), 'a');
        for (char& c : name) c = static_cast<char>(i % 3 == 0 ? 'a' + Random(2) : "ab\xe9"[Random(3)]);
        w.AddReferee(name);
        expected.Add(w.world.AllReferees.Last());
    }
    for (std::uint32_t seed = 1; seed < 12; ++seed) {
        SetRandSeed(seed);
        const std::size_t start = static_cast<std::size_t>(Random(3)) + 2;
        SortList(expected, inOrder(start));
        SetRandSeed(seed);
        CreateCompetitionGames(w.world, {}, gkLeague, "", 0, 0, 0, "");
        EXPECT_TRUE(std::equal(expected.begin(), expected.end(), w.world.AllReferees.begin()))
            << "seed " << seed;
    }
}

TEST(RoundGames, GameTextsAndDraws) {
    GamesWorld w;
    TTeam* home = w.AddClub(0, 1);
    TTeam* away = w.AddClub(0, 1);
    home->attr->SetName("Home Club");
    home->attr->SetShortName("Home");
    home->attr->SetColor1(0x0000FF);
    home->attr->SetColor2(0x00FF00);
    away->attr->SetName("Away Club");
    away->attr->SetShortName("Away");
    TGame game(w.world, gkLeague, 8, 0, 0, 10.0L, std::string(50, 'T'), away, home);
    EXPECT_EQ(game.title.size(), 40u);
    EXPECT_EQ(game.GetListText(0), "Home - Away");
    EXPECT_EQ(game.GetListTextEx(0, 1), "Home Club");
    EXPECT_EQ(game.GetListTextEx(0, 2), "Home Club - Away Club");
    EXPECT_EQ(game.TextColor(), home->TextColor());
    EXPECT_EQ(game.BackColor(), home->BackColor());
    // Selected, a club row in white (and the home club's game) goes on the dark grey, red on the yellow.
    EXPECT_EQ(game.SelectedBackColor(), 0x80FFFF);
    home->attr->SetColor1(0xFFFFFF);
    EXPECT_EQ(home->SelectedBackColor(), 0x303030);
    EXPECT_EQ(game.SelectedBackColor(), 0x303030);
    EXPECT_TRUE(IsDraw(game));
    home->match.matchGoals = 1;
    EXPECT_FALSE(IsDraw(game));
    TGame heading(w.world, gkHeading, 0, 0, 0, 10.0L, "First Division", nullptr, nullptr);
    EXPECT_EQ(heading.GetListText(0), "First Division");
    EXPECT_EQ(heading.TextColor(), 0);
    EXPECT_EQ(heading.SelectedBackColor(), 0);
    EXPECT_FALSE(IsDraw(heading));
}
