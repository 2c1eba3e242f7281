// The rules a team must meet before it is saved: each bit on its own, and the borders of every count.
#include "datafiles/countries.h"
#include "datafiles/team_check.h"

#include <gtest/gtest.h>

#include <memory>

namespace {
class TeamCheckTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetCountries();
        for (const char* code : {"POR", "ESP", "BRA", "ENG"})
            AllCountries().Add(std::make_unique<TCountry>(code, code, code));
        BosmanCountries().Add(FindCountry(kFindByCode, "POR"));
        BosmanCountries().Add(FindCountry(kFindByCode, "ESP"));
        PlopCountries().Add(FindCountry(kFindByCode, "POR"));
        PlopCountries().Add(FindCountry(kFindByCode, "BRA"));
        team_.SetName("Futebol Clube");
        team_.SetShortName("FC");
        team_.SetCountry("POR");
        coach_.SetName("Ze");
        // A goalkeeper and 13 outfield players: the smallest valid squad.
        AddPlayers(1, 0, "POR");
        AddPlayers(13, 2, "POR");
    }
    void TearDown() override { ResetCountries(); }

    void AddPlayers(int count, std::uint8_t position, const std::string& code, std::uint8_t star = 0) {
        for (int i = 0; i < count; ++i) {
            TPlayerAttr p;
            p.SetName("P" + std::to_string(players_.size()));
            p.SetPosition(position);
            p.SetNationality(code);
            p.SetStar(star);
            players_.push_back(p);
        }
    }
    std::uint32_t Flags(const std::string& fileName = "fc.kbt", const TCoachAttr* coach = nullptr,
                        std::vector<std::string> others = {}) {
        std::vector<const TPlayerAttr*> ptrs;
        for (const TPlayerAttr& p : players_) ptrs.push_back(&p);
        return ComputeTeamCheckFlags(team_, ptrs, coach ? coach : &coach_, fileName, others);
    }

    TTeamAttr team_;
    TCoachAttr coach_;
    std::vector<TPlayerAttr> players_;
};
} // namespace

TEST_F(TeamCheckTest, TheSmallestValidSquadPasses) {
    EXPECT_EQ(Flags(), 0u);
}

TEST_F(TeamCheckTest, ThirteenPlayersAreTooFewAndTwentyOneTooMany) {
    players_.pop_back();
    EXPECT_EQ(Flags(), tcTooFewPlayers);
    AddPlayers(7, 1, "POR"); // 20
    EXPECT_EQ(Flags(), 0u);
    AddPlayers(1, 1, "POR");
    EXPECT_EQ(Flags(), tcTooManyPlayers);
}

TEST_F(TeamCheckTest, GoalkeeperAndOutfieldCounts) {
    players_[0].SetPosition(1);
    EXPECT_EQ(Flags(), tcNoGoalkeeper);
    // Four goalkeepers and ten outfield players: ten is enough.
    for (int i = 0; i < 4; ++i) players_[static_cast<std::size_t>(i)].SetPosition(0);
    EXPECT_EQ(Flags(), 0u);
    // Five goalkeepers and nine outfield players: too few.
    players_[4].SetPosition(0);
    EXPECT_EQ(Flags(), tcTooFewOutfield);
    // One goalkeeper and ten outfield players are eleven players: too few players, but enough outfield.
    players_.resize(11);
    for (std::size_t i = 1; i < players_.size(); ++i) players_[i].SetPosition(3);
    EXPECT_EQ(Flags(), tcTooFewPlayers);
}

TEST_F(TeamCheckTest, SixForeignersPassSevenDoNot) {
    // ESP and BRA share a group with POR: not foreign. ENG is foreign.
    for (int i = 1; i <= 6; ++i) players_[static_cast<std::size_t>(i)].SetNationality("ENG");
    players_[7].SetNationality("ESP");
    players_[8].SetNationality("BRA");
    EXPECT_EQ(Flags(), 0u);
    players_[9].SetNationality("ENG");
    EXPECT_EQ(Flags(), tcTooManyForeign);
}

TEST_F(TeamCheckTest, ABosmanPlayerInAPlopTeamIsForeign) {
    team_.SetCountry("BRA");
    for (int i = 1; i <= 7; ++i) players_[static_cast<std::size_t>(i)].SetNationality("ESP");
    for (std::size_t i = 8; i < players_.size(); ++i) players_[i].SetNationality("BRA");
    players_[0].SetNationality("BRA");
    EXPECT_EQ(Flags(), tcTooManyForeign);
}

TEST_F(TeamCheckTest, FiveStarsPassSixDoNot) {
    for (int i = 1; i <= 5; ++i) players_[static_cast<std::size_t>(i)].SetStar(1);
    EXPECT_EQ(Flags(), 0u);
    players_[6].SetStar(1);
    EXPECT_EQ(Flags(), tcTooManyStars);
}

TEST_F(TeamCheckTest, NamesCountryLevelAndCoach) {
    team_.SetShortName("");
    EXPECT_EQ(Flags(), tcEmptyName);
    team_.SetShortName("FC");
    team_.SetCountry("XYZ");
    EXPECT_EQ(Flags() & tcUnknownCountry, tcUnknownCountry);
    team_.SetCountry("POR");
    for (int level : {234, 235, 254, 255}) {
        team_.SetLevel(static_cast<std::uint8_t>(level));
        EXPECT_EQ(Flags(), level >= 235 && level <= 254 ? tcBadLevel : 0u) << level;
    }
    team_.SetLevel(10);
    TCoachAttr nameless;
    EXPECT_EQ(Flags("fc.kbt", &nameless), tcNoCoach);
    std::vector<const TPlayerAttr*> ptrs;
    for (const TPlayerAttr& p : players_) ptrs.push_back(&p);
    EXPECT_EQ(ComputeTeamCheckFlags(team_, ptrs, nullptr, "fc.kbt", {}), tcNoCoach);
}

TEST_F(TeamCheckTest, FileNameCharactersAndDots) {
    for (const char* good : {"fc.kbt", "A-Z_0.9", "x.", ".kbt"}) EXPECT_EQ(Flags(good), 0u) << good;
    for (const char* bad : {"fc", "fc.old.kbt", "f c.kbt", "fc\xE7.kbt", "dir/fc.kbt", "dir\\fc.kbt", ""})
        EXPECT_EQ(Flags(bad), tcBadFileName) << bad;
}

TEST_F(TeamCheckTest, ADuplicateFileNameCountsOnlyForAValidName) {
    EXPECT_EQ(Flags("fc.kbt", nullptr, {"other.kbt", "FC.KBT"}), tcDuplicateFileName);
    EXPECT_EQ(Flags("f c.kbt", nullptr, {"f c.kbt"}), tcBadFileName);
}

TEST_F(TeamCheckTest, TheDialogOpensOnlyWhenAskedAndSomethingIsWrong) {
    std::vector<const TPlayerAttr*> ptrs;
    for (const TPlayerAttr& p : players_) ptrs.push_back(&p);
    int shown = 0;
    std::string caption;
    std::uint32_t shownFlags = 0;
    const TShowTeamCheckFn show = [&](const std::string& c, std::uint32_t f) {
        ++shown;
        caption = c;
        shownFlags = f;
    };
    EXPECT_TRUE(CheckTeam(team_, ptrs, &coach_, "fc.kbt", {}, true, show));
    EXPECT_EQ(shown, 0);
    ptrs.pop_back();
    EXPECT_FALSE(CheckTeam(team_, ptrs, &coach_, "fc.kbt", {}, false, show));
    EXPECT_EQ(shown, 0);
    EXPECT_FALSE(CheckTeam(team_, ptrs, &coach_, "fc", {}, true, show));
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(caption, "FC");
    EXPECT_EQ(shownFlags, tcTooFewPlayers | tcBadFileName);
}

TEST(TeamCheckReasons, EveryBitHasItsTextInAscendingOrder) {
    const auto reasons = TeamCheckReasons();
    ASSERT_EQ(reasons.size(), 12u);
    const int texts[] = {54, 55, 56, 57, 58, 59, 60, 61, 62, 63, 311, 313};
    for (std::size_t i = 0; i < reasons.size(); ++i) {
        EXPECT_EQ(reasons[i].bit, 1u << i);
        EXPECT_EQ(reasons[i].text, texts[i]);
    }
    EXPECT_EQ(reasons[9].formatNumber, 5);
}
