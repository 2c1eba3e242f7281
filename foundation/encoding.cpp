#include "foundation/encoding.h"

#include <cstdint>

namespace {
// Code points of 0x80..0x9F; 0 marks the five bytes Windows-1252 leaves undefined (kept as C1 controls).
constexpr std::uint16_t kHigh[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                     0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                     0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                     0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

std::uint32_t ToCodePoint(unsigned char c) {
    if (c >= 0x80 && c <= 0x9F) return kHigh[c - 0x80] ? kHigh[c - 0x80] : c;
    return c;
}

void AppendUtf8(std::string& out, std::uint32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

char FromCodePoint(std::uint32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<char>(cp);
    for (int i = 0; i < 32; ++i)
        if (kHigh[i] == cp || (kHigh[i] == 0 && cp == static_cast<std::uint32_t>(0x80 + i)))
            return static_cast<char>(0x80 + i);
    return '?';
}
} // namespace

std::string Cp1252ToUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) AppendUtf8(out, ToCodePoint(static_cast<unsigned char>(c)));
    return out;
}

namespace {
// Decodes the UTF-8 sequence at text[i]; `length` is the bytes it takes. A malformed sequence is one byte
// taken as Latin-1 (`wellFormed` false).
std::uint32_t DecodeAt(std::string_view text, std::size_t i, std::size_t& length, bool& wellFormed) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    int extra = 0;
    std::uint32_t cp = c;
    if (c >= 0xF0 && c < 0xF8) {
        extra = 3;
        cp = c & 0x07;
    } else if (c >= 0xE0) {
        extra = c < 0xF0 ? 2 : 0;
        cp = c & 0x0F;
    } else if (c >= 0xC0) {
        extra = 1;
        cp = c & 0x1F;
    }
    bool ok = extra > 0 && i + static_cast<std::size_t>(extra) < text.size();
    if (ok) {
        for (int k = 1; k <= extra; ++k) {
            const unsigned char n = static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]);
            if ((n & 0xC0) != 0x80) {
                ok = false;
                break;
            }
            cp = (cp << 6) | (n & 0x3F);
        }
    }
    wellFormed = ok || c < 0x80;
    length = ok ? static_cast<std::size_t>(extra) + 1 : 1;
    return ok ? cp : c; // ASCII, or a stray byte taken as Latin-1
}

bool FitsCp1252(std::uint32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return true;
    for (int i = 0; i < 32; ++i)
        if (kHigh[i] == cp || (kHigh[i] == 0 && cp == static_cast<std::uint32_t>(0x80 + i))) return true;
    return false;
}
} // namespace

std::string Utf8ToCp1252(std::string_view text) {
    std::string out;
    std::size_t i = 0;
    while (i < text.size()) {
        std::size_t length = 1;
        bool wellFormed = true;
        const std::uint32_t cp = DecodeAt(text, i, length, wellFormed);
        out += wellFormed ? FromCodePoint(cp) : text[i];
        i += length;
    }
    return out;
}

std::optional<TUnencodable> FirstNotInCp1252(std::string_view utf8) {
    std::size_t i = 0;
    while (i < utf8.size()) {
        std::size_t length = 1;
        bool wellFormed = true;
        const std::uint32_t cp = DecodeAt(utf8, i, length, wellFormed);
        if (wellFormed && !FitsCp1252(cp)) return TUnencodable{i, cp, std::string(utf8.substr(i, length))};
        i += length;
    }
    return std::nullopt;
}

std::string UpperCp1252(std::string_view text) {
    std::string out(text);
    for (char& ch : out) {
        const unsigned char c = static_cast<unsigned char>(ch);
        if (c >= 'a' && c <= 'z')
            ch = static_cast<char>(c - 32);
        else if (c >= 0xE0 && c <= 0xFE && c != 0xF7)
            ch = static_cast<char>(c - 32);
        else if (c == 0x9A || c == 0x9C || c == 0x9E)
            ch = static_cast<char>(c - 16);
        else if (c == 0xFF)
            ch = static_cast<char>(0x9F);
    }
    return out;
}
