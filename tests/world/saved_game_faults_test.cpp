// A game file save that fails at any point keeps the previous game file byte for byte: a disk that fills
// after N bytes of the new file (N spread over its whole size), a full disk, and a failed sync, close,
// rename or folder sync. The failure reaches the person with the path and the system's reason, and no
// temporary file is left beside the game file.
#include "career_world.h"

#include "foundation/file_io.h"
#include "foundation/file_system.h"
#include "tests/support/faulty_file_system.h"
#include "world/team.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <unistd.h>
#include <vector>

using namespace worldtest;

namespace {

std::vector<std::uint8_t> FileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void PutBytes(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

std::vector<std::string> FolderEntries(const std::filesystem::path& dir) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir))
        names.push_back(entry.path().filename().string());
    return names;
}

struct TSaveFault {
    std::string name;
    std::function<void(TFaultyFileSystem&)> set;
    std::string reason;         // the system's text the message must carry
    bool replacedBeforeFailure; // the new file was already in place when the failure came
};

} // namespace

TEST(SavedGameFaults, AFailedSaveNeverLosesThePreviousGameFile) {
    SetRandSeed(4242);
    TWorld world;
    BuildCareerWorld(world, CareerTeamFiles(40));
    world.CurrentRound = 3;

    const std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("kolbrin_saved_game_faults_" + std::to_string(::getpid()));
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir / "probe");
    const std::filesystem::path game = dir / "career.kbg";

    // The previous game.
    ASSERT_TRUE(world.SaveGame(game.string()));
    const std::vector<std::uint8_t> previous = FileBytes(game);
    ASSERT_GT(previous.size(), 1000u);

    // The changed career, and the size of its file (saved once elsewhere).
    const std::string oldName = world.AllTeams[0]->attr->Name();
    const std::string newName = oldName == "Renamed" ? "Renamed again" : "Renamed";
    world.AllTeams[0]->attr->SetName(newName);
    world.CurrentRound = 4;
    ASSERT_TRUE(world.SaveGame((dir / "probe" / "career.kbg").string()));
    const std::size_t newSize = FileBytes(dir / "probe" / "career.kbg").size();
    ASSERT_NE(FileBytes(dir / "probe" / "career.kbg"), previous);
    std::filesystem::remove_all(dir / "probe");
    world.SavedThisRound = false;

    std::vector<TSaveFault> faults;
    const std::size_t points = 256;
    for (std::size_t k = 0; k < points; ++k) {
        const std::size_t n = k * newSize / points; // 0 up to below the whole file
        faults.push_back({"disk full after " + std::to_string(n) + " bytes",
                          [n](TFaultyFileSystem& f) { f.writeLimit = n; }, "No space left on device", false});
    }
    faults.push_back({"disk full after all but one byte",
                      [newSize](TFaultyFileSystem& f) { f.writeLimit = newSize - 1; },
                      "No space left on device", false});
    faults.push_back(
        {"full disk", [](TFaultyFileSystem& f) { f.writeLimit = 0; }, "No space left on device", false});
    faults.push_back({"sync", [](TFaultyFileSystem& f) { f.syncError = EIO; }, "Input/output error", false});
    faults.push_back(
        {"close", [](TFaultyFileSystem& f) { f.closeError = EDQUOT; }, "Disk quota exceeded", false});
    faults.push_back(
        {"rename", [](TFaultyFileSystem& f) { f.renameError = EROFS; }, "Read-only file system", false});
    faults.push_back(
        {"folder sync", [](TFaultyFileSystem& f) { f.syncFolderError = EIO; }, "Input/output error", true});

    for (const TSaveFault& fault : faults) {
        SCOPED_TRACE(fault.name);
        PutBytes(game, previous);
        const std::size_t messagesBefore = world.DefaultPort().Messages.size();
        const std::string descriptionBefore = world.Description;
        TFaultyFileSystem disk;
        disk.skipSyncs = true;
        fault.set(disk);
        bool saved = true;
        {
            TFileSystemOverride use(disk);
            saved = world.SaveGame(game.string());
        }
        EXPECT_FALSE(saved);
        EXPECT_FALSE(world.SavedThisRound);
        EXPECT_EQ(world.Description, descriptionBefore);

        ASSERT_EQ(world.DefaultPort().Messages.size(), messagesBefore + 1);
        const std::string& message = world.DefaultPort().Messages.back();
        EXPECT_NE(message.find(game.string()), std::string::npos) << message;
        EXPECT_NE(message.find(fault.reason), std::string::npos) << message;

        EXPECT_EQ(FolderEntries(dir), std::vector<std::string>{"career.kbg"});

        if (!fault.replacedBeforeFailure) {
            EXPECT_TRUE(FileBytes(game) == previous) << "the previous game file changed";
        } else {
            // Already renamed into place: the new file is there whole.
            EXPECT_EQ(FileBytes(game).size(), newSize);
            const auto loaded = TWorld::LoadGame(game.string());
            EXPECT_EQ(loaded->AllTeams[0]->attr->Name(), newName);
            EXPECT_EQ(loaded->CurrentRound, 4);
        }
    }
    EXPECT_GE(faults.size(), 200u);
    std::filesystem::remove_all(dir);
}
