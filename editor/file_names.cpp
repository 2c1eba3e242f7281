#include "editor/file_names.h"

bool IsFileNameChar(char c) {
    return c == '-' || c == '.' || c == '_' || (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') ||
           (c >= 'a' && c <= 'z');
}

std::string FileNamePart(const std::string& fileName) {
    const auto dot = fileName.rfind('.');
    return dot == std::string::npos ? fileName : fileName.substr(0, dot);
}

std::string FileExtensionPart(const std::string& fileName) {
    const auto dot = fileName.rfind('.');
    return dot == std::string::npos ? std::string() : fileName.substr(dot + 1);
}

std::string CorrectedFileName(const std::string& fileName, const std::string& extension) {
    std::string name;
    for (char c : FileNamePart(fileName))
        if (IsFileNameChar(c)) name += c;
    if (name.empty()) name = "team";
    return name + "." + extension;
}

std::string FileNameFromShortName(const std::string& shortName, const std::string& extension) {
    std::string name;
    for (char c : shortName) {
        if (c == ' ' || c == '.' || c == '\\') continue;
        // Only ASCII letters survive the correction that follows, so the ASCII case rule is enough.
        if (!name.empty() && c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        name += c;
    }
    return name + "." + extension;
}
