// The tagged header: every tag in any order, unknown tags, the limits that make the whole header fail
// (and the reader rewind), and the scrambled dates.
#include "datafiles/file_header.h"
#include "foundation/errors.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {
using Bytes = std::vector<std::uint8_t>;

TFileHeader Read(const Bytes& b, bool* ok = nullptr, std::size_t* pos = nullptr) {
    TBinaryReader in(b);
    TFileHeader h;
    const bool r = h.Read(in);
    if (ok) *ok = r;
    if (pos) *pos = in.Position();
    return h;
}
} // namespace

TEST(FileHeader, ReadsEveryTagInAnyOrderAndSkipsUnknownOnes) {
    const Bytes b = {5,   0,  6, 0, 0x77, 0xB5, 0xA0, 0x33, 0xAB, 0x8B, // created 2001-12-31
                     99,  0,  3, 0, 7,    8,    9, // unknown tag: its 3 bytes are skipped
                     2,   0,  8, 0, 7,    103,  225,  162,  57,   167,
                     86,  30,                                           // description "Kolbrin", 4 steps
                     3,   0,  2, 0, 0xFE, 0xFF,                         // version -2
                     4,   0,  3, 0, 2,    76,   215,                    // author "Bo", 5 steps
                     6,   0,  3, 0, 2,    73,   5,                      // savedBy "Eu", 2 steps
                     7,   0,  6, 0, 0x8E, 0xB5, 0x3C, 0x28, 0xD0, 0x33, // saved 2002-03-04
                     1,   0,  5, 0, 4,    100,  189,  237,  31,         // fileType "TEAM", 4 steps
                     0,   0,                                            // end
                     0xAA};                                             // the team record would follow
    bool ok = false;
    std::size_t pos = 0;
    const TFileHeader h = Read(b, &ok, &pos);
    EXPECT_TRUE(ok);
    EXPECT_EQ(pos, b.size() - 1);
    EXPECT_EQ(h.FileType(), "TEAM");
    EXPECT_EQ(h.Description(), "Kolbrin");
    EXPECT_EQ(h.Version(), -2);
    EXPECT_EQ(h.Author(), "Bo");
    EXPECT_EQ(h.SavedBy(), "Eu");
    EXPECT_EQ(h.Created().ToDate(), (TFileDate{2001, 12, 31}));
    EXPECT_EQ(h.Saved().ToDate(), (TFileDate{2002, 3, 4}));
}

TEST(FileHeader, WritesTheEntriesInTheEditorsOrder) {
    TFileHeader h;
    h.SetFileType("TEAM");
    h.SetDescription("Kolbrin");
    h.SetVersion(5);
    h.SetAuthor("Bo");
    h.SetSavedBy("Eu");
    h.SetCreated(TScrambledDate::FromDate({2001, 12, 31}));
    h.SetSaved(TScrambledDate::FromDate({2002, 3, 4}));
    TBinaryWriter out;
    h.Write(out);
    const Bytes expected = {1, 0, 5, 0, 4,    100,  189,  237,  31,                 // fileType
                            3, 0, 2, 0, 5,    0,                                    // version
                            2, 0, 8, 0, 7,    103,  225,  162,  57,   167,  86, 30, // description
                            6, 0, 3, 0, 2,    73,   5,                              // savedBy
                            7, 0, 6, 0, 0x8E, 0xB5, 0x3C, 0x28, 0xD0, 0x33,         // saved
                            4, 0, 3, 0, 2,    76,   215,                            // author
                            5, 0, 6, 0, 0x77, 0xB5, 0xA0, 0x33, 0xAB, 0x8B,         // created
                            0, 0};
    EXPECT_EQ(out.Data(), expected);
}

TEST(FileHeader, AFreshHeaderIsEmptyWithZeroDates) {
    const TFileHeader h = Read({0, 0});
    EXPECT_EQ(h.FileType(), "");
    EXPECT_EQ(h.Version(), 0);
    EXPECT_EQ(h.Created(), TScrambledDate());
    TBinaryWriter out;
    h.Write(out);
    const Bytes expected = {1, 0, 1, 0, 0, 3, 0, 2, 0, 0, 0, 2, 0, 1, 0, 0, 6, 0, 1, 0, 0, 7, 0, 6,
                            0, 0, 0, 0, 0, 0, 0, 4, 0, 1, 0, 0, 5, 0, 6, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(out.Data(), expected);
}

TEST(FileHeader, ALongFileTypeIsCutToItsWidth) {
    // 12 characters in an entry that may hold 40: read, then cut to the 10 of the field.
    const Bytes b = {1, 0, 13, 0, 12, 113, 190, 197, 156, 158, 108, 238, 84, 23, 250, 11, 164, 0, 0};
    bool ok = false;
    EXPECT_EQ(Read(b, &ok).FileType(), "ABCDEFGHIJ");
    EXPECT_TRUE(ok);
}

TEST(FileHeader, EntriesTooLongOrCutShortFailTheWholeHeader) {
    struct Case {
        Bytes head;
        bool followed; // more bytes follow (the header fails on a limit, not on the file's end)
    };
    const std::vector<Case> failing = {
        {{1, 0, 42, 0}, true},                     // a text entry of 42 bytes
        {{4, 0, 42, 0}, true},                     // the same for author
        {{3, 0, 3, 0, 5, 0, 0}, true},             // a version of 3 bytes
        {{5, 0, 7, 0, 1, 2, 3, 4, 5, 6, 7}, true}, // a date of 7 bytes
        {{1, 0, 5, 0, 4, 100}, false},             // the file ends inside an entry
        {{3, 0, 2, 0, 5, 0}, false},               // the file ends before the end tag
        {{3}, false},                              // the file ends inside a tag
        {{}, false},                               // an empty file
    };
    for (const auto& [head, followed] : failing) {
        Bytes b = head;
        if (followed) b.resize(b.size() + 60, 0x11);
        bool ok = true;
        std::size_t pos = 99;
        const TFileHeader h = Read(b, &ok, &pos);
        EXPECT_FALSE(ok) << "case of " << head.size() << " bytes";
        EXPECT_EQ(pos, 0u);
        EXPECT_EQ(h.FileType(), "ERROR");
        EXPECT_EQ(h.Description(), "ERROR");
        EXPECT_EQ(h.Version(), 0);
    }
}

TEST(FileHeader, ShortValuesFillOnlyTheirBytes) {
    // A version of 1 byte and a date of 2 bytes are accepted.
    const Bytes b = {3, 0, 1, 0, 7, 5, 0, 2, 0, 0x77, 0xB5, 0, 0};
    bool ok = false;
    const TFileHeader h = Read(b, &ok);
    EXPECT_TRUE(ok);
    EXPECT_EQ(h.Version(), 7);
    EXPECT_EQ(h.Created().words[0], 0xB577);
    EXPECT_EQ(h.Created().words[1], 0);
}

TEST(FileHeader, DatesScrambleAndUnscramble) {
    const TScrambledDate d = TScrambledDate::FromDate({1999, 1, 1});
    EXPECT_EQ(d.words[0], 1999 * 23 + 432);
    EXPECT_EQ(d.words[1], 324 + 9328);
    EXPECT_EQ(d.words[2], 833 + 9932);
    EXPECT_EQ(d.ToDate(), (TFileDate{1999, 1, 1}));
    EXPECT_EQ(TScrambledDate::FromRaw(d.Raw()), d);
}
