#include "season/game_files.h"

#include "foundation/binary_file.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

namespace fs = std::filesystem;

namespace {

// The header's description is coded twice, as every text of the header.
constexpr int kDescriptionPasses = 2;
constexpr std::size_t kShortStringBytes = 256;

std::string Lower(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return text;
}

bool IsRegular(const fs::path& path) {
    std::error_code ec;
    return fs::is_regular_file(path, ec);
}

} // namespace

std::uintmax_t GameFileSize(const std::string& path) {
    std::error_code ec;
    if (path.empty() || !fs::is_regular_file(path, ec)) return 0;
    const std::uintmax_t size = fs::file_size(path, ec);
    return ec ? 0 : size;
}

std::string ReadGameDescription(const std::string& path) {
    if (!IsRegular(path)) return {};
    std::ifstream file(path, std::ios::binary);
    if (!file) return {};
    std::vector<std::uint8_t> bytes(kShortStringBytes);
    file.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<std::size_t>(file.gcount()));
    if (bytes.empty() || bytes.size() < 1u + bytes[0]) return {};
    TBinaryReader reader(std::move(bytes));
    return reader.CodedString(kDescriptionPasses);
}

std::vector<TGameFileEntry> ListGameFiles(const std::string& gamesDir) {
    std::vector<TGameFileEntry> entries;
    std::error_code ec;
    fs::directory_iterator it(gamesDir, ec), end;
    for (; !ec && it != end; it.increment(ec)) {
        const fs::path& path = it->path();
        if (Lower(path.extension().string()) != std::string(".") + kGameFileExtension) continue;
        if (!IsRegular(path)) continue;
        TGameFileEntry entry;
        entry.path = path.string();
        entry.fileName = path.filename().string();
        entry.size = GameFileSize(entry.path);
        entry.description = ReadGameDescription(entry.path);
        entries.push_back(std::move(entry));
    }
    std::sort(entries.begin(), entries.end(),
              [](const TGameFileEntry& a, const TGameFileEntry& b) { return a.fileName < b.fileName; });
    return entries;
}

std::string GameFilePathFor(const std::string& gamesDir, const std::string& typed) {
    const auto first = typed.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    const auto last = typed.find_last_not_of(" \t");
    std::string name = typed.substr(first, last - first + 1);
    for (char& c : name)
        if (c == '\\') c = '/';
    fs::path path(name);
    if (!path.has_parent_path()) path = fs::path(gamesDir) / path;
    if (!path.has_extension()) path += std::string(".") + kGameFileExtension;
    return path.string();
}

std::string ProposeNewGameFile(const std::string& gamesDir) {
    for (int n = 1;; ++n) {
        const fs::path path = fs::path(gamesDir) / ("game" + std::to_string(n) + "." + kGameFileExtension);
        std::error_code ec;
        if (!fs::exists(fs::symlink_status(path, ec))) return path.string();
    }
}

bool PrepareNewGameFile(const std::string& path, std::string* reason) {
    const auto fail = [reason](const std::string& why) {
        if (reason) *reason = why;
        return false;
    };
    if (path.empty()) return fail("no file name");
    std::error_code ec;
    const fs::path target(path);
    if (target.has_parent_path()) {
        fs::create_directories(target.parent_path(), ec);
        if (ec) return fail(target.parent_path().string() + ": " + ec.message());
    }
    const fs::file_status status = fs::status(target, ec);
    if (fs::exists(status) && !fs::is_regular_file(status)) return fail(path + ": not a file");
    // Appending creates a missing file and keeps an existing one whole; opening it proves it can be written.
    errno = 0;
    std::ofstream file(target, std::ios::binary | std::ios::app);
    if (!file) return fail(path + ": " + std::generic_category().message(errno != 0 ? errno : EIO));
    return true;
}

void ReleaseReservedGameFile(const std::string& path) {
    if (path.empty()) return;
    std::error_code ec;
    const fs::path target(path);
    if (fs::is_regular_file(fs::symlink_status(target, ec)) && fs::file_size(target, ec) == 0 && !ec)
        fs::remove(target, ec);
}
