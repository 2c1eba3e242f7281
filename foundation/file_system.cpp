#include "foundation/file_system.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace {
TFileSystem*& Current() {
    static TFileSystem real;
    static TFileSystem* current = &real;
    return current;
}

int ErrorOr(int result) {
    return result == 0 ? 0 : errno;
}
} // namespace

int TFileSystem::CreateExclusive(const std::string& path, unsigned mode, int& fd) {
    fd =
        ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, static_cast<mode_t>(mode));
    return fd < 0 ? errno : 0;
}

int TFileSystem::Write(int fd, const std::uint8_t* data, std::size_t size) {
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        if (n == 0) return EIO;
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return 0;
}

int TFileSystem::SetMode(int fd, unsigned mode) {
    return ErrorOr(::fchmod(fd, static_cast<mode_t>(mode)));
}

int TFileSystem::Sync(int fd) {
    return ErrorOr(::fsync(fd));
}

int TFileSystem::Close(int fd) {
    return ErrorOr(::close(fd));
}

int TFileSystem::Rename(const std::string& from, const std::string& to) {
    return ErrorOr(::rename(from.c_str(), to.c_str()));
}

int TFileSystem::Remove(const std::string& path) {
    return ErrorOr(::unlink(path.c_str()));
}

int TFileSystem::SyncFolder(const std::string& folder) {
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return errno;
    int error = ErrorOr(::fsync(fd));
    // Some file systems cannot sync a folder at all; their entries are as safe as they will ever be.
    if (error == EINVAL || error == EROFS) error = 0;
    ::close(fd);
    return error;
}

TFileSystem& FileSystem() {
    return *Current();
}

TFileSystemOverride::TFileSystemOverride(TFileSystem& replacement) : previous_(Current()) {
    Current() = &replacement;
}

TFileSystemOverride::~TFileSystemOverride() {
    Current() = previous_;
}

std::string SystemErrorText(int error) {
    return std::generic_category().message(error);
}
