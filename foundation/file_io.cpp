#include "foundation/file_io.h"

#include "foundation/errors.h"
#include "foundation/file_system.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
// Closes a handle the normal path did not close (an exception left the function); never through the
// replaceable file system, whose calls may fail.
class TFileHandle {
public:
    int fd = -1;
    TFileHandle() = default;
    TFileHandle(const TFileHandle&) = delete;
    TFileHandle& operator=(const TFileHandle&) = delete;
    ~TFileHandle() {
        if (fd >= 0) ::close(fd);
    }
    // The checked close; the handle is gone whatever the result.
    int Close() {
        const int error = FileSystem().Close(fd);
        fd = -1;
        return error;
    }
};

[[noreturn]] void Fail(const std::string& what, const std::string& path, int error) {
    throw EInOutError(what + " " + path + ": " + SystemErrorText(error));
}

std::string TooLarge(const std::string& path, std::size_t size, std::size_t maxSize) {
    return path + ": " + std::to_string(size) + " bytes, more than any real file of its kind (at most " +
           std::to_string(maxSize) + ")";
}

std::string KindOf(mode_t mode) {
    if (S_ISDIR(mode)) return "a folder";
    if (S_ISFIFO(mode)) return "a pipe";
    if (S_ISCHR(mode) || S_ISBLK(mode)) return "a device";
    if (S_ISSOCK(mode)) return "a socket";
    return "not a regular file";
}

void CheckStat(const std::string& path, const struct stat& st, std::size_t maxSize) {
    if (!S_ISREG(st.st_mode)) throw EInOutError("Cannot read " + path + ": it is " + KindOf(st.st_mode));
    if (static_cast<std::uint64_t>(st.st_size) > maxSize)
        throw EInOutError("Cannot read " + TooLarge(path, static_cast<std::size_t>(st.st_size), maxSize));
}

// Writes, syncs and closes; on failure the file is removed and the error names `target`.
void FillAndClose(TFileHandle& file, const std::string& path, const std::string& target,
                  const std::vector<std::uint8_t>& data, const unsigned* keepMode) {
    TFileSystem& fs = FileSystem();
    int error = fs.Write(file.fd, data.data(), data.size());
    if (!error && keepMode) error = fs.SetMode(file.fd, *keepMode);
    if (!error) error = fs.Sync(file.fd);
    const int closeError = file.Close();
    if (!error) error = closeError;
    if (error) {
        fs.Remove(path);
        Fail("Cannot write", target, error);
    }
}
} // namespace

std::size_t CheckReadableFile(const std::string& path, std::size_t maxSize) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) Fail("Cannot open", path, errno);
    CheckStat(path, st, maxSize);
    return static_cast<std::size_t>(st.st_size);
}

std::vector<std::uint8_t> ReadWholeFile(const std::string& path, std::size_t maxSize) {
    CheckReadableFile(path, maxSize);
    // Opened without waiting, and checked again through the handle: a pipe put there meanwhile cannot
    // block the reader.
    TFileHandle file;
    file.fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (file.fd < 0) Fail("Cannot open", path, errno);
    struct stat st {};
    if (::fstat(file.fd, &st) != 0) Fail("Cannot read", path, errno);
    CheckStat(path, st, maxSize);
    std::vector<std::uint8_t> data(static_cast<std::size_t>(st.st_size));
    std::size_t filled = 0;
    for (;;) {
        // One byte beyond the limit tells a file that grew while it was read.
        if (filled == data.size()) {
            if (data.size() > maxSize)
                throw EInOutError("Cannot read " + TooLarge(path, data.size(), maxSize));
            data.resize(std::min(maxSize + 1, data.size() + 4096));
        }
        const ssize_t n = ::read(file.fd, data.data() + filled, data.size() - filled);
        if (n < 0) {
            if (errno == EINTR) continue;
            Fail("Cannot read", path, errno);
        }
        if (n == 0) break;
        filled += static_cast<std::size_t>(n);
    }
    if (filled > maxSize) throw EInOutError("Cannot read " + TooLarge(path, filled, maxSize));
    data.resize(filled);
    return data;
}

void WriteWholeFile(const std::string& path, const std::vector<std::uint8_t>& data) {
    TFileSystem& fs = FileSystem();
    struct stat st {};
    const bool replacing = ::stat(path.c_str(), &st) == 0;
    if (replacing && S_ISDIR(st.st_mode)) Fail("Cannot write", path, EISDIR);
    const unsigned keptMode = static_cast<unsigned>(st.st_mode & 07777);

    // A name of our own beside the target: created exclusively, so no other writer (and no link planted
    // there) can take it.
    TFileHandle file;
    std::string temp;
    static unsigned counter = 0;
    for (int attempt = 0;; ++attempt) {
        temp = path + "." + std::to_string(::getpid()) + "-" + std::to_string(++counter) +
               std::string(kWriteTemporarySuffix);
        const int error = fs.CreateExclusive(temp, replacing ? keptMode : 0666u, file.fd);
        if (!error) break;
        if (error != EEXIST || attempt >= 100) Fail("Cannot write", path, error);
    }
    FillAndClose(file, temp, path, data, replacing ? &keptMode : nullptr);
    if (const int error = fs.Rename(temp, path)) {
        fs.Remove(temp);
        Fail("Cannot replace", path, error);
    }
    if (const int error = fs.SyncFolder(FolderOfPath(path))) Fail("Cannot write", path, error);
}

void WriteNewFile(const std::string& path, const std::vector<std::uint8_t>& data,
                  const std::string& reportAs) {
    const std::string& named = reportAs.empty() ? path : reportAs;
    TFileHandle file;
    if (const int error = FileSystem().CreateExclusive(path, 0666u, file.fd))
        Fail("Cannot write", named, error);
    FillAndClose(file, path, named, data, nullptr);
}

bool IsWriteTemporary(std::string_view fileName) {
    return fileName.size() > kWriteTemporarySuffix.size() &&
           fileName.substr(fileName.size() - kWriteTemporarySuffix.size()) == kWriteTemporarySuffix;
}

std::string FolderOfPath(const std::string& path) {
    const std::size_t cut = path.find_last_of('/');
    if (cut == std::string::npos) return ".";
    if (cut == 0) return "/";
    return path.substr(0, cut);
}
