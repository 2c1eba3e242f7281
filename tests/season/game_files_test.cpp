// The game files the game selection lists and the checks it makes before a choice goes on.
#include "foundation/binary_file.h"
#include "season/game_files.h"
#include "season/team_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

class GameFiles : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("kolbrin_game_files_" +
                std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string Put(const std::string& name, const std::vector<std::uint8_t>& bytes) {
        const fs::path path = dir_ / name;
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        return path.string();
    }
    // A game file's start: the description coded twice, then the rest of a header.
    static std::vector<std::uint8_t> Header(const std::string& description) {
        TBinaryWriter out;
        out.CodedString(description, 2);
        out.I16(7);
        return out.Data();
    }

    fs::path dir_;
};

} // namespace

TEST_F(GameFiles, ListsTheSavedGamesByNameWithTheirDescriptions) {
    Put("b.kbg", Header("Ana and Bruno\r07-12-2026 16:30"));
    Put("A.KBG", Header("Carla\r01-01-2003 09:05"));
    Put("new.kbg", {});
    Put("notes.txt", Header("not a game"));
    Put("game.kbg.bak", Header("not a game either"));
    fs::create_directory(dir_ / "folder.kbg");

    const std::vector<TGameFileEntry> files = ListGameFiles(dir_.string());
    ASSERT_EQ(files.size(), 3u);
    EXPECT_EQ(files[0].fileName, "A.KBG");
    EXPECT_EQ(files[0].description, "Carla\r01-01-2003 09:05");
    EXPECT_EQ(files[1].fileName, "b.kbg");
    EXPECT_EQ(files[1].description, "Ana and Bruno\r07-12-2026 16:30");
    EXPECT_EQ(files[1].size, 1u + 30u + 2u); // length byte, 30 characters, the i16
    EXPECT_EQ(files[1].path, (dir_ / "b.kbg").string());
    // A new game's reserved file is listed, empty: it cannot be continued.
    EXPECT_EQ(files[2].fileName, "new.kbg");
    EXPECT_EQ(files[2].size, 0u);
    EXPECT_EQ(files[2].description, "");
}

TEST_F(GameFiles, AFileTooShortForItsDescriptionHasNone) {
    std::vector<std::uint8_t> cut = Header("Ana and Bruno");
    cut.resize(10); // the length byte says 13
    const std::string path = Put("cut.kbg", cut);
    EXPECT_EQ(ReadGameDescription(path), "");
    EXPECT_EQ(ReadGameDescription((dir_ / "missing.kbg").string()), "");
    EXPECT_EQ(ListGameFiles((dir_ / "no such folder").string()).size(), 0u);
}

TEST_F(GameFiles, ATypedNameGoesIntoTheGamesFolderWithTheGameExtension) {
    const std::string games = "/g/GAMES";
    const struct {
        std::string typed, path;
    } cases[] = {
        {"career", "/g/GAMES/career.kbg"},     {"  career  ", "/g/GAMES/career.kbg"},
        {"career.sav", "/g/GAMES/career.sav"}, {"/tmp/x/career", "/tmp/x/career.kbg"},
        {"sub\\career.kbg", "sub/career.kbg"}, {"   ", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(GameFilePathFor(games, c.typed), c.path) << c.typed;
}

TEST_F(GameFiles, ANewGameNameIsTheFirstOneNoFileHas) {
    EXPECT_EQ(ProposeNewGameFile(dir_.string()), (dir_ / "game1.kbg").string());
    Put("game1.kbg", {});
    Put("game3.kbg", {});
    EXPECT_EQ(ProposeNewGameFile(dir_.string()), (dir_ / "game2.kbg").string());
}

TEST_F(GameFiles, ANewGameReservesItsFileAndNeverEmptiesAnOldCareer) {
    const std::string fresh = (dir_ / "GAMES" / "fresh.kbg").string();
    ASSERT_TRUE(PrepareNewGameFile(fresh));
    EXPECT_TRUE(fs::is_regular_file(fresh));
    EXPECT_EQ(GameFileSize(fresh), 0u);

    // Starting a new game over an old saved game keeps the old career until the new one is saved.
    const std::vector<std::uint8_t> old = Header("Ana\r01-01-2003 09:05");
    const std::string kept = Put("old.kbg", old);
    ASSERT_TRUE(PrepareNewGameFile(kept));
    EXPECT_EQ(GameFileSize(kept), old.size());
    EXPECT_EQ(ReadGameDescription(kept), "Ana\r01-01-2003 09:05");

    // A folder where the file should be cannot hold a game (as any user, root included).
    fs::create_directory(dir_ / "taken.kbg");
    EXPECT_FALSE(PrepareNewGameFile((dir_ / "taken.kbg").string()));
    EXPECT_EQ(GameFileSize((dir_ / "taken.kbg").string()), 0u);
    EXPECT_FALSE(PrepareNewGameFile(""));
}

TEST_F(GameFiles, AReservedNameIsGivenBackOnlyWhileItsFileIsEmpty) {
    const std::string fresh = (dir_ / "fresh.kbg").string();
    ASSERT_TRUE(PrepareNewGameFile(fresh));
    ReleaseReservedGameFile(fresh);
    EXPECT_FALSE(fs::exists(fresh));
    ReleaseReservedGameFile(fresh); // already gone: nothing happens

    const std::vector<std::uint8_t> old = Header("Ana\r01-01-2003 09:05");
    const std::string kept = Put("old.kbg", old);
    ASSERT_TRUE(PrepareNewGameFile(kept));
    ReleaseReservedGameFile(kept);
    EXPECT_EQ(GameFileSize(kept), old.size());
    fs::create_directory(dir_ / "folder.kbg");
    ReleaseReservedGameFile((dir_ / "folder.kbg").string());
    EXPECT_TRUE(fs::is_directory(dir_ / "folder.kbg"));
}

TEST_F(GameFiles, AGamesFolderThatCannotBeMadeIsNamedWithTheSystemsReasonAndLosesNothing) {
    // "GAMES" is a file of the person's (as any user, root included, no folder can be made below it).
    const std::vector<std::uint8_t> theirs = {'m', 'i', 'n', 'e'};
    const std::string games = Put("GAMES", theirs);
    std::string reason;
    EXPECT_FALSE(PrepareNewGameFile((fs::path(games) / "game1.kbg").string(), &reason));
    const std::string notAFolder = std::make_error_code(std::errc::not_a_directory).message();
    const std::string exists = std::make_error_code(std::errc::file_exists).message();
    EXPECT_TRUE(reason == games + ": " + notAFolder || reason == games + ": " + exists) << reason;
    EXPECT_EQ(GameFileSize(games), theirs.size());

    fs::create_directory(dir_ / "taken.kbg");
    EXPECT_FALSE(PrepareNewGameFile((dir_ / "taken.kbg").string(), &reason));
    EXPECT_EQ(reason, (dir_ / "taken.kbg").string() + ": not a file");
}

TEST_F(GameFiles, TheTeamFolderIsNamedWithWhyItCannotBeRead) {
    const std::string teams = (dir_ / "Teams").string();
    EXPECT_EQ(DescribeTeamFolder(teams),
              teams + " (" + std::make_error_code(std::errc::no_such_file_or_directory).message() + ")");
    const std::string file = Put("Teams", {'x'});
    EXPECT_EQ(DescribeTeamFolder((fs::path(file) / "Teams").string()),
              (fs::path(file) / "Teams").string() + " (" +
                  std::make_error_code(std::errc::not_a_directory).message() + ")");
    fs::remove(file);
    fs::create_directory(teams);
    EXPECT_EQ(DescribeTeamFolder(teams), teams);
}
