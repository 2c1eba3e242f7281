// Team files of both data formats: golden bytes written out from the layout tables, reading back, the
// fields an older file derives, and the header's failure-and-rewind rule.
#include "datafiles/team_file.h"
#include "foundation/errors.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <vector>

namespace {
using Bytes = std::vector<std::uint8_t>;

Bytes Concat(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const Bytes& p : parts) all.insert(all.end(), p.begin(), p.end());
    return all;
}

// "KBa" and 47 zero bytes.
Bytes LeadBlock() {
    Bytes b(50, 0);
    b[0] = 'K';
    b[1] = 'B';
    b[2] = 'a';
    return b;
}

// The header as the editor writes it, entries 1, 3, 2, 6, 7, 4, 5, 0.
const Bytes kHeader = {1, 0, 5, 0, 4,    100,  189,  237,  31,         // fileType "TEAM", 4 coding steps
                       3, 0, 2, 0, 5,    0,                            // version 5
                       2, 0, 3, 0, 2,    73,   122,                    // description "Ab", 4 steps
                       6, 0, 2, 0, 1,    119,                          // savedBy "u", 2 steps
                       7, 0, 6, 0, 0x8E, 0xB5, 0x3C, 0x28, 0xD0, 0x33, // saved 2002-03-04
                       4, 0, 3, 0, 2,    75,   207,                    // author "Al", 5 steps
                       5, 0, 6, 0, 0x77, 0xB5, 0xA0, 0x33, 0xAB, 0x8B, // created 2001-12-31
                       0, 0};

const Bytes kTeamRecord = {2,    72,   139,       // name "FC"
                           2,    67,   165,       // shortName "Ab"
                           0xFF, 0,    0,    0,   // color1 red
                           0xFF, 0xFF, 0xFF, 0,   // color2 white
                           3,    83,   162,  244, // country "POR"
                           12};                   // level

const Bytes kPlayers98 = {2, 0,                            // two players
                          3, 83, 162, 244, 3, 85, 202, 51, // "POR", "Rui"
                          0, 0,                            // goalkeeper, no star
                          3, 72, 155, 235, 2, 76, 187,     // "ESP", "Jo"
                          3, 1};                           // forward, star

const Bytes kPlayers2002 = {
    2, 0,                             // two players
    3, 83, 162, 244, 3,  85, 202, 51, // "POR", "Rui"
    0, 0,  3,   0,   25, 0,  0,   0,  // goalkeeper, no star, behaviour 3, no star, age 25
    3, 72, 155, 235, 2,  76, 187,     // "ESP", "Jo"
    3, 1,  5,   1,   30, 0,  0,   0}; // forward, star, behaviour 5, star, age 30

const Bytes kCoach = {2, 92, 193}; // "Ze"

TTeamFile SampleTeam() {
    TTeamFile f;
    f.header.SetFileType("TEAM");
    f.header.SetVersion(5);
    f.header.SetDescription("Ab");
    f.header.SetSavedBy("u");
    f.header.SetSaved(TScrambledDate::FromDate({2002, 3, 4}));
    f.header.SetAuthor("Al");
    f.header.SetCreated(TScrambledDate::FromDate({2001, 12, 31}));
    f.team.SetName("FC");
    f.team.SetShortName("Ab");
    f.team.SetColor1(0xFF);
    f.team.SetColor2(0xFFFFFF);
    f.team.SetCountry("POR");
    f.team.SetLevel(12);
    TPlayerAttr a;
    a.SetNationality("POR");
    a.SetName("Rui");
    a.SetPosition(0);
    a.SetBehaviour(3);
    a.SetAge(25);
    TPlayerAttr b;
    b.SetNationality("ESP");
    b.SetName("Jo");
    b.SetPosition(3);
    b.SetStar(1);
    b.SetBehaviour(5);
    b.SetAge(30);
    f.players = {a, b};
    f.coach.SetName("Ze");
    return f;
}

const Bytes kGolden2002 = Concat({kHeader, LeadBlock(), kTeamRecord, kPlayers2002, kCoach});
const Bytes kGolden98 = Concat({LeadBlock(), kTeamRecord, kPlayers98, kCoach});
} // namespace

TEST(TeamFileFormat, WritesTheLayoutOfEachVersion) {
    EXPECT_EQ(SampleTeam().Write(kDataFormat2002), kGolden2002);
    EXPECT_EQ(SampleTeam().Write(kDataFormat98), kGolden98);
    EXPECT_EQ(TeamFileExtension(kDataFormat2002), "kbt");
    EXPECT_EQ(TeamFileExtension(kDataFormat98), "kot");
}

TEST(TeamFileFormat, ReadsTheCurrentVersion) {
    const TTeamFile f = TTeamFile::Read(kGolden2002, kDataFormat2002);
    EXPECT_TRUE(f.headerOk);
    EXPECT_EQ(f.header.FileType(), "TEAM");
    EXPECT_EQ(f.header.Version(), 5);
    EXPECT_EQ(f.header.Description(), "Ab");
    EXPECT_EQ(f.header.SavedBy(), "u");
    EXPECT_EQ(f.header.Author(), "Al");
    EXPECT_EQ(f.header.Saved().ToDate(), (TFileDate{2002, 3, 4}));
    EXPECT_EQ(f.header.Created().ToDate(), (TFileDate{2001, 12, 31}));
    EXPECT_EQ(f.team.Name(), "FC");
    EXPECT_EQ(f.team.ShortName(), "Ab");
    EXPECT_EQ(f.team.Color1(), 0xFF);
    EXPECT_EQ(f.team.Color2(), 0xFFFFFF);
    EXPECT_EQ(f.team.Country(), "POR");
    EXPECT_EQ(f.team.Level(), 12);
    ASSERT_EQ(f.players.size(), 2u);
    EXPECT_EQ(f.players[0].Name(), "Rui");
    EXPECT_EQ(f.players[0].Age(), 25);
    EXPECT_EQ(f.players[0].Behaviour(), 3);
    EXPECT_EQ(f.players[1].Nationality(), "ESP");
    EXPECT_EQ(f.players[1].Position(), 3);
    EXPECT_EQ(f.players[1].Star(), 1);
    EXPECT_EQ(f.players[1].DisplayName(), "Jo*");
    EXPECT_EQ(f.coach.Name(), "Ze");
    EXPECT_EQ(f.Write(kDataFormat2002), kGolden2002);
}

TEST(TeamFileFormat, WithoutAllowStarEveryStarIsDropped) {
    const TTeamFile f = TTeamFile::Read(kGolden2002, kDataFormat2002, {.allowStar = false});
    EXPECT_EQ(f.players[1].Star(), 0);
}

TEST(TeamFileFormat, TheSecondStarByteReplacesTheFirst) {
    Bytes b = kGolden2002;
    // The first star byte of player 2 sits 4 bytes before the end of its record (behaviour, star, age).
    const std::size_t firstStar = b.size() - kCoach.size() - 7;
    ASSERT_EQ(b[firstStar], 1);
    b[firstStar] = 0;
    EXPECT_EQ(TTeamFile::Read(b, kDataFormat2002).players[1].Star(), 1);
    b[firstStar] = 1;
    b[firstStar + 2] = 0;
    EXPECT_EQ(TTeamFile::Read(b, kDataFormat2002).players[1].Star(), 0);
}

// Display names "Rui" (82+117+105 = 304) and "Jo*" (74+111+42 = 227).
TEST(TeamFileFormat, AnOlderFileDerivesBehaviourStarAndAge) {
    const TTeamFile f = TTeamFile::Read(kGolden98, kDataFormat98);
    EXPECT_FALSE(f.headerOk);
    // 304 mod 36 = 16, sqrt 4 -> behaviour 1; 304 mod 10 = 4 -> no star; goalkeeper age 17 + 304 mod 22 = 35
    // (304 mod 19 would give 17).
    EXPECT_EQ(f.players[0].Behaviour(), 1);
    EXPECT_EQ(f.players[0].Star(), 0);
    EXPECT_EQ(f.players[0].Age(), 35);
    // 227 mod 36 = 11, sqrt 3.3 -> behaviour 2; 227 mod 10 = 7 -> the star goes; age 17 + 227 mod 19 = 35.
    EXPECT_EQ(f.players[1].Behaviour(), 2);
    EXPECT_EQ(f.players[1].Star(), 0);
    EXPECT_EQ(f.players[1].Age(), 35);
}

TEST(TeamFileFormat, AnOlderDefenderShiftsHisBehaviourAndTheStarNeedsAllowStar) {
    // "Luis" = 76+117+105+115 = 413: mod 36 = 17 -> 5 - 4 = 1, defender -> 3; mod 10 = 3 -> no star.
    // "Zeca" = 90+101+99+97 = 387: mod 10 = 7. "Ivo" = 73+118+111 = 302: mod 10 = 2.
    // "Nuno" = 78+117+110+111 = 416: mod 10 = 6. "Tiago" = 84+105+97+103+111 = 500: 0.
    // "Ramos" = 82+97+109+111+115 = 514: mod 10 = 4. "Paulo" = 80+97+117+108+111 = 513: 3.
    // "Abel" = 65+98+101+108 = 372: mod 10 = 2. "Bruno" = 66+114+117+110+111 = 518: mod 10 = 8 -> star.
    TPlayerAttr p;
    p.SetName("Luis");
    p.SetPosition(1);
    p.DeriveOldFields(true);
    EXPECT_EQ(p.Behaviour(), 3);
    EXPECT_EQ(p.Age(), 17 + 413 % 19);
    p.SetName("Bruno");
    p.SetPosition(2);
    p.SetStar(0);
    p.DeriveOldFields(true);
    EXPECT_EQ(p.Star(), 1);
    p.SetStar(0);
    p.DeriveOldFields(false);
    EXPECT_EQ(p.Star(), 0);
}

TEST(TeamFileFormat, AnOlderFileCanBeKeptAsStored) {
    const TTeamFile f = TTeamFile::Read(kGolden98, kDataFormat98, {.allowStar = true, .deriveOld = false});
    EXPECT_EQ(f.players[1].Star(), 1);
    EXPECT_EQ(f.Write(kDataFormat98), kGolden98);
}

TEST(TeamFileFormat, AHeaderThatFailsIsReadAsAHeaderlessFile) {
    // A text entry of length 42 fails the header; the reader rewinds and the same bytes become the lead
    // block that the team record skips.
    Bytes lead(50, 0);
    lead[0] = 1;
    lead[2] = 42;
    const Bytes file = Concat({lead, kTeamRecord, kPlayers2002, kCoach});
    const TTeamFile f = TTeamFile::Read(file, kDataFormat2002);
    EXPECT_FALSE(f.headerOk);
    EXPECT_EQ(f.header.FileType(), "ERROR");
    EXPECT_EQ(f.header.Description(), "ERROR");
    EXPECT_EQ(f.header.Version(), 0);
    EXPECT_EQ(f.team.Name(), "FC");
    EXPECT_EQ(f.players.size(), 2u);
    // Length 41 is still a header entry.
    lead[2] = 41;
    EXPECT_THROW(TTeamFile::Read(Concat({lead, kTeamRecord, kPlayers2002, kCoach}), kDataFormat2002),
                 std::exception);
}

TEST(TeamFileFormat, LongNamesAreCutToTheirFields) {
    TTeamFile f = SampleTeam();
    f.team.SetName(std::string(50, 'n'));
    f.team.SetShortName(std::string(30, 's'));
    f.team.SetCountry("PORT");
    f.players[0].SetName(std::string(25, 'p'));
    f.coach.SetName(std::string(25, 'c'));
    EXPECT_EQ(f.team.Name().size(), 40u);
    EXPECT_EQ(f.team.ShortName().size(), 20u);
    EXPECT_EQ(f.team.Country(), "POR");
    EXPECT_EQ(f.players[0].Name().size(), 20u);
    EXPECT_EQ(f.coach.Name().size(), 20u);
    // A star whose name fills the field keeps 20 characters: the "*" does not fit.
    f.players[0].SetStar(1);
    EXPECT_EQ(f.players[0].DisplayName(), std::string(20, 'p'));
}

TEST(TeamFileFormat, ANameLongerThanItsFieldInAFileIsCut) {
    // Player 1's name stored with 22 characters: decoded with its own length, then cut to 20.
    Bytes b = Concat({LeadBlock(), kTeamRecord, {1, 0, 3, 83, 162, 244, 22}});
    unsigned char prev = 22;
    for (int i = 0; i < 22; ++i) {
        prev = static_cast<unsigned char>(prev + 'a' + i % 3);
        b.push_back(prev);
    }
    b.insert(b.end(), {1, 0});
    b.insert(b.end(), kCoach.begin(), kCoach.end());
    const TTeamFile f = TTeamFile::Read(b, kDataFormat98, {.deriveOld = false});
    EXPECT_EQ(f.players[0].Name(), "abcabcabcabcabcabcab");
}

TEST(TeamFileFormat, OutOfRangeValuesAndCountsAreDamage) {
    Bytes b = kGolden2002;
    const std::size_t position2 = b.size() - kCoach.size() - 8;
    b[position2] = 4; // position 4 does not exist
    EXPECT_THROW(TTeamFile::Read(b, kDataFormat2002), EInvalidFile);
    b = kGolden2002;
    b[position2 + 2] = 6; // behaviour 6
    EXPECT_THROW(TTeamFile::Read(b, kDataFormat2002), EInvalidFile);
    b = kGolden98;
    b[50 + kTeamRecord.size() + 1] = 0x80; // negative player count
    EXPECT_THROW(TTeamFile::Read(b, kDataFormat98), EInvalidFile);
    b = kGolden98;
    b.push_back(0); // a byte after the coach
    EXPECT_THROW(TTeamFile::Read(b, kDataFormat98), EInvalidFile);
}

TEST(TeamFileFormat, EveryTruncationIsAClearError) {
    for (const auto& [golden, version] :
         {std::pair{kGolden2002, kDataFormat2002}, std::pair{kGolden98, kDataFormat98}})
        for (std::size_t n = 0; n < golden.size(); ++n) {
            const Bytes cut(golden.begin(), golden.begin() + static_cast<std::ptrdiff_t>(n));
            EXPECT_ANY_THROW(TTeamFile::Read(cut, version)) << "length " << n;
            try {
                TTeamFile::Read(cut, version);
            } catch (const EInOutError&) {
            } catch (const EInvalidFile&) {
            } catch (...) {
                ADD_FAILURE() << "length " << n << ": not a file error";
            }
        }
}

TEST(TeamFileFormat, GarbageNeverCrashes) {
    std::uint32_t state = 12345;
    for (int round = 0; round < 2000; ++round) {
        Bytes b(static_cast<std::size_t>(round % 300));
        for (auto& x : b) {
            state = state * 134775813u + 1;
            x = static_cast<std::uint8_t>(state >> 24);
        }
        for (int version : {kDataFormat98, kDataFormat2002}) {
            try {
                TTeamFile::Read(b, version);
            } catch (const EInOutError&) {
            } catch (const EInvalidFile&) {}
        }
    }
}

TEST(TeamFileFormat, WriteFileReplacesTheFileWhole) {
    const auto dir = std::filesystem::temp_directory_path() / "kolbrin_team_file_test";
    std::filesystem::create_directories(dir);
    const std::string path = (dir / "x.kbt").string();
    SampleTeam().WriteFile(path, kDataFormat2002);
    EXPECT_EQ(ReadWholeFile(path), kGolden2002);
    EXPECT_EQ(TTeamFile::ReadFile(path, kDataFormat2002).team.Name(), "FC");
    std::filesystem::remove_all(dir);
}

TEST(TeamFileFormat, StampHeaderKeepsTheFirstAuthor) {
    TTeamFile f = SampleTeam();
    f.header = TFileHeader();
    f.StampHeader("me", {2026, 12, 7});
    EXPECT_EQ(f.header.FileType(), "TEAM");
    EXPECT_EQ(f.header.Description(), "Ab");
    EXPECT_EQ(f.header.Version(), 5);
    EXPECT_EQ(f.header.Author(), "me");
    f.StampHeader("you", {2027, 1, 2});
    EXPECT_EQ(f.header.Author(), "me");
    EXPECT_EQ(f.header.SavedBy(), "you");
    EXPECT_EQ(f.header.Created().ToDate(), (TFileDate{2026, 12, 7}));
    EXPECT_EQ(f.header.Saved().ToDate(), (TFileDate{2027, 1, 2}));
}

// A player's name is held coded as the file holds it. A name field longer than the record's 20 characters
// is read as its first 20 and written back coded for that length (the length byte seeds the coding).
TEST(PlayerRecord, ANameLongerThanItsFieldIsCutAndCodedAgain) {
    for (const std::size_t length : {std::size_t{20}, std::size_t{25}}) {
        SCOPED_TRACE(length);
        const std::string name = std::string("Abcdefghijklmnopqrstuvwxy").substr(0, length);
        TBinaryWriter file;
        file.CodedString("POR");
        file.CodedString(name);
        for (std::uint8_t b : {std::uint8_t{2}, std::uint8_t{0}, std::uint8_t{3}, std::uint8_t{0}})
            file.U8(b);
        file.I32(24);
        TBinaryReader in(file.Data());
        TPlayerAttr player;
        player.Read(in, kDataFormat2002, true);
        EXPECT_TRUE(in.AtEnd());
        EXPECT_EQ(player.Name(), name.substr(0, 20));
        TBinaryWriter again;
        player.Write(again, kDataFormat2002);
        TBinaryWriter expected;
        expected.CodedString("POR");
        expected.CodedString(name.substr(0, 20));
        for (std::uint8_t b : {std::uint8_t{2}, std::uint8_t{0}, std::uint8_t{3}, std::uint8_t{0}})
            expected.U8(b);
        expected.I32(24);
        EXPECT_EQ(again.Data(), expected.Data());
    }
}
