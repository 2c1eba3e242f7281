#include "tools/kolbrin-data/world_sources.h"

#include "foundation/encoding.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace {

struct TSourceLine {
    int number;
    std::vector<std::string> fields; // trimmed, still UTF-8
};

std::string Trim(const std::string& s) {
    const auto first = s.find_first_not_of(" \t\r");
    if (first == std::string::npos) return {};
    const auto last = s.find_last_not_of(" \t\r");
    return s.substr(first, last - first + 1);
}

// The lines of a source that carry data: comments ("#" first) and blank lines are left out.
std::vector<TSourceLine> ReadSourceLines(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error(path + ": cannot be read");
    std::vector<TSourceLine> lines;
    std::string text;
    int number = 0;
    while (std::getline(in, text)) {
        ++number;
        // Some editors put a byte-order mark in front of a UTF-8 file.
        if (number == 1 && text.compare(0, 3, "\xEF\xBB\xBF") == 0) text.erase(0, 3);
        const std::string trimmed = Trim(text);
        if (trimmed.empty() || trimmed[0] == '#') continue;
        TSourceLine line{number, {}};
        std::size_t start = 0;
        while (true) {
            const auto bar = trimmed.find('|', start);
            line.fields.push_back(Trim(trimmed.substr(start, bar == std::string::npos ? bar : bar - start)));
            if (bar == std::string::npos) break;
            start = bar + 1;
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

[[noreturn]] void Fail(const std::string& path, int line, const std::string& reason) {
    throw std::runtime_error(path + ":" + std::to_string(line) + ": " + reason);
}

class TLineReader {
public:
    TLineReader(const std::string& path, const TSourceLine& line) : path_(path), line_(line) {}

    void ExpectFields(std::size_t minCount, std::size_t maxCount) const {
        if (line_.fields.size() < minCount || line_.fields.size() > maxCount)
            Fail("expected " + std::to_string(minCount) +
                 (maxCount != minCount ? " to " + std::to_string(maxCount) : std::string()) +
                 " fields, found " + std::to_string(line_.fields.size()));
    }
    const std::string& Raw(std::size_t i) const { return line_.fields.at(i); }

    // A Windows-1252 text of at most `width` characters; empty only when allowed.
    std::string Text(std::size_t i, int width, const char* what, bool allowEmpty = false) const {
        const std::string& utf8 = Raw(i);
        const std::string text = Utf8ToCp1252(utf8);
        if (std::count(text.begin(), text.end(), '?') != std::count(utf8.begin(), utf8.end(), '?'))
            Fail(std::string(what) + " \"" + utf8 + "\" has a character Windows-1252 cannot hold");
        if (!allowEmpty && text.empty()) Fail(std::string(what) + " is empty");
        if (static_cast<int>(text.size()) > width)
            Fail(std::string(what) + " \"" + utf8 + "\" is longer than " + std::to_string(width) +
                 " characters");
        return text;
    }

    std::string Code(std::size_t i, const char* what) const {
        const std::string code = Raw(i);
        if (code.size() != 3 ||
            !std::all_of(code.begin(), code.end(), [](char c) { return c >= 'A' && c <= 'Z'; }))
            Fail(std::string(what) + " \"" + code + "\" is not a code of three capital letters");
        return code;
    }

    int Number(std::size_t i, int low, int high, const char* what) const {
        const std::string& text = Raw(i);
        int value = 0;
        bool ok = !text.empty() && text.size() <= 6;
        for (char c : text) {
            if (c < '0' || c > '9')
                ok = false;
            else
                value = value * 10 + (c - '0');
        }
        if (!ok || value < low || value > high)
            Fail(std::string(what) + " \"" + text + "\" is not a number from " + std::to_string(low) +
                 " to " + std::to_string(high));
        return value;
    }

    std::uint32_t Colour(std::size_t i) const {
        const std::string& text = Raw(i);
        if (text.size() != 7 || text[0] != '#' || !std::all_of(text.begin() + 1, text.end(), [](char c) {
                return std::isxdigit(static_cast<unsigned char>(c));
            }))
            Fail("colour \"" + text + "\" is not of the form #RRGGBB");
        return static_cast<std::uint32_t>(std::stoul(text.substr(1), nullptr, 16));
    }

    std::string Where() const { return path_ + ":" + std::to_string(line_.number); }
    [[noreturn]] void Fail(const std::string& reason) const { ::Fail(path_, line_.number, reason); }

private:
    const std::string& path_;
    const TSourceLine& line_;
};

int PositionFromText(const TLineReader& r, const std::string& text) {
    static const char* const kPositions[] = {"GK", "DF", "MF", "FW"};
    for (int i = 0; i < 4; ++i)
        if (text == kPositions[i]) return i;
    r.Fail("position \"" + text + "\" is not one of GK, DF, MF, FW");
}

std::int32_t WindowsColour(std::uint32_t rgb) {
    const std::uint32_t r = (rgb >> 16) & 0xFF, g = (rgb >> 8) & 0xFF, b = rgb & 0xFF;
    return static_cast<std::int32_t>((b << 16) | (g << 8) | r);
}

// Windows-1252 letters with accents, and the plain letters they fold to (0 for "no letter").
char FoldLetter(unsigned char c) {
    if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'))
        return static_cast<char>(c);
    switch (c) {
    case 0x8A:
        return 'S';
    case 0x9A:
        return 's';
    case 0x8E:
        return 'Z';
    case 0x9E:
        return 'z';
    case 0x9F:
        return 'Y';
    default:
        break;
    }
    if (c < 0xC0) return 0;
    static const char kFold[] = "AAAAAAACEEEEIIIIDNOOOOO\0OUUUUYTsaaaaaaaceeeeiiiidnooooo\0ouuuuyty";
    return kFold[c - 0xC0];
}

} // namespace

const TWorldCountry* TWorldCountries::Find(const std::string& code) const {
    for (const TWorldCountry& c : countries)
        if (c.code == code) return &c;
    return nullptr;
}

TWorldCountries ReadWorldCountries(const std::string& path) {
    TWorldCountries result;
    for (const TSourceLine& line : ReadSourceLines(path)) {
        const TLineReader r(path, line);
        if (result.languages.empty()) {
            // The first data line names the languages of the name columns.
            if (line.fields.size() < 2 || line.fields[0] != "languages")
                r.Fail("the first line must be \"languages | <code> | ...\"");
            for (std::size_t i = 1; i < line.fields.size(); ++i) {
                if (line.fields[i].size() != 2)
                    r.Fail("language code \"" + line.fields[i] + "\" is not 2 characters");
                result.languages.push_back(line.fields[i]);
            }
            continue;
        }
        r.ExpectFields(2 + result.languages.size(), 2 + result.languages.size());
        TWorldCountry country;
        country.code = r.Code(0, "country code");
        country.code2 = r.Text(1, 3, "second code");
        for (std::size_t i = 0; i < result.languages.size(); ++i)
            country.names.push_back(r.Text(2 + i, 20, "country name"));
        if (result.Find(country.code)) r.Fail("country " + country.code + " is given twice");
        result.countries.push_back(std::move(country));
    }
    if (result.countries.empty()) throw std::runtime_error(path + ": no countries");
    return result;
}

std::vector<TWorldGroup> ReadWorldGroups(const std::string& path) {
    std::vector<TWorldGroup> groups;
    for (const TSourceLine& line : ReadSourceLines(path)) {
        const TLineReader r(path, line);
        r.ExpectFields(3, 3);
        TWorldGroup group;
        group.fileName = r.Raw(0);
        if (group.fileName.empty() || group.fileName.find_first_of("/\\") != std::string::npos)
            r.Fail("group file name \"" + group.fileName + "\" is not a plain file name");
        group.header = r.Text(1, 255, "group header");
        std::string codes = r.Raw(2);
        std::size_t start = 0;
        while (start < codes.size()) {
            const auto end = std::min(codes.find(' ', start), codes.size());
            const std::string code = codes.substr(start, end - start);
            if (!code.empty()) {
                if (code.size() != 3) r.Fail("group member \"" + code + "\" is not a code of three letters");
                group.codes.push_back(code);
            }
            start = end + 1;
        }
        groups.push_back(std::move(group));
    }
    return groups;
}

std::vector<TWorldFlag> ReadWorldFlags(const std::string& path) {
    std::vector<TWorldFlag> flags;
    for (const TSourceLine& line : ReadSourceLines(path)) {
        const TLineReader r(path, line);
        r.ExpectFields(2, 2);
        TWorldFlag flag;
        flag.code = r.Code(0, "country code");
        flag.drawing = r.Raw(1);
        if (flag.drawing.empty()) r.Fail("the flag of " + flag.code + " has no layer");
        flags.push_back(std::move(flag));
    }
    return flags;
}

std::vector<TWorldClub> ReadWorldClubs(const std::string& path) {
    std::vector<TWorldClub> clubs;
    for (const TSourceLine& line : ReadSourceLines(path)) {
        const TLineReader r(path, line);
        const std::string& kind = line.fields[0];
        if (kind == "club") {
            r.ExpectFields(7, 7);
            TWorldClub club;
            club.where = r.Where();
            club.country = r.Code(1, "club country");
            club.level = r.Number(2, 1, 20, "level");
            club.name = r.Text(3, 40, "club name");
            club.shortName = r.Text(4, 20, "short name");
            club.color1 = WindowsColour(r.Colour(5));
            club.color2 = WindowsColour(r.Colour(6));
            clubs.push_back(std::move(club));
            continue;
        }
        if (clubs.empty()) r.Fail("\"" + kind + "\" before the first club line");
        TWorldClub& club = clubs.back();
        if (kind == "coach") {
            r.ExpectFields(2, 2);
            club.coach = r.Text(1, 20, "coach name", true);
        } else if (kind == "player") {
            r.ExpectFields(6, 7);
            TWorldPlayer p;
            p.position = PositionFromText(r, r.Raw(1));
            p.name = r.Text(2, 20, "player name");
            p.nationality = r.Code(3, "nationality");
            p.age = r.Number(4, 15, 45, "age");
            p.behaviour = r.Number(5, 0, 5, "behaviour");
            if (line.fields.size() == 7) {
                if (r.Raw(6) != "star") r.Fail("the last player field may only be \"star\"");
                p.star = true;
            }
            club.players.push_back(std::move(p));
        } else {
            r.Fail("unknown line kind \"" + kind + "\" (club, coach or player)");
        }
    }
    return clubs;
}

std::vector<TWorldClub> ReadWorldClubFolder(const std::string& folder) {
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        if (entry.is_regular_file() && entry.path().extension() == ".txt")
            files.push_back(entry.path().string());
    std::sort(files.begin(), files.end());
    std::vector<TWorldClub> clubs;
    for (const std::string& file : files) {
        std::vector<TWorldClub> some = ReadWorldClubs(file);
        clubs.insert(clubs.end(), std::make_move_iterator(some.begin()), std::make_move_iterator(some.end()));
    }
    return clubs;
}

std::vector<TWorldReferee> ReadWorldReferees(const std::string& path) {
    std::vector<TWorldReferee> referees;
    for (const TSourceLine& line : ReadSourceLines(path)) {
        const TLineReader r(path, line);
        r.ExpectFields(2, 2);
        referees.push_back({r.Code(0, "referee country"), r.Text(1, 40, "referee name")});
    }
    return referees;
}

std::string WorldTeamFileName(const std::string& shortName) {
    std::string base;
    for (char c : shortName)
        if (const char folded = FoldLetter(static_cast<unsigned char>(c))) base += folded;
    if (base.empty())
        throw std::runtime_error("short name \"" + Cp1252ToUtf8(shortName) +
                                 "\" has no letter for a file name");
    return base + ".kbt";
}

std::int32_t WindowsColourFromHex(const std::string& hex) {
    const TSourceLine one{0, {hex}};
    return WindowsColour(TLineReader("colour", one).Colour(0));
}

std::string WorldSourceDir(const std::string& sourceDir) {
    return (std::filesystem::path(sourceDir) / "world").string();
}
