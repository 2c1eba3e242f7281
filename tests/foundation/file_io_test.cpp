// Whole-file reading and the atomic write: every failure of the disk leaves the old file whole, names the
// target with the system's reason, and leaves no temporary; readers refuse what is not a regular file and
// what is larger than their limit, without blocking.
#include "foundation/errors.h"
#include "foundation/file_io.h"
#include "tests/support/faulty_file_system.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {
using Bytes = std::vector<std::uint8_t>;

class FileIoTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("kolbrin_io_" + std::to_string(::getpid()) + "_" +
                                            ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        target_ = (dir_ / "game.kbg").string();
    }
    void TearDown() override { fs::remove_all(dir_); }
    std::string Contents(const std::string& path) const {
        std::ifstream in(path, std::ios::binary);
        return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    }
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(dir_)) names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    fs::path dir_;
    std::string target_;
};

struct TFault {
    const char* name;
    void (*set)(TFaultyFileSystem&);
    const char* reason; // the system's text for the injected error
};

TEST_F(FileIoTest, EveryFailureKeepsTheOldFileAndNamesTheTargetWithTheReason) {
    const TFault faults[] = {
        {"create", [](TFaultyFileSystem& f) { f.createError = EACCES; }, "Permission denied"},
        {"write after 3 bytes", [](TFaultyFileSystem& f) { f.writeLimit = 3; }, "No space left on device"},
        {"sync", [](TFaultyFileSystem& f) { f.syncError = EIO; }, "Input/output error"},
        {"close", [](TFaultyFileSystem& f) { f.closeError = EDQUOT; }, "Disk quota exceeded"},
        {"rename", [](TFaultyFileSystem& f) { f.renameError = EROFS; }, "Read-only file system"},
    };
    for (const TFault& fault : faults) {
        SCOPED_TRACE(fault.name);
        std::ofstream(target_, std::ios::binary) << "old contents";
        TFaultyFileSystem disk;
        fault.set(disk);
        TFileSystemOverride use(disk);
        try {
            WriteWholeFile(target_, Bytes{'n', 'e', 'w', ' ', 'd', 'a', 't', 'a'});
            ADD_FAILURE() << "no error";
        } catch (const EInOutError& e) {
            const std::string message = e.what();
            EXPECT_NE(message.find(target_ + ": " + fault.reason), std::string::npos) << message;
            EXPECT_EQ(message.find(std::string(kWriteTemporarySuffix)), std::string::npos) << message;
        }
        EXPECT_EQ(Contents(target_), "old contents");
        EXPECT_EQ(Names(), std::vector<std::string>{"game.kbg"});
    }
}

TEST_F(FileIoTest, TheFileIsSyncedBeforeTheRenameAndTheFolderAfterIt) {
    std::ofstream(target_) << "old";
    TFaultyFileSystem disk;
    TFileSystemOverride use(disk);
    WriteWholeFile(target_, Bytes{'n', 'e', 'w'});
    EXPECT_EQ(disk.calls,
              (std::vector<std::string>{"create", "write", "mode", "sync", "close", "rename", "syncdir"}));
    EXPECT_EQ(Contents(target_), "new");
    // A folder that cannot be synced is a failed write: the caller must not go on as if the file were safe.
    TFaultyFileSystem failingFolder;
    failingFolder.syncFolderError = EIO;
    TFileSystemOverride use2(failingFolder);
    EXPECT_THROW(WriteWholeFile(target_, Bytes{'x'}), EInOutError);
}

TEST_F(FileIoTest, AReplacedFileKeepsItsPermissionBits) {
    // Bits the user's mask would take away from a new file are kept too.
    const mode_t mask = ::umask(022);
    for (const unsigned mode : {0640u, 0666u, 0620u}) {
        std::ofstream(target_) << "old";
        ASSERT_EQ(::chmod(target_.c_str(), mode), 0);
        WriteWholeFile(target_, Bytes{'n'});
        struct stat st {};
        ASSERT_EQ(::stat(target_.c_str(), &st), 0);
        EXPECT_EQ(st.st_mode & 07777, mode);
    }
    // A new file gets the ordinary bits of the user's mask.
    WriteWholeFile((dir_ / "new.kbg").string(), Bytes{'n'});
    ::umask(mask);
    struct stat st {};
    ASSERT_EQ(::stat((dir_ / "new.kbg").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0644u);
}

TEST_F(FileIoTest, ANewFileNeverFollowsOrReplacesWhatIsThere) {
    std::ofstream(dir_ / "victim") << "keep me";
    fs::create_symlink(dir_ / "victim", dir_ / "link.saving");
    EXPECT_THROW(WriteNewFile((dir_ / "link.saving").string(), Bytes{'x'}), EInOutError);
    EXPECT_EQ(Contents((dir_ / "victim").string()), "keep me");
    std::ofstream(dir_ / "there.saving") << "already";
    EXPECT_THROW(WriteNewFile((dir_ / "there.saving").string(), Bytes{'x'}), EInOutError);
    EXPECT_EQ(Contents((dir_ / "there.saving").string()), "already");
    // A failed new file leaves nothing.
    TFaultyFileSystem disk;
    disk.writeLimit = 1;
    TFileSystemOverride use(disk);
    EXPECT_THROW(WriteNewFile((dir_ / "cut.saving").string(), Bytes{'a', 'b'}), EInOutError);
    EXPECT_FALSE(fs::exists(dir_ / "cut.saving"));
}

TEST_F(FileIoTest, ReadersRefuseWhatIsNotARegularFileOrTooLarge) {
    ASSERT_EQ(::mkfifo((dir_ / "pipe").c_str(), 0600), 0);
    const struct {
        std::string path;
        const char* reason;
    } cases[] = {
        {(dir_ / "pipe").string(), "it is a pipe"},
        {"/dev/zero", "it is a device"},
        {dir_.string(), "it is a folder"},
        {(dir_ / "none").string(), "No such file or directory"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        try {
            ReadWholeFile(c.path);
            ADD_FAILURE() << "read";
        } catch (const EInOutError& e) {
            EXPECT_NE(std::string(e.what()).find(c.path + ": " + c.reason), std::string::npos) << e.what();
        }
    }
    // Both sides of the limit.
    std::ofstream(target_, std::ios::binary) << std::string(100, 'X');
    EXPECT_EQ(ReadWholeFile(target_, 100).size(), 100u);
    EXPECT_THROW(ReadWholeFile(target_, 99), EInOutError);
}
} // namespace
