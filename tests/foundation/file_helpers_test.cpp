#include "foundation/file_helpers.h"
#include "foundation/kol_random.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {
class PickRandomFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("kolbrin_pick_" + std::to_string(::getpid()));
        fs::remove_all(dir_);
        fs::create_directories(dir_ / "sub.bmp");
        for (const char* n : {"c.bmp", "a.bmp", "b.BMP", "x.txt", "bmp"}) std::ofstream(dir_ / n) << "x";
    }
    void TearDown() override { fs::remove_all(dir_); }
    fs::path dir_;
};
} // namespace

TEST_F(PickRandomFileTest, PicksInFileNameOrderWithTheGivenDraw) {
    // Matches: a.bmp, b.BMP, c.bmp (not the folder "sub.bmp", not "bmp" without a dot).
    int asked = 0;
    const auto pick = [&](int index) {
        return PickRandomFile(dir_.string(), "bmp", [&](std::int32_t n) {
            asked = n;
            return index;
        });
    };
    EXPECT_EQ(pick(0), (dir_ / "a.bmp").string());
    EXPECT_EQ(asked, 3);
    EXPECT_EQ(pick(1), (dir_ / "b.BMP").string());
    EXPECT_EQ(pick(2), (dir_ / "c.bmp").string());
}

TEST_F(PickRandomFileTest, NeverDrawsFromTheCareersGenerator) {
    SetRandSeed(42);
    EXPECT_EQ(PickRandomFile(dir_.string() + "/", "bmp", [](std::int32_t) { return 2; }),
              (dir_ / "c.bmp").string());
    // Without a draw the first file, and still no number of the career is taken.
    EXPECT_EQ(PickRandomFile(dir_.string(), "bmp", {}), (dir_ / "a.bmp").string());
    EXPECT_EQ(RandSeed(), 42u);
}

TEST_F(PickRandomFileTest, NothingToPickGivesEmptyAndDrawsNothing) {
    SetRandSeed(7);
    int draws = 0;
    const auto draw = [&](std::int32_t) {
        ++draws;
        return 0;
    };
    EXPECT_EQ(PickRandomFile(dir_.string(), "gif", draw), "");
    EXPECT_EQ(PickRandomFile((dir_ / "missing").string(), "bmp", draw), "");
    EXPECT_EQ(draws, 0);
    EXPECT_EQ(RandSeed(), 7u);
}

TEST(PathHelpers, DirectoryAndNameParts) {
    EXPECT_EQ(ExtractDirPart("C:\\Kol\\Teams\\fcp.kbt"), "C:\\Kol\\Teams");
    EXPECT_EQ(ExtractDirPart("data/Teams\\fcp.kbt"), "data/Teams");
    EXPECT_EQ(ExtractDirPart("data\\Teams/fcp.kbt"), "data\\Teams");
    EXPECT_EQ(ExtractDirPart("fcp.kbt"), "");
    EXPECT_EQ(ExtractDirPart("\\fcp.kbt"), "");
    EXPECT_EQ(ExtractNamePart("C:\\Kol\\Teams\\fcp.kbt"), "fcp.kbt");
    EXPECT_EQ(ExtractNamePart("Teams/"), "");
    EXPECT_EQ(ToNativePath("Int\\en\\labels.txt"), "Int/en/labels.txt");
}

TEST(PathHelpers, NameSplitterCutsAtTheFirstDot) {
    std::string name, ext;
    SplitFileName("team.kbt.bak", name, ext, 8, 3);
    EXPECT_EQ(name, "team");
    EXPECT_EQ(ext, "kbt");
    SplitFileName("averylongname.kbtx", name, ext, 8, 3);
    EXPECT_EQ(name, "averylon");
    EXPECT_EQ(ext, "kbt");
    SplitFileName("nodot", name, ext, 20, 3);
    EXPECT_EQ(name, "nodot");
    EXPECT_EQ(ext, "");
    SplitFileName(".kbt", name, ext, 20, 3);
    EXPECT_EQ(name, "");
    EXPECT_EQ(ext, "kbt");
}

TEST(TextHelpers, SingularOnlyForExactlyOne) {
    const std::string one = "goal", many = "goals";
    EXPECT_EQ(SingularPlural(1, one, many), "goal");
    EXPECT_EQ(SingularPlural(0, one, many), "goals");
    EXPECT_EQ(SingularPlural(2, one, many), "goals");
    EXPECT_EQ(SingularPlural(-1, one, many), "goals");
}

TEST(Beep, SoundsOnlyWhenSetAndSwitchedOn) {
    int beeps = 0;
    bool on = false;
    SetBeepHandler({}, {});
    PlayBeep(); // no handler: nothing, no crash
    SetBeepHandler([&] { ++beeps; }, [&] { return on; });
    PlayBeep();
    EXPECT_EQ(beeps, 0);
    on = true;
    PlayBeep();
    EXPECT_EQ(beeps, 1);
    SetBeepHandler([&] { ++beeps; }, {});
    PlayBeep();
    EXPECT_EQ(beeps, 2);
    SetBeepHandler({}, {});
}
