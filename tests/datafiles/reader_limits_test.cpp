// Every reader of the data files refuses a folder, a pipe, a device and a file larger than any real one of
// its kind, with an error instead of a hang or a full memory; the country groups check their header first.
#include "datafiles/countries.h"
#include "datafiles/country_group_file.h"
#include "datafiles/referee_file.h"
#include "datafiles/team_file.h"
#include "foundation/errors.h"
#include "foundation/file_io.h"
#include "foundation/picture_file.h"
#include "foundation/texts.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {
class ReaderLimits : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("kolbrin_limits_" + std::to_string(::getpid()));
        fs::remove_all(dir_);
        fs::create_directories(dir_ / "folder");
        ASSERT_EQ(::mkfifo((dir_ / "pipe").c_str(), 0600), 0);
    }
    void TearDown() override {
        ResetCountries();
        fs::remove_all(dir_);
    }
    // A sparse file of the given size: no disk space, but every byte is there to be read.
    std::string Sized(const std::string& name, std::size_t size) const {
        const std::string path = (dir_ / name).string();
        std::ofstream(path, std::ios::binary).close();
        fs::resize_file(path, size);
        return path;
    }
    fs::path dir_;
};

template <class F> bool Throws(F f) {
    try {
        f();
    } catch (const std::exception&) {
        return true;
    }
    return false;
}

struct TReader {
    const char* name;
    std::size_t limit;
    std::function<bool(const std::string&)> refuses;
};

TEST_F(ReaderLimits, EveryReaderRefusesOddFilesAndFilesOverItsLimit) {
    const TReader readers[] = {
        {"labels", kMaxTextFileSize, [](const std::string& p) { return Throws([&] { TLabelsFile f(p); }); }},
        {"country names", kMaxTextFileSize,
         [](const std::string& p) { return Throws([&] { LoadCountryNames(p, "en"); }); }},
        {"group", kMaxGroupFileSize,
         [](const std::string& p) {
             TListOfBosmanCountries group;
             return LoadCountryGroup(p, kBosmanHeader, group) != TGroupLoadResult::Ok;
         }},
        {"referees", kMaxRecordFileSize,
         [](const std::string& p) { return Throws([&] { ReadRefereeFilePath(p); }); }},
        {"team", kMaxTeamFileSize,
         [](const std::string& p) { return Throws([&] { TTeamFile::ReadFile(p, 2002); }); }},
        {"picture", kMaxPictureFileSize,
         [](const std::string& p) { return CheckPictureFile(p) == kPictureUnreadable; }},
    };
    for (const TReader& r : readers) {
        SCOPED_TRACE(r.name);
        for (const std::string& odd : {(dir_ / "pipe").string(), std::string("/dev/zero"),
                                       (dir_ / "folder").string(), Sized("huge", r.limit + 1)})
            EXPECT_TRUE(r.refuses(odd)) << odd;
        fs::remove(dir_ / "huge");
    }
}

TEST_F(ReaderLimits, AGroupFileUpToTheLimitIsReadAndOneByteMoreIsNot) {
    // The header, then empty entries (a zero byte each) up to the size.
    std::vector<std::uint8_t> bytes = WriteCountryGroupFile(kBosmanHeader, {});
    const std::size_t headerSize = bytes.size();
    bytes.resize(kMaxGroupFileSize, 0);
    EXPECT_EQ(ReadCountryGroupFile(bytes, kBosmanHeader).entries.size(), kMaxGroupFileSize - headerSize);
    bytes.push_back(0);
    EXPECT_THROW(ReadCountryGroupFile(bytes, kBosmanHeader), EInvalidFile);
    std::ofstream((dir_ / "bosman.txe").string(), std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size() - 1));
    TListOfBosmanCountries group;
    EXPECT_EQ(LoadCountryGroup((dir_ / "bosman.txe").string(), kBosmanHeader, group), TGroupLoadResult::Ok);
}

TEST_F(ReaderLimits, AGroupFileOfAnotherKindIsRefusedByItsHeaderBeforeAnyEntry) {
    // A wrong header followed by a cut entry: the header is what is reported.
    std::vector<std::uint8_t> bytes = WriteCountryGroupFile("PLOP", {"POR"});
    bytes.push_back(200);
    try {
        ReadCountryGroupFile(bytes, kBosmanHeader);
        ADD_FAILURE() << "read";
    } catch (const EInvalidFile& e) {
        EXPECT_NE(std::string(e.what()).find("the first entry is not \"Bosman\""), std::string::npos)
            << e.what();
    }
}
} // namespace
