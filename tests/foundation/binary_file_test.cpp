#include "foundation/binary_file.h"
#include "foundation/errors.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {
using Bytes = std::vector<std::uint8_t>;

Bytes FileBytes(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return Bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

class BinaryFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("kolbrin_bin_" + std::to_string(::getpid()) + "_" +
                                            ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override {
        std::error_code ec;
        fs::permissions(dir_, fs::perms::owner_all, ec);
        fs::remove_all(dir_);
    }
    fs::path dir_;
};
} // namespace

TEST(BinaryWriter, LittleEndianFields) {
    TBinaryWriter w;
    w.U8(0xAB);
    w.U16(0x1234);
    w.I16(-2);
    w.U32(0x01020304);
    w.I32(-1);
    w.Bool(true);
    EXPECT_EQ(w.Data(),
              (Bytes{0xAB, 0x34, 0x12, 0xFE, 0xFF, 0x04, 0x03, 0x02, 0x01, 0xFF, 0xFF, 0xFF, 0xFF, 1}));
}

// The writer keeps room beyond what it has written: every byte survives its growth, and writing goes on
// after the data was taken.
TEST(BinaryWriter, KeepsEveryByteAsItGrowsAndAfterTheDataWasTaken) {
    TBinaryWriter w;
    for (int i = 0; i < 5000; ++i) w.U16(static_cast<std::uint16_t>(i));
    EXPECT_EQ(w.Data().size(), 10000u);
    w.U8(7);
    const Bytes& data = w.Data();
    ASSERT_EQ(data.size(), 10001u);
    EXPECT_EQ(w.Size(), 10001u);
    for (int i = 0; i < 5000; ++i) {
        ASSERT_EQ(data[static_cast<std::size_t>(2 * i)], i & 0xFF);
        ASSERT_EQ(data[static_cast<std::size_t>(2 * i + 1)], i >> 8);
    }
    EXPECT_EQ(data.back(), 7);
}

TEST(BinaryReader, LittleEndianFields) {
    TBinaryReader r(
        Bytes{0xAB, 0x34, 0x12, 0xFE, 0xFF, 0x04, 0x03, 0x02, 0x01, 0x00, 0x00, 0x00, 0x80, 7, 0xFF});
    EXPECT_EQ(r.U8(), 0xAB);
    EXPECT_EQ(r.U16(), 0x1234);
    EXPECT_EQ(r.I16(), -2);
    EXPECT_EQ(r.U32(), 0x01020304u);
    EXPECT_EQ(r.I32(), std::numeric_limits<std::int32_t>::min());
    EXPECT_TRUE(r.Bool()); // any non-zero byte
    EXPECT_EQ(r.I8(), -1);
    EXPECT_TRUE(r.AtEnd());
}

TEST(BinaryFields, CodedStringsTakeOneLengthByteAndOnePass) {
    TBinaryWriter w;
    w.CodedString("abc");
    w.CodedString("");
    w.CodedString("abc", 2);
    // "abc" once: 100, 198, 41; twice: 3+100=103, 103+198=301-256=45, 45+41=86.
    EXPECT_EQ(w.Data(), (Bytes{3, 100, 198, 41, 0, 3, 103, 45, 86}));
    TBinaryReader r(w.Data());
    EXPECT_EQ(r.CodedString(), "abc");
    EXPECT_EQ(r.CodedString(), "");
    EXPECT_EQ(r.CodedString(2), "abc");
    // A text longer than a short string is cut to 255.
    TBinaryWriter longer;
    longer.CodedString(std::string(300, 'x'));
    EXPECT_EQ(longer.Size(), 256u);
    EXPECT_EQ(longer.Data()[0], 255);
}

TEST(BinaryFields, RealsAsSixAndTenBytes) {
    TBinaryWriter w;
    w.Real48(1.0L);
    w.Extended(-2.5L);
    EXPECT_EQ(w.Data(), (Bytes{0x81, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0xA0, 0x00, 0xC0}));
    TBinaryReader r(w.Data());
    EXPECT_EQ(r.Real48(), 1.0L);
    EXPECT_EQ(r.Extended(), -2.5L);
}

TEST(BinaryReader, ReadingPastTheEndThrowsAndKeepsThePosition) {
    TBinaryReader r(Bytes{1, 2, 3});
    r.U8();
    EXPECT_THROW(r.U32(), EInOutError);
    EXPECT_EQ(r.Position(), 1u);
    EXPECT_EQ(r.U16(), 0x0302);
    EXPECT_THROW(r.U8(), EInOutError);
    EXPECT_THROW(r.Seek(4), EInOutError);
    // A length byte promising more than the file holds.
    TBinaryReader s(Bytes{5, 'a', 'b'});
    EXPECT_THROW(s.CodedString(), EInOutError);
    TBinaryReader t(Bytes{1, 2});
    EXPECT_THROW(t.Skip(3), EInOutError);
    EXPECT_THROW(t.Bytes(static_cast<std::size_t>(-1)), EInOutError);
    EXPECT_THROW(TBinaryReader(Bytes{1, 2, 3, 4, 5}).Real48(), EInOutError);
}

TEST_F(BinaryFileTest, SaveReplacesTheFileAndLeavesNoTemporary) {
    const fs::path target = dir_ / "game.kbg";
    std::ofstream(target) << "old contents";
    TBinaryWriter w;
    w.U32(0xDEADBEEF);
    w.SaveToFile(target.string());
    EXPECT_EQ(FileBytes(target), (Bytes{0xEF, 0xBE, 0xAD, 0xDE}));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);
    EXPECT_EQ(TBinaryReader::FromFile(target.string()).U32(), 0xDEADBEEFu);
}

TEST_F(BinaryFileTest, FailedSaveKeepsTheOldFile) {
    TBinaryWriter w;
    w.U8(1);
    EXPECT_THROW(w.SaveToFile((dir_ / "missing" / "x.kbg").string()), EInOutError);
    EXPECT_FALSE(fs::exists(dir_ / "missing"));
    // A file where the folder should be stops every user, the super-user included.
    std::ofstream(dir_ / "blocked") << "old";
    EXPECT_THROW(w.SaveToFile((dir_ / "blocked" / "x.kbg").string()), EInOutError);
    EXPECT_EQ(FileBytes(dir_ / "blocked"), (Bytes{'o', 'l', 'd'}));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);
    // The refusals of a disk that fails part-way are owned by file_io_test.
}

TEST_F(BinaryFileTest, ReadingMissingFilesOrFoldersThrows) {
    EXPECT_THROW(ReadWholeFile((dir_ / "none.kbt").string()), EInOutError);
    EXPECT_THROW(ReadWholeFile(dir_.string()), EInOutError);
    EXPECT_THROW(TBinaryReader::FromFile((dir_ / "none.kbt").string()), EInOutError);
}
