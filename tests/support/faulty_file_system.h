#pragma once
// A file system for tests that fails on demand: a write that stops after N bytes, a sync, close, create,
// rename or removal that fails with a chosen error, or a "kill" that stops the program's work at its N-th
// change of the disk (an exception no handler of the program catches, so nothing is tidied up, as after a
// real kill). It works the same for every user, the super-user included.
#include "foundation/file_system.h"

#include <algorithm>
#include <cerrno>
#include <map>
#include <optional>
#include <string>
#include <vector>

// Thrown by TFaultyFileSystem at the chosen step; deliberately not a std::exception.
struct TSimulatedKill {};

class TFaultyFileSystem : public TFileSystem {
public:
    std::optional<std::size_t> writeLimit; // total bytes that may still be written, then ENOSPC
    int createError = 0;
    int syncError = 0;
    int closeError = 0;
    int renameError = 0;
    int removeError = 0;
    int syncFolderError = 0;
    // Syncs succeed without reaching the disk (a test that repeats a save many times stays fast).
    bool skipSyncs = false;
    // Calls to fail only when the path (of the file an open handle belongs to) contains this text (empty:
    // every path).
    std::string onlyPathsWith;
    // The number of changes allowed before the kill; none: never killed.
    std::optional<int> killAfter;
    int changes = 0; // changes made so far
    std::vector<std::string>
        calls; // "create", "write", "mode", "sync", "close", "rename", "remove", "syncdir"

    int CreateExclusive(const std::string& path, unsigned mode, int& fd) override {
        Step("create");
        if (createError && Matches(path)) return createError;
        const int e = TFileSystem::CreateExclusive(path, mode, fd);
        if (!e) paths_[fd] = path;
        return e;
    }
    int Write(int fd, const std::uint8_t* data, std::size_t size) override {
        Step("write");
        if (writeLimit && Matches(paths_[fd])) {
            const std::size_t n = std::min(size, *writeLimit);
            *writeLimit -= n;
            if (const int e = TFileSystem::Write(fd, data, n)) return e;
            if (n < size) return ENOSPC;
            return 0;
        }
        return TFileSystem::Write(fd, data, size);
    }
    int SetMode(int fd, unsigned mode) override {
        Step("mode");
        return TFileSystem::SetMode(fd, mode);
    }
    int Sync(int fd) override {
        Step("sync");
        if (syncError && Matches(paths_[fd])) return syncError;
        return skipSyncs ? 0 : TFileSystem::Sync(fd);
    }
    int Close(int fd) override {
        Step("close");
        const int e = TFileSystem::Close(fd);
        const bool fail = closeError && Matches(paths_[fd]);
        paths_.erase(fd);
        return fail ? closeError : e;
    }
    int Rename(const std::string& from, const std::string& to) override {
        Step("rename");
        if (renameError && (Matches(from) || Matches(to))) return renameError;
        return TFileSystem::Rename(from, to);
    }
    int Remove(const std::string& path) override {
        Step("remove");
        if (removeError && Matches(path)) return removeError;
        return TFileSystem::Remove(path);
    }
    int SyncFolder(const std::string& folder) override {
        Step("syncdir");
        if (syncFolderError) return syncFolderError;
        return skipSyncs ? 0 : TFileSystem::SyncFolder(folder);
    }

private:
    std::map<int, std::string> paths_;
    bool Matches(const std::string& path) const {
        return onlyPathsWith.empty() || path.find(onlyPathsWith) != std::string::npos;
    }
    void Step(const char* name) {
        if (killAfter && changes >= *killAfter) throw TSimulatedKill{};
        ++changes;
        calls.push_back(name);
    }
};
