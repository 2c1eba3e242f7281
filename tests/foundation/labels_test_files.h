#pragma once
// Labels files for the tests of the text units, written into a fresh temporary folder.
#include "foundation/labels_line.h"

#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

// A temporary folder removed with the object.
class TempFolder {
public:
    TempFolder() {
        static int counter = 0;
        path_ = std::filesystem::temp_directory_path() /
                ("kolbrin_texts_" + std::to_string(getpid()) + "_" + std::to_string(++counter));
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~TempFolder() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const std::filesystem::path& Path() const { return path_; }
    std::string File(const std::string& name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

// Writes the lines as given (already coded, or "X"), each ended by `lineEnd`.
inline void WriteRawLines(const std::string& path, const std::vector<std::string>& lines,
                          const std::string& lineEnd = "\r\n") {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream out(path, std::ios::binary);
    for (const std::string& line : lines) out << line << lineEnd;
}

// Codes every text (empty texts become "X") and writes them as lines 1, 2, ...
inline void WriteTexts(const std::string& path, const std::vector<std::string>& texts) {
    std::vector<std::string> lines;
    for (const std::string& t : texts) lines.push_back(t.empty() ? "X" : EncodeLabelsLine(t));
    WriteRawLines(path, lines);
}
