#include "foundation/picture_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {
class PictureFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("kolbrin_picture_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string Write(const std::string& name, const std::vector<std::uint8_t>& bytes) {
        const fs::path p = dir_ / name;
        std::ofstream out(p, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        return p.string();
    }
    fs::path dir_;
};
} // namespace

// "A.BMP": 65*2 + 46*3 + 66*4 + 77*5 + 80*1 = 997; bytes 1, 2, 3 weigh 2, 3, 4: 20; total 1017 = 0x3F9.
TEST_F(PictureFileTest, HandWorkedChecksumIsValid) {
    const std::string path = Write("a.bmp", {1, 2, 3, 0xF9, 0x03, 0, 0});
    EXPECT_EQ(CheckPictureFile(path), kPictureValid);
    EXPECT_EQ(PictureChecksum("a.bmp", {1, 2, 3}), 1017);
    // Folder parts, with either separator, and letter case do not count.
    EXPECT_EQ(PictureChecksum("C:\\Kol\\Icons\\A.BMP", {1, 2, 3}), 1017);
    EXPECT_EQ(PictureChecksum("x/y/a.bmp", {1, 2, 3}), 1017);
    EXPECT_EQ(AppendPictureChecksum("a.bmp", {1, 2, 3}),
              (std::vector<std::uint8_t>{1, 2, 3, 0xF9, 0x03, 0, 0}));
}

TEST_F(PictureFileTest, WrongTrailerOrRenamedFileFails) {
    EXPECT_EQ(CheckPictureFile(Write("a.bmp", {1, 2, 4, 0xF9, 0x03, 0, 0})), kPictureBadChecksum);
    // The name takes part: the same bytes under another name do not check.
    EXPECT_EQ(CheckPictureFile(Write("b.bmp", {1, 2, 3, 0xF9, 0x03, 0, 0})), kPictureBadChecksum);
    // The trailer is little-endian.
    EXPECT_EQ(CheckPictureFile(Write("a.bmp", {1, 2, 3, 0, 0, 0x03, 0xF9})), kPictureBadChecksum);
}

TEST_F(PictureFileTest, ShortMissingOrUnreadableFilesGiveThree) {
    EXPECT_EQ(CheckPictureFile(Write("four.bmp", {1, 2, 3, 4})), kPictureUnreadable);
    EXPECT_EQ(CheckPictureFile(Write("empty.bmp", {})), kPictureUnreadable);
    EXPECT_EQ(CheckPictureFile((dir_ / "missing.bmp").string()), kPictureUnreadable);
    EXPECT_EQ(CheckPictureFile(dir_.string()), kPictureUnreadable);
    // Five bytes are enough: one content byte. "C": 67*2 = 134, byte 10 * 2 = 20.
    EXPECT_EQ(CheckPictureFile(Write("c", {10, 154, 0, 0, 0})), kPictureValid);
}

TEST_F(PictureFileTest, WeightRestartsInEveryBlock) {
    // Byte 2049 is the first of the second block: weight 2, not (2049 mod 5) + 1 = 5.
    std::vector<std::uint8_t> bytes(2049, 0);
    bytes[2048] = 1;
    // "B": 66 * 2 = 132; plus 2.
    EXPECT_EQ(PictureChecksum("b", bytes), 134);
    bytes.insert(bytes.end(), {134, 0, 0, 0});
    EXPECT_EQ(CheckPictureFile(Write("b", bytes)), kPictureValid);
    // Byte 2048 is the last of the first block: weight (2048 mod 5) + 1 = 4.
    std::vector<std::uint8_t> other(2049, 0);
    other[2047] = 1;
    EXPECT_EQ(PictureChecksum("b", other), 136);
}

TEST_F(PictureFileTest, WrittenPicturesCheckAndAccentedNamesAreUpperCased) {
    std::vector<std::uint8_t> bytes;
    for (int i = 0; i < 5000; ++i) bytes.push_back(static_cast<std::uint8_t>(i * 7));
    const std::string name = "flag_bra.bmp";
    EXPECT_EQ(CheckPictureFile(Write(name, AppendPictureChecksum(name, bytes))), kPictureValid);
    // 0xE7 (c cedilla) upper-cases to 0xC7: 0xC7 * 2 = 398.
    EXPECT_EQ(PictureChecksum("\xe7", {}), 398);
}
