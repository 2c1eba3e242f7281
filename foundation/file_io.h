#pragma once
// Reading and writing whole files. Readers take only regular files up to a size no real data file reaches,
// so a folder, a FIFO, a device or a runaway file gives a clear error instead of a hang or a full memory.
// Writers replace a file in one step: a temporary created exclusively beside the target, written, synced
// and closed with every error checked, renamed over the target, and the folder synced. Every change goes
// through FileSystem() (foundation/file_system.h). Errors name the target and give the system's reason.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Limits for the readers: far above the largest real file of each kind, far below what hurts.
inline constexpr std::size_t kMaxDataFileSize = 16u << 20;  // the default: any data file
inline constexpr std::size_t kMaxTeamFileSize = 1u << 20;   // a team of 20 players is about 1 KB
inline constexpr std::size_t kMaxTextFileSize = 4u << 20;   // a labels or country names file (about 16 KB)
inline constexpr std::size_t kMaxRecordFileSize = 1u << 20; // the referee file (about 5 KB)
inline constexpr std::size_t kMaxPictureFileSize = 32u << 20;

// Throws EInOutError, naming the path, when it is missing, not a regular file or larger than maxSize.
// Returns the file's size.
std::size_t CheckReadableFile(const std::string& path, std::size_t maxSize = kMaxDataFileSize);
// Reads a whole regular file of at most maxSize bytes; EInOutError otherwise.
std::vector<std::uint8_t> ReadWholeFile(const std::string& path, std::size_t maxSize = kMaxDataFileSize);

// Atomic write: the target is replaced in one step or not at all; a replaced file keeps its permission
// bits. EInOutError "Cannot write <path>: <reason>" on failure.
void WriteWholeFile(const std::string& path, const std::vector<std::uint8_t>& data);
// Writes a file that must not exist yet (created exclusively), synced and closed; nothing is left behind
// on failure. EInOutError as above, naming `reportAs` when given (the file the new one is written for).
void WriteNewFile(const std::string& path, const std::vector<std::uint8_t>& data,
                  const std::string& reportAs = {});
// The temporaries of WriteWholeFile end with this; a file so named is left over from an interrupted write.
inline constexpr std::string_view kWriteTemporarySuffix = ".kolbrin-tmp";
bool IsWriteTemporary(std::string_view fileName);

// The folder part of a path as the system takes it ("." when there is none).
std::string FolderOfPath(const std::string& path);
