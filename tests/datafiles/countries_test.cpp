// Countries: the names file of a language, the fallback country, the two groups with their messages, the
// nationality relation and the dropping of unused countries.
#include "datafiles/countries.h"
#include "datafiles/country_group_file.h"
#include "foundation/errors.h"
#include "foundation/labels_line.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {
namespace fs = std::filesystem;

class CountriesTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetCountries();
        dir_ = fs::temp_directory_path() / ("kolbrin_countries_" + std::to_string(::getpid()));
        fs::create_directories(dir_ / kGroupFolder);
    }
    void TearDown() override {
        ResetCountries();
        fs::remove_all(dir_);
    }

    std::string WriteNames(const std::vector<std::string>& plain) {
        const std::string path = (dir_ / CountryNamesFileName("en")).string();
        std::ofstream out(path, std::ios::binary);
        for (const std::string& line : plain) out << (line.empty() ? "X" : EncodeLabelsLine(line)) << "\r\n";
        return path;
    }
    void WriteGroup(const char* file, const std::string& header, const std::vector<std::string>& entries) {
        WriteCountryGroupFilePath((dir_ / kGroupFolder / file).string(), header, entries);
    }
    // Five countries; Bosman: POR ESP ITA; PLOP: POR BRA ANG.
    void LoadSample() {
        LoadCountryNames(WriteNames({"Countries 2000", "en", "POR-PRT-Portugal", "ESP-ESP-Spain",
                                     "ITA-ITA-Italy", "BRA-BRA-Brazil", "ANG-AGO-Angola", "ENG-ENG-England"}),
                         "en");
        WriteGroup(kBosmanFileName, "Bosman", {"POR", "ESP", "ITA", "XXX"});
        WriteGroup(kPlopFileName, "PLOP", {"POR Portugal", "BRA", "ANG"});
        LoadCountryGroups(dir_.string(), [this](const std::string& t, const std::string& c) {
            messages_.push_back(c + ": " + t);
        });
    }

    fs::path dir_;
    std::vector<std::string> messages_;
};
} // namespace

TEST_F(CountriesTest, TheNamesFileGivesCodeCode2AndName) {
    LoadCountryNames(WriteNames({"Countries 2000", "en", "POR-PRT-Portugal", "", "AB",
                                 "DEU DEU A very long country name"}),
                     "en");
    ASSERT_EQ(AllCountries().Count(), 3);
    const TCountry* p = FindCountry(kFindByCode, "POR");
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p->Name(), "Portugal");
    EXPECT_EQ(p->Code2(), "PRT");
    EXPECT_EQ(FindCountry(kFindByName, "Portugal"), p);
    EXPECT_EQ(FindCountry(kFindByCode, "AB")->Name(), ""); // a line with only a code
    EXPECT_EQ(FindCountry(kFindByCode, "DEU")->Name(), "A very long country ");
    EXPECT_FALSE(p->selected);
    EXPECT_EQ(p->wantedTeams, 0);
    EXPECT_FALSE(p->used);
}

TEST_F(CountriesTest, AWrongHeaderOrLanguageOrDamagedLineIsFatal) {
    EXPECT_THROW(LoadCountryNames(WriteNames({"Countries 1999", "en"}), "en"), EInvalidFile);
    EXPECT_THROW(LoadCountryNames(WriteNames({"Countries 2000", "pt"}), "en"), EInvalidFile);
    EXPECT_THROW(LoadCountryNames(WriteNames({"Countries 2000"}), "en"), EInvalidFile);
    EXPECT_THROW(LoadCountryNames((dir_ / "none.kbl").string(), "en"), EFileNotFound);
    const std::string path = WriteNames({"Countries 2000", "en", "POR-PRT-Portugal"});
    std::string text;
    {
        std::ifstream in(path, std::ios::binary);
        text.assign(std::istreambuf_iterator<char>(in), {});
    }
    text[text.size() - 4] ^= 1; // one changed character in the last line
    std::ofstream(path, std::ios::binary) << text;
    EXPECT_THROW(LoadCountryNames(path, "en"), EInvalidFile);
}

TEST_F(CountriesTest, TheCountryOfText10IsAddedWhenMissing) {
    LoadCountryNames(WriteNames({"Countries 2000", "en", "ESP-ESP-Spain"}), "en");
    AddFallbackCountry("POR", "Portugal");
    AddFallbackCountry("ESP", "Other name");
    ASSERT_EQ(AllCountries().Count(), 2);
    EXPECT_EQ(FindCountry(kFindByCode, "POR")->Code2(), "POR");
    EXPECT_EQ(FindCountry(kFindByCode, "ESP")->Name(), "Spain");
}

TEST_F(CountriesTest, GroupsSkipUnknownCodes) {
    LoadSample();
    EXPECT_TRUE(messages_.empty());
    EXPECT_EQ(BosmanCountries().Count(), 3);
    EXPECT_EQ(PlopCountries().Count(), 3);
    EXPECT_TRUE(CountryExists(PlopCountries(), "POR"));
    EXPECT_FALSE(CountryExists(BosmanCountries(), "XXX"));
}

TEST_F(CountriesTest, AMissingOrInvalidGroupFileLeavesThatGroupEmptyWithAMessage) {
    LoadCountryNames(WriteNames({"Countries 2000", "en", "POR-PRT-Portugal"}), "en");
    WriteGroup(kPlopFileName, "Bosman", {"POR"}); // the wrong header
    LoadCountryGroups(dir_.string(), [this](const std::string& t, const std::string& c) {
        messages_.push_back(c + ": " + t);
    });
    ASSERT_EQ(messages_.size(), 2u);
    EXPECT_EQ(messages_[0], "File not found: " + (dir_ / kGroupFolder / kBosmanFileName).string());
    EXPECT_EQ(messages_[1], "Invalid file: " + (dir_ / kGroupFolder / kPlopFileName).string());
    EXPECT_EQ(BosmanCountries().Count(), 0);
    EXPECT_EQ(PlopCountries().Count(), 0);
    std::ofstream((dir_ / kGroupFolder / kPlopFileName).string(), std::ios::binary)
        << "\x06\x4e\x05"; // cut short
    EXPECT_EQ(LoadCountryGroup((dir_ / kGroupFolder / kPlopFileName).string(), "PLOP", PlopCountries()),
              TGroupLoadResult::Invalid);
}

TEST_F(CountriesTest, NationalityRelation) {
    LoadSample();
    EXPECT_EQ(NationalityRelation("POR", "POR"), 0);
    EXPECT_EQ(NationalityRelation("ENG", "ENG"), 0); // same code, in no group
    EXPECT_EQ(NationalityRelation("ESP", "ITA"), 1); // both Bosman
    EXPECT_EQ(NationalityRelation("BRA", "POR"), 1); // both PLOP
    EXPECT_EQ(NationalityRelation("ESP", "BRA"), 2); // Bosman only with PLOP only
    EXPECT_EQ(NationalityRelation("ENG", "POR"), 2);
}

TEST_F(CountriesTest, DroppedCountriesAreGoneFromTheListAndTheGroups) {
    LoadSample();
    MarkCountryUsed("POR");
    MarkCountryUsed("BRA");
    MarkCountryUsed("???");
    DropUnusedCountries();
    EXPECT_EQ(AllCountries().Count(), 2);
    EXPECT_EQ(FindCountry(kFindByCode, "ESP"), nullptr);
    EXPECT_EQ(BosmanCountries().Count(), 1);
    EXPECT_EQ(PlopCountries().Count(), 2);
    EXPECT_EQ(NationalityRelation("BRA", "POR"), 1);
}

TEST_F(CountriesTest, FlagFilesLieInTheFlagsFolder) {
    fs::create_directories(dir_ / "flags");
    std::ofstream((dir_ / "flags" / "POR.bmp").string()) << "x";
    const TFlagFile f = FlagFile(dir_.string(), "POR");
    EXPECT_EQ(f.path, (dir_ / "flags" / "POR.bmp").string());
    EXPECT_TRUE(f.exists);
    EXPECT_FALSE(FlagFile(dir_.string(), "ESP").exists);
}
