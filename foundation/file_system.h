#pragma once
// The system calls that change files, behind one replaceable object. Every writer of the program goes
// through FileSystem(), so a test can put a failing disk in its place (a write that stops after N bytes, a
// sync or a rename that fails) and the failure paths run as any user, the super-user included.
#include <cstddef>
#include <cstdint>
#include <string>

class TFileSystem {
public:
    virtual ~TFileSystem() = default;
    // Each call returns 0 on success or the system's error number.

    // Creates `path` for writing, exclusively (an existing file or link under that name is an error, a link
    // is never followed), with the permission bits `mode` (less the process's mask). fd receives the handle.
    virtual int CreateExclusive(const std::string& path, unsigned mode, int& fd);
    // Writes all `size` bytes.
    virtual int Write(int fd, const std::uint8_t* data, std::size_t size);
    // Sets the permission bits of an open file exactly.
    virtual int SetMode(int fd, unsigned mode);
    // Forces the file's contents to the disk.
    virtual int Sync(int fd);
    // Closes the handle; an error here can mean the data never reached the disk.
    virtual int Close(int fd);
    // Renames within one file system, replacing `to` in one step.
    virtual int Rename(const std::string& from, const std::string& to);
    virtual int Remove(const std::string& path);
    // Forces the folder's entries (a rename, a new or a deleted file) to the disk.
    virtual int SyncFolder(const std::string& folder);
};

// The file system every writer uses: the real one unless a TFileSystemOverride is alive.
TFileSystem& FileSystem();

// Puts another file system in place for its lifetime (tests); overrides nest.
class TFileSystemOverride {
public:
    explicit TFileSystemOverride(TFileSystem& replacement);
    ~TFileSystemOverride();
    TFileSystemOverride(const TFileSystemOverride&) = delete;
    TFileSystemOverride& operator=(const TFileSystemOverride&) = delete;

private:
    TFileSystem* previous_;
};

// The system's reason for an error number ("No space left on device").
std::string SystemErrorText(int error);
