#include "foundation/languages.h"

#include "foundation/errors.h"
#include "foundation/settings.h"
#include "foundation/texts.h"
#include "labels_test_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <system_error>

namespace {
class LanguagesTest : public ::testing::Test {
protected:
    void AddLabels(const std::string& code, const std::vector<std::string>& header) {
        std::vector<std::string> texts = header;
        texts.resize(200);
        texts[189] = "zero"; // text 190
        texts.push_back("");
        WriteTexts(LabelsFilePath(dir(), code), texts);
    }
    void AddCountries(const std::string& code, const std::vector<std::string>& lines) {
        WriteTexts(CountryNamesFilePath(dir(), code), lines);
    }
    std::string dir() const { return folder.Path().string(); }
    TempFolder folder;
};

TEST_F(LanguagesTest, OnlyCompleteLanguagesAreListedSortedByName) {
    // Folder order and name order differ: "zz" is "Alpha", "aa" is "Zeta".
    AddLabels("aa", {"KB2002 - LABEL", "aa Zeta", "ZET"});
    AddCountries("aa", {"Countries 2000", "x", "x"});
    AddLabels("zz", {"KB2002 - LABEL", "zz-Alpha", "ALP"});
    AddCountries("zz", {"Old names", "zz", "x"}); // passes by its second line
    // Not listed: a country names file that is missing, damaged, or names another language; a labels file
    // with the wrong marker or a damaged first line; a folder without files.
    AddLabels("mm", {"KB2002 - LABEL", "mm Missing countries", "MIS"});
    AddLabels("dd", {"KB2002 - LABEL", "dd Damaged countries", "DAM"});
    WriteRawLines(CountryNamesFilePath(dir(), "dd"), {"!^aS#\x88", "X", "X"});
    AddLabels("oo", {"KB2002 - LABEL", "oo Other code", "OTH"});
    AddCountries("oo", {"Countries", "pt", "x"});
    AddLabels("ww", {"KB2002 - LABEX", "ww Wrong marker", "WRO"});
    AddCountries("ww", {"Countries 2000", "x", "x"});
    WriteRawLines(LabelsFilePath(dir(), "bb"), {"!^aS#\x88", "X", "X"});
    AddCountries("bb", {"Countries 2000", "x", "x"});
    std::filesystem::create_directories(folder.Path() / "Int" / "ee");
    WriteRawLines((folder.Path() / "Int" / "plainfile").string(), {"X"});

    const std::vector<TLangAvailable> languages = FindLanguages(dir());
    ASSERT_EQ(languages.size(), 2u);
    EXPECT_EQ(languages[0].code, "zz");
    EXPECT_EQ(languages[0].name, "Alpha");
    EXPECT_EQ(languages[0].flagFile, "ALP");
    EXPECT_EQ(languages[1].code, "aa");
    EXPECT_EQ(languages[1].name, "Zeta");
    EXPECT_EQ(languages[1].flagFile, "ZET");
}

TEST_F(LanguagesTest, NoLanguageFolderGivesAnEmptyList) {
    EXPECT_TRUE(FindLanguages(dir()).empty());
}

TEST_F(LanguagesTest, ALabelsFileDamagedAnywhereLeavesItsLanguageOutAndSaysWhere) {
    AddLabels("aa", {"KB2002 - LABEL", "aa Zeta", "ZET"});
    AddCountries("aa", {"Countries 2000", "x", "x"});
    // "bb": sound header, line 100 damaged. "cc": cut in the middle of its last line.
    std::vector<std::string> lines;
    for (const char* text : {"KB2002 - LABEL", "bb Beta", "BET"}) lines.push_back(EncodeLabelsLine(text));
    lines.resize(120, "X");
    lines[99] = "!^aS#\x88";
    WriteRawLines(LabelsFilePath(dir(), "bb"), lines);
    AddCountries("bb", {"Countries 2000", "x", "x"});
    lines[99] = "X";
    const std::string last = EncodeLabelsLine("the last words of a file that was cut short");
    lines[119] = last.substr(0, last.size() / 2);
    std::filesystem::create_directories(std::filesystem::path(LabelsFilePath(dir(), "cc")).parent_path());
    {
        std::ofstream out(LabelsFilePath(dir(), "cc"), std::ios::binary);
        for (std::size_t i = 0; i < lines.size(); ++i)
            out << lines[i] << (i + 1 < lines.size() ? "\r\n" : "");
    }
    AddCountries("cc", {"Countries 2000", "x", "x"});

    std::vector<TLanguageProblem> problems;
    const std::vector<TLangAvailable> languages = FindLanguages(dir(), &problems);
    ASSERT_EQ(languages.size(), 1u);
    EXPECT_EQ(languages[0].code, "aa");
    ASSERT_EQ(problems.size(), 2u);
    EXPECT_EQ(problems[0].code, "bb");
    EXPECT_EQ(problems[0].reason, LabelsFilePath(dir(), "bb") + ": line 100: Error in labels file");
    EXPECT_EQ(problems[1].code, "cc");
    EXPECT_EQ(problems[1].reason, LabelsFilePath(dir(), "cc") + ": line 120: Error in labels file");
    // Opened by its code, the damaged file is refused before any text of it is shown.
    EXPECT_THROW(StartLanguage(dir(), "bb"), EInvalidFile);
    EXPECT_FALSE(LabelsFileIsOpen());

    // The stored language that went bad is reported with the damaged line, and another is asked for.
    TMemorySettingsStore store;
    WriteSetting(store, kSettingLanguage, "bb");
    std::vector<std::string> reports;
    TLanguageStart how;
    how.select = [] { return std::string("aa"); };
    how.report = [&](const std::string& m) { reports.push_back(m); };
    EXPECT_EQ(OpenLanguageAtStart(store, dir(), how), "aa");
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_NE(reports[0].find(problems[0].reason), std::string::npos) << reports[0];
    CloseLabelsFile();
}

TEST_F(LanguagesTest, WithoutAnyUsableLanguageTheReasonIsToldAndNobodyIsAsked) {
    TMemorySettingsStore store;
    std::vector<std::string> reports;
    int asked = 0;
    TLanguageStart how;
    how.select = [&] {
        ++asked;
        return std::string("aa");
    };
    how.report = [&](const std::string& m) { reports.push_back(m); };
    // No language folder at all: its path and the system's reason.
    EXPECT_EQ(OpenLanguageAtStart(store, dir(), how), "");
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_NE(reports[0].find(LanguagesFolder(dir()) + ": " +
                              std::make_error_code(std::errc::no_such_file_or_directory).message()),
              std::string::npos)
        << reports[0];
    // A language folder whose labels file is missing: that file.
    AddCountries("aa", {"Countries 2000", "x", "x"});
    reports.clear();
    EXPECT_EQ(OpenLanguageAtStart(store, dir(), how), "");
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_NE(reports[0].find(LabelsFilePath(dir(), "aa") + " not found or is invalid."), std::string::npos)
        << reports[0];
    EXPECT_EQ(asked, 0);
    EXPECT_EQ(ReadSetting(store, kSettingLanguage), "");
}

TEST(StartupLanguage, AUsableSettingWinsAndIsCutToTwoCharacters) {
    const std::vector<TLangAvailable> usable = {{"en", "English", "ENG"}, {"pt", "Portugues", "POR"}};
    int asked = 0;
    const auto select = [&] {
        ++asked;
        return std::string("pt");
    };
    EXPECT_EQ(ChooseLanguageAtStart("english", usable, select), "en");
    EXPECT_EQ(asked, 0);
    EXPECT_EQ(ChooseLanguageAtStart("", usable, select), "pt");
    EXPECT_EQ(asked, 1);
    // A stored language that is no longer there is asked for again instead of ending the program.
    EXPECT_EQ(ChooseLanguageAtStart("fr", usable, select), "pt");
    EXPECT_EQ(asked, 2);
    EXPECT_EQ(ChooseLanguageAtStart("en", {}, select), "pt");
    EXPECT_EQ(asked, 3);
    // Cancelled or nothing to choose from: empty, and the program ends with exit code 1.
    EXPECT_EQ(ChooseLanguageAtStart("", usable, [] { return std::string(); }), "");
    EXPECT_EQ(ChooseLanguageAtStart("fr", usable, {}), "");
    EXPECT_EQ(kNoLanguageExitCode, 1);
}

TEST_F(LanguagesTest, AStoredLanguageThatIsGoneIsAskedForAgainAndTheAnswerStored) {
    AddLabels("aa", {"KB2002 - LABEL", "aa Zeta", "ZET"});
    AddCountries("aa", {"Countries 2000", "x", "x"});
    // "zz" was chosen once; its labels file has gone since, its country names file is still there.
    AddCountries("zz", {"Countries 2000", "x", "x"});
    TMemorySettingsStore store;
    WriteSetting(store, kSettingLanguage, "zz");
    std::vector<std::string> reports;
    int asked = 0;
    TLanguageStart how;
    how.select = [&] {
        ++asked;
        return std::string("aa");
    };
    how.report = [&](const std::string& m) { reports.push_back(m); };
    EXPECT_EQ(OpenLanguageAtStart(store, dir(), how), "aa");
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(GetText(2), "aa Zeta"); // the chosen language is the open one
    EXPECT_EQ(ReadSetting(store, kSettingLanguage), "aa");
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_NE(reports[0].find("\"zz\""), std::string::npos) << reports[0];

    // The next start finds it and asks nothing.
    reports.clear();
    EXPECT_EQ(OpenLanguageAtStart(store, dir(), how), "aa");
    EXPECT_EQ(asked, 1);
    EXPECT_TRUE(reports.empty());
    CloseLabelsFile();
}

TEST_F(LanguagesTest, ALanguageThatFailsToOpenIsReportedAndAskedForAgainOnce) {
    for (const std::string code : {"aa", "bb"}) {
        AddLabels(code, {"KB2002 - LABEL", code + " Name", "ZET"});
        AddCountries(code, {"Countries 2000", "x", "x"});
    }
    TMemorySettingsStore store;
    WriteSetting(store, kSettingLanguage, "aa");
    std::vector<std::string> answers = {"bb"}, opened, reports;
    TLanguageStart how;
    how.select = [&] {
        const std::string next = answers.empty() ? std::string() : answers.front();
        if (!answers.empty()) answers.erase(answers.begin());
        return next;
    };
    how.open = [&](const std::string& code) {
        opened.push_back(code);
        if (code == "aa") throw EInvalidFile("Error in labels file");
    };
    how.report = [&](const std::string& m) { reports.push_back(m); };
    EXPECT_EQ(OpenLanguageAtStart(store, dir(), how), "bb");
    EXPECT_EQ(opened, (std::vector<std::string>{"aa", "bb"}));
    EXPECT_EQ(reports, (std::vector<std::string>{"Error in labels file"}));
    EXPECT_EQ(ReadSetting(store, kSettingLanguage), "bb");

    // A user who picks the failed language again, or cancels, ends the start without a loop.
    WriteSetting(store, kSettingLanguage, "aa");
    answers = {"aa"};
    opened.clear();
    EXPECT_EQ(OpenLanguageAtStart(store, dir(), how), "");
    EXPECT_EQ(opened, (std::vector<std::string>{"aa"}));
    EXPECT_EQ(ReadSetting(store, kSettingLanguage), "aa");
    EXPECT_EQ(OpenLanguageAtStart(store, dir(), how), ""); // answers empty: cancelled
}

TEST_F(LanguagesTest, StartingALanguageOpensItsLabelsAndFillsTheSlots) {
    AddLabels("aa", {"KB2002 - LABEL", "aa Zeta", "ZET"});
    StartLanguage(dir(), "aa");
    EXPECT_EQ(GetText(2), "aa Zeta");
    EXPECT_EQ(SlotText(190), "zero");
    CloseLabelsFile();
    try {
        StartLanguage(dir(), "qq");
        ADD_FAILURE() << "a missing labels file was opened";
    } catch (const EFileNotFound& e) {
        EXPECT_EQ(e.what(), LabelsFilePath(dir(), "qq") + " not found or is invalid.");
    }
}
} // namespace

namespace {
// The languages the build lays beside the programs pass the same discovery the game runs at start-up.
TEST(ShippedLanguages, EnglishAndPortugueseAreFound) {
    const std::string bin = std::string(KOLBRIN_BINARY_DIR) + "/bin";
    if (!std::filesystem::is_directory(bin + "/Int")) GTEST_SKIP() << "the data folder is not built";
    std::vector<std::string> codes;
    for (const TLangAvailable& lang : FindLanguages(bin)) {
        codes.push_back(lang.code);
        EXPECT_FALSE(lang.name.empty());
        EXPECT_FALSE(lang.flagFile.empty());
    }
    std::sort(codes.begin(), codes.end());
    EXPECT_EQ(codes, (std::vector<std::string>{"en", "pt"}));
}
} // namespace
