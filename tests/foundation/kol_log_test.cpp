#include "foundation/kol_log.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {
std::string Contents(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

class KolLogTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("kolbrin_log_" + std::to_string(::getpid()));
        fs::remove_all(dir_);
    }
    void TearDown() override {
        CloseLogFile();
        std::error_code ec;
        fs::permissions(dir_, fs::perms::owner_all, ec);
        fs::remove_all(dir_);
    }
    fs::path dir_;
};
} // namespace

TEST_F(KolLogTest, StartEmptiesTheLogNamedAfterTheTitle) {
    fs::create_directories(dir_);
    std::ofstream(dir_ / "Kolbrin2002.log") << "from the last run";
    ASSERT_TRUE(OpenLogFile(dir_.string(), "Kolbrin2002"));
    EXPECT_EQ(LogFilePath(), (dir_ / "Kolbrin2002.log").string());
    EXPECT_EQ(Contents(dir_ / "Kolbrin2002.log"), "");
    WriteLog("Exception EInOutError: Read beyond end of file");
    WriteLog("second");
    const std::string expected = "Exception EInOutError: Read beyond end of file\r\nsecond\r\n";
    EXPECT_EQ(Contents(dir_ / "Kolbrin2002.log"), expected);
    Trace(1, "Open file %s", "x");
    EXPECT_EQ(Contents(dir_ / "Kolbrin2002.log"), expected);
}

TEST_F(KolLogTest, MissingFolderIsCreated) {
    ASSERT_TRUE(OpenLogFile((dir_ / "deeper").string(), "Editor"));
    WriteLog("x");
    EXPECT_EQ(Contents(dir_ / "deeper" / "Editor.log"), "x\r\n");
}

TEST_F(KolLogTest, UnwritableFolderLeavesTheProgramWithoutALog) {
    // A file where the folder should be: no user, the super-user included, can write there.
    fs::create_directories(dir_);
    std::ofstream(dir_ / "blocked") << "a file, not a folder";
    EXPECT_FALSE(OpenLogFile((dir_ / "blocked").string(), "Kolbrin2002"));
    EXPECT_EQ(LogFilePath(), "");
    WriteLog("goes nowhere"); // no crash
    EXPECT_EQ(Contents(dir_ / "blocked"), "a file, not a folder");
}
