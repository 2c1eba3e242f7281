// The referee file and the country group files: golden bytes, what a reader skips, and damaged files.
#include "datafiles/country_group_file.h"
#include "datafiles/referee_file.h"
#include "foundation/errors.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <vector>

namespace {
using Bytes = std::vector<std::uint8_t>;

const Bytes kRefereeHeader = {7, 96, 30, 66, 203, 198, 38, 235}; // "Referee", coded twice
const Bytes kRossi = {9, 91, 1, 232, 239, 72, 16, 75, 249, 16};  // "ITA Rossi", coded twice

Bytes Concat(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const Bytes& p : parts) all.insert(all.end(), p.begin(), p.end());
    return all;
}

} // namespace

TEST(RefereeFile, GoldenBytes) {
    EXPECT_EQ(WriteRefereeFile({TRefereeAttr("Rossi", "ITA")}), Concat({kRefereeHeader, kRossi}));
    const auto refs = ReadRefereeFile(Concat({kRefereeHeader, kRossi}));
    ASSERT_EQ(refs.size(), 1u);
    EXPECT_EQ(refs[0].Country(), "ITA");
    EXPECT_EQ(refs[0].Name(), "Rossi");
}

TEST(RefereeFile, EmptyEntriesAreSkippedAndLongNamesCut) {
    TBinaryWriter out;
    out.CodedString("Referee", 2);
    out.CodedString("", 2);
    out.CodedString("POR/" + std::string(45, 'n'), 2); // any separator character
    const auto refs = ReadRefereeFile(out.Data());
    ASSERT_EQ(refs.size(), 1u);
    EXPECT_EQ(refs[0].Country(), "POR");
    EXPECT_EQ(refs[0].Name(), std::string(40, 'n'));
    // The writer cuts code, blank and name to 44 characters in all.
    EXPECT_EQ(refs[0].Entry(), "POR " + std::string(40, 'n'));
    EXPECT_EQ(WriteRefereeFile(refs).size(), kRefereeHeader.size() + 45);
}

TEST(RefereeFile, AWrongFirstStringOrADamagedEntryIsAnError) {
    TBinaryWriter out;
    out.CodedString("Referees", 2);
    EXPECT_THROW(ReadRefereeFile(out.Data()), EInvalidFile);
    TBinaryWriter once;
    once.CodedString("Referee", 1); // coded only once
    EXPECT_THROW(ReadRefereeFile(once.Data()), EInvalidFile);
    EXPECT_THROW(ReadRefereeFile({}), EInvalidFile);
    const Bytes valid = Concat({kRefereeHeader, kRossi});
    for (std::size_t n = 0; n < valid.size(); ++n) {
        if (n == kRefereeHeader.size()) continue; // just the first string: a file with no referees
        EXPECT_THROW(ReadRefereeFile(Bytes(valid.begin(), valid.begin() + static_cast<std::ptrdiff_t>(n))),
                     EInvalidFile)
            << "length " << n;
    }
    EXPECT_TRUE(ReadRefereeFile(kRefereeHeader).empty());
}

TEST(RefereeFile, TheGameLoadSetsTheErrorFlagInsteadOfThrowing) {
    bool error = false;
    EXPECT_TRUE(LoadRefereeFile("/nonexistent/referee.txe", error).empty());
    EXPECT_TRUE(error);
    const auto dir = std::filesystem::temp_directory_path() / "kolbrin_referee_test";
    std::filesystem::create_directories(dir);
    const std::string path = (dir / "referee.txe").string();
    WriteRefereeFilePath(path, {TRefereeAttr("Rossi", "ITA"), TRefereeAttr("Smith", "ENG")});
    const auto refs = LoadRefereeFile(path, error);
    EXPECT_FALSE(error);
    ASSERT_EQ(refs.size(), 2u);
    EXPECT_EQ(refs[1].Name(), "Smith");
    std::filesystem::remove_all(dir);
}

TEST(CountryGroupFile, GoldenBytes) {
    // "Bosman" and "POR", each coded twice.
    const Bytes golden = {6, 78, 5, 47, 198, 190, 36, 3, 86, 248, 236};
    EXPECT_EQ(WriteCountryGroupFile("Bosman", {"POR"}), golden);
    const TCountryGroupFile f = ReadCountryGroupFile(golden);
    EXPECT_EQ(f.header, "Bosman");
    EXPECT_EQ(f.entries, (std::vector<std::string>{"POR"}));
    const Bytes plop = {4, 88, 248, 231, 38};
    EXPECT_EQ(WriteCountryGroupFile("PLOP", {}), plop);
}

TEST(CountryGroupFile, EveryTruncationInsideAnEntryIsAnError) {
    const Bytes golden = {6, 78, 5, 47, 198, 190, 36, 3, 86, 248, 236};
    for (std::size_t n = 0; n < golden.size(); ++n) {
        const Bytes cut(golden.begin(), golden.begin() + static_cast<std::ptrdiff_t>(n));
        if (n == 7) {
            // Cut right after the header: a group without countries.
            EXPECT_TRUE(ReadCountryGroupFile(cut).entries.empty());
            continue;
        }
        EXPECT_THROW(ReadCountryGroupFile(cut), EInvalidFile) << "length " << n;
    }
}
