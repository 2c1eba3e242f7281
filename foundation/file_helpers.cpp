#include "foundation/file_helpers.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>
#include <vector>

namespace {
std::function<void()>& BeepHandler() {
    static std::function<void()> handler;
    return handler;
}

std::function<bool()>& SoundOnQuery() {
    static std::function<bool()> query;
    return query;
}

std::string Lower(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}
} // namespace

std::string PickRandomFile(const std::string& directory, const std::string& extension,
                           const std::function<std::int32_t(std::int32_t)>& draw) {
    namespace fs = std::filesystem;
    std::vector<std::string> names;
    const std::string wanted = "." + Lower(extension);
    std::error_code ec;
    fs::directory_iterator it(ToNativePath(directory), ec);
    if (ec) return std::string();
    for (const fs::directory_iterator end; it != end; it.increment(ec)) {
        if (ec) break;
        std::error_code typeError;
        if (!it->is_regular_file(typeError)) continue;
        const std::string name = it->path().filename().string();
        if (name.size() > wanted.size() && Lower(name.substr(name.size() - wanted.size())) == wanted)
            names.push_back(name);
    }
    if (names.empty()) return std::string();
    // Directory order differs between systems; the name order is the same everywhere.
    std::sort(names.begin(), names.end());
    const auto count = static_cast<std::int32_t>(names.size());
    std::int32_t index = draw ? draw(count) : 0;
    if (index < 0 || index >= count) index = 0;
    std::string dir = directory;
    if (!dir.empty() && dir.back() != '/' && dir.back() != '\\') dir += '/';
    return dir + names[static_cast<std::size_t>(index)];
}

std::string ExtractDirPart(std::string_view path) {
    const std::size_t cut = path.find_last_of("\\/");
    return cut == std::string_view::npos ? std::string() : std::string(path.substr(0, cut));
}

std::string ExtractNamePart(std::string_view path) {
    const std::size_t cut = path.find_last_of("\\/");
    return std::string(cut == std::string_view::npos ? path : path.substr(cut + 1));
}

std::string ToNativePath(std::string_view path) {
    std::string out(path);
    std::replace(out.begin(), out.end(), '\\', '/');
    return out;
}

void SplitFileName(std::string_view fileName, std::string& name, std::string& extension, std::size_t maxName,
                   std::size_t maxExtension) {
    const std::size_t dot = fileName.find('.');
    const std::string_view n = dot == std::string_view::npos ? fileName : fileName.substr(0, dot);
    const std::string_view e = dot == std::string_view::npos ? std::string_view() : fileName.substr(dot + 1);
    name = std::string(n.substr(0, std::min(n.size(), maxName)));
    extension = std::string(e.substr(0, std::min(e.size(), maxExtension)));
}

const std::string& SingularPlural(std::int64_t count, const std::string& singular,
                                  const std::string& plural) {
    return count == 1 ? singular : plural;
}

void SetBeepHandler(std::function<void()> beep, std::function<bool()> soundOn) {
    BeepHandler() = std::move(beep);
    SoundOnQuery() = std::move(soundOn);
}

void PlayBeep() {
    if (!BeepHandler()) return;
    if (SoundOnQuery() && !SoundOnQuery()()) return;
    BeepHandler()();
}
