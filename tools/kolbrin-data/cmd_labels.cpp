// kolbrin-data labels encode SRC OUT | labels decode FILE, and the data step that builds the labels file of
// every language from data/lang/<code>/labels.txt.
//
// Source format (UTF-8): "N<TAB>text" lines with N ascending; blank lines and lines starting with '#' are
// comments; the escapes \t, \\ and \xHH (one byte) are allowed in the text. Numbers not listed become empty
// entries ("X"). The output of `labels decode` is itself a source of the same file.
#include "tools/kolbrin-data/commands.h"

#include "foundation/binary_file.h"
#include "foundation/encoding.h"
#include "foundation/errors.h"
#include "foundation/labels_line.h"
#include "foundation/languages.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {
constexpr int kMaxTextNumber = 9999;

struct SourceText {
    int number;
    std::string text; // Windows-1252
};

[[noreturn]] void SourceError(const std::string& path, std::size_t line, const std::string& reason) {
    throw std::runtime_error(path + ":" + std::to_string(line) + ": " + reason);
}

std::vector<std::string> SplitLines(const std::vector<std::uint8_t>& bytes) {
    std::vector<std::string> lines;
    std::string current;
    for (const std::uint8_t b : bytes) {
        if (b == '\n') {
            if (!current.empty() && current.back() == '\r') current.pop_back();
            lines.push_back(std::move(current));
            current.clear();
        } else {
            current += static_cast<char>(b);
        }
    }
    if (!current.empty()) {
        if (current.back() == '\r') current.pop_back();
        lines.push_back(std::move(current));
    }
    return lines;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::size_t Utf8Length(unsigned char lead) {
    if (lead < 0x80) return 1;
    if (lead >= 0xC0 && lead < 0xE0) return 2;
    if (lead >= 0xE0 && lead < 0xF0) return 3;
    if (lead >= 0xF0 && lead < 0xF8) return 4;
    return 0;
}

// The Windows-1252 bytes of a source text, its escapes resolved; an empty string and a reason on failure.
bool ConvertText(const std::string& utf8, std::string& out, std::string& reason) {
    out.clear();
    std::size_t i = 0;
    while (i < utf8.size()) {
        if (utf8[i] == '\\') {
            if (i + 1 < utf8.size() && utf8[i + 1] == 't') {
                out += '\t';
                i += 2;
            } else if (i + 1 < utf8.size() && utf8[i + 1] == '\\') {
                out += '\\';
                i += 2;
            } else if (i + 3 < utf8.size() && utf8[i + 1] == 'x' && HexDigit(utf8[i + 2]) >= 0 &&
                       HexDigit(utf8[i + 3]) >= 0) {
                out += static_cast<char>(HexDigit(utf8[i + 2]) * 16 + HexDigit(utf8[i + 3]));
                i += 4;
            } else {
                reason = "unknown escape (only \\t, \\\\ and \\xHH are allowed)";
                return false;
            }
            continue;
        }
        const std::size_t length = Utf8Length(static_cast<unsigned char>(utf8[i]));
        if (length == 0 || i + length > utf8.size()) {
            reason = "the text is not valid UTF-8";
            return false;
        }
        const std::string character = utf8.substr(i, length);
        const std::string converted = Utf8ToCp1252(character);
        // Utf8ToCp1252 turns what it cannot hold into '?' and stray bytes into Latin-1: only an exact way
        // back proves the character is one of Windows-1252.
        if (converted.size() != 1 || Cp1252ToUtf8(converted) != character) {
            reason = "the character \"" + character + "\" has no Windows-1252 code";
            return false;
        }
        out += converted;
        i += length;
    }
    return true;
}

std::vector<SourceText> ReadSource(const std::string& path) {
    std::vector<std::uint8_t> bytes;
    try {
        bytes = ReadWholeFile(path, kMaxTextFileSize);
    } catch (const std::exception& e) {
        throw std::runtime_error(e.what());
    }
    std::vector<SourceText> texts;
    const std::vector<std::string> lines = SplitLines(bytes);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        const std::size_t lineNo = i + 1;
        if (line.empty() || line[0] == '#') continue;
        const std::size_t tab = line.find('\t');
        if (tab == std::string::npos) SourceError(path, lineNo, "expected N<TAB>text");
        const std::string digits = line.substr(0, tab);
        if (digits.empty() || digits.size() > 4 ||
            !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
            SourceError(path, lineNo, "\"" + digits + "\" is not a text number");
        const int number = std::stoi(digits);
        if (number < 1 || number > kMaxTextNumber) SourceError(path, lineNo, "text number out of range");
        if (!texts.empty() && number <= texts.back().number)
            SourceError(path, lineNo,
                        "text " + digits + " is out of order (after " + std::to_string(texts.back().number) +
                            ")");
        SourceText t{number, {}};
        std::string reason;
        if (!ConvertText(line.substr(tab + 1), t.text, reason)) SourceError(path, lineNo, reason);
        texts.push_back(std::move(t));
    }
    return texts;
}

// Every line up to the highest number that holds a text, then one more empty entry: the last line of a labels
// file never yields a text, so the highest real text must not be the last line. (So the listing of
// `labels decode`, which shows that last entry, codes back to the same file.)
std::vector<std::uint8_t> BuildLabelsFile(const std::vector<SourceText>& texts) {
    std::size_t used = texts.size();
    while (used > 0 && texts[used - 1].text.empty()) --used;
    std::string out;
    int line = 1;
    for (std::size_t i = 0; i < used; ++i) {
        const SourceText& t = texts[i];
        for (; line < t.number; ++line) out += "X\r\n";
        out += t.text.empty() ? std::string("X") : EncodeLabelsLine(t.text);
        out += "\r\n";
        ++line;
    }
    out += "X\r\n";
    return std::vector<std::uint8_t>(out.begin(), out.end());
}

// The readable form of a text: UTF-8, with the source's escapes for the bytes that are not printable.
std::string Escape(const std::string& text) {
    std::string out;
    for (const char ch : text) {
        const unsigned char c = static_cast<unsigned char>(ch);
        if (ch == '\\') {
            out += "\\\\";
        } else if (ch == '\t') {
            out += "\\t";
        } else if (c < 32 || c == 127 || c == 0x81 || c == 0x8D || c == 0x8F || c == 0x90 || c == 0x9D) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\x%02X", c);
            out += buf;
        } else {
            out += Cp1252ToUtf8(std::string(1, ch));
        }
    }
    return out;
}

int Encode(const CommandArgs& args) {
    RequireArgs(args, 3, "labels encode SRC OUT");
    WriteWholeFile(args[2], BuildLabelsFile(ReadSource(args[1])));
    return 0;
}

int Decode(const CommandArgs& args) {
    RequireArgs(args, 2, "labels decode FILE");
    const std::string& path = args[1];
    std::vector<std::uint8_t> bytes;
    try {
        bytes = ReadWholeFile(path, kMaxTextFileSize);
    } catch (const std::exception& e) {
        throw std::runtime_error(e.what());
    }
    const std::vector<std::string> lines = SplitLines(bytes);
    std::string out;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        std::string text;
        if (lines[i] != "X" && lines[i].size() >= 3) {
            try {
                text = DecodeLabelsLine(lines[i]);
            } catch (const EInvalidFile& e) {
                throw std::runtime_error(path + ": line " + std::to_string(i + 1) + ": " + e.what());
            }
        }
        out += std::to_string(i + 1) + "\t" + Escape(text) + "\n";
    }
    std::fwrite(out.data(), 1, out.size(), stdout);
    return 0;
}

const CommandRegistration
    kLabels("labels", "labels encode SRC OUT | labels decode FILE", [](const CommandArgs& args) {
        if (!args.empty() && args[0] == "encode") return Encode(args);
        if (!args.empty() && args[0] == "decode") return Decode(args);
        throw std::runtime_error("usage: kolbrin-data labels encode SRC OUT | labels decode FILE");
    });

// <out>/Int/<code>/KOLB2002_01_<code>.kbl for every data/lang/<code>/labels.txt.
void BuildLanguages(const std::string& outDir, const std::string& sourceDir) {
    const fs::path langRoot = fs::path(sourceDir) / "lang";
    std::error_code ec;
    if (!fs::is_directory(langRoot, ec)) return;
    std::vector<fs::path> folders;
    for (const auto& entry : fs::directory_iterator(langRoot))
        if (entry.is_directory() && fs::is_regular_file(entry.path() / "labels.txt"))
            folders.push_back(entry.path());
    std::sort(folders.begin(), folders.end());
    for (const fs::path& folder : folders) {
        const std::string code = folder.filename().string();
        const std::string source = (folder / "labels.txt").string();
        if (code.size() != 2)
            throw std::runtime_error(source + ": a language folder is named by a two-character code");
        const std::vector<SourceText> texts = ReadSource(source);
        const auto text = [&](int n) {
            for (const SourceText& t : texts)
                if (t.number == n) return t.text;
            return std::string{};
        };
        if (text(1) != kLabelsFileMarker)
            throw std::runtime_error(source + ": text 1 must be \"" + kLabelsFileMarker + "\"");
        if (text(2).substr(0, 2) != code || text(2).size() < 4)
            throw std::runtime_error(source + ": text 2 must be the code \"" + code +
                                     "\", a separator and the name");
        if (text(3).empty()) throw std::runtime_error(source + ": text 3 must be the flag's country code");
        const fs::path target = fs::path(outDir) / "Int" / code;
        fs::create_directories(target);
        WriteWholeFile((target / ("KOLB2002_01_" + code + ".kbl")).string(), BuildLabelsFile(texts));
    }
}

const DataStepRegistration kLabelsStep(10, "labels", BuildLanguages);
} // namespace
