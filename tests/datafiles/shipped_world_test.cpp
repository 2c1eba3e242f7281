// The data folder the build lays out, read with the game's own loaders: both languages' country names and
// the groups load without a message, the groups decide who is foreign as intended, every team file has its
// header, and the referee file loads without the data-error state.
#include "datafiles/countries.h"
#include "datafiles/referee_file.h"
#include "datafiles/team_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

class ShippedWorld : public ::testing::Test {
protected:
    void SetUp() override {
        gameDir_ = fs::path(KOLBRIN_BINARY_DIR) / "bin";
        if (!fs::is_directory(gameDir_ / "Teams")) GTEST_SKIP() << "no data folder laid out in " << gameDir_;
    }
    void TearDown() override { ResetCountries(); }

    // Loads the countries of a language as the game does at start; returns the messages shown.
    std::vector<std::string> Load(const std::string& lang) {
        std::vector<std::string> messages;
        ResetCountries();
        LoadCountries(gameDir_.string(), (gameDir_ / "Int" / lang).string(), lang, "POR", "Portugal",
                      [&](const std::string& text, const std::string& caption) {
                          messages.push_back(caption + ": " + text);
                      });
        return messages;
    }

    fs::path gameDir_;
};

TEST_F(ShippedWorld, BothLanguagesLoadCountriesAndGroups) {
    for (const char* lang : {"en", "pt"}) {
        SCOPED_TRACE(lang);
        EXPECT_TRUE(Load(lang).empty());
        EXPECT_GE(AllCountries().Count(), 40);
        ASSERT_NE(FindCountry(kFindByCode, "ENG"), nullptr);
        ASSERT_NE(FindCountry(kFindByCode, "POR"), nullptr);
        EXPECT_GT(BosmanCountries().Count(), 10);
        EXPECT_GT(PlopCountries().Count(), 4);
    }
    // The names are the language's own.
    EXPECT_EQ(FindCountry(kFindByCode, "ENG")->Name(), "Inglaterra");
    ASSERT_NE(FindCountry(kFindByName, "Espanha"), nullptr);
    EXPECT_EQ(FindCountry(kFindByName, "Espanha")->Code(), "ESP");
    Load("en");
    EXPECT_EQ(FindCountry(kFindByCode, "ENG")->Name(), "England");
}

TEST_F(ShippedWorld, GroupsDecideWhoIsForeign) {
    Load("pt");
    EXPECT_EQ(NationalityRelation("POR", "POR"), 0);
    EXPECT_EQ(NationalityRelation("POR", "ENG"), 1); // the European economic group
    EXPECT_EQ(NationalityRelation("ESP", "SCO"), 1);
    EXPECT_EQ(NationalityRelation("POR", "BRA"), 1); // the Portuguese-speaking group
    EXPECT_EQ(NationalityRelation("ANG", "CPV"), 1);
    EXPECT_EQ(NationalityRelation("BRA", "ENG"), kForeignRelation); // one group each
    EXPECT_EQ(NationalityRelation("ARG", "ESP"), kForeignRelation);
    EXPECT_EQ(NationalityRelation("NGA", "GHA"), kForeignRelation);
}

TEST_F(ShippedWorld, EveryTeamFileCarriesItsHeader) {
    int teams = 0;
    for (const auto& entry : fs::directory_iterator(gameDir_ / "Teams")) {
        if (entry.path().extension() != ".kbt") continue;
        const TTeamFile file = TTeamFile::ReadFile(entry.path().string(), kDataFormat2002);
        SCOPED_TRACE(entry.path().filename().string());
        EXPECT_TRUE(file.headerOk);
        EXPECT_EQ(file.header.FileType(), "TEAM");
        EXPECT_EQ(file.header.Description(), file.team.ShortName());
        EXPECT_GE(file.team.Level(), 1);
        EXPECT_LE(file.team.Level(), 20);
        ++teams;
    }
    EXPECT_GE(teams, 300);
}

TEST_F(ShippedWorld, RefereesLoadWithKnownCountries) {
    Load("en");
    bool dataError = true;
    const std::vector<TRefereeAttr> referees =
        LoadRefereeFile((gameDir_ / kRefereeFileName).string(), dataError);
    EXPECT_FALSE(dataError);
    EXPECT_GE(referees.size(), 200u);
    for (const TRefereeAttr& r : referees) {
        EXPECT_NE(FindCountry(kFindByCode, r.Country()), nullptr) << r.Name();
        EXPECT_FALSE(r.Name().empty());
    }
}

} // namespace
