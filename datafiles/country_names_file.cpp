// Reading the country names file of a language: text lines coded like the labels file.
#include "datafiles/countries.h"
#include "foundation/binary_file.h"
#include "foundation/errors.h"
#include "foundation/labels_line.h"

#include <filesystem>

namespace {
// An empty entry ("X") and a line too short to hold a character decode to nothing, as in the labels file.
std::string DecodeLine(const std::string& line) {
    if (line == "X" || line.size() < 3) return {};
    return DecodeLabelsLine(line);
}
} // namespace

std::vector<std::string> ReadCountryNamesLines(const std::vector<std::uint8_t>& bytes) {
    std::vector<std::string> lines;
    std::string current;
    for (std::uint8_t b : bytes) {
        if (b == '\n') {
            if (!current.empty() && current.back() == '\r') current.pop_back();
            lines.push_back(DecodeLine(current));
            current.clear();
        } else {
            current.push_back(static_cast<char>(b));
        }
    }
    if (!current.empty()) {
        if (current.back() == '\r') current.pop_back();
        lines.push_back(DecodeLine(current));
    }
    return lines;
}

void LoadCountryNames(const std::string& path, const std::string& langCode) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) throw EFileNotFound(path + " not found");
    try {
        AddCountriesFromLines(ReadCountryNamesLines(ReadWholeFile(path, kMaxTextFileSize)), langCode);
    } catch (const EInvalidFile& e) {
        throw EInvalidFile(path + ": " + e.what());
    } catch (const EInOutError& e) {
        throw EInvalidFile(path + ": " + e.what());
    }
}
