#pragma once
// Golden bytes of the game file's records, built here from the byte layouts (world/saved_game_records.h),
// never by the code under test: little-endian integers, coded strings coded by the rule itself (each byte
// plus the coded byte before it, the first plus the length byte), reals as their bytes written out.
#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

namespace savetest {

using Bytes = std::vector<std::uint8_t>;

struct ByteBuilder {
    Bytes b;
    ByteBuilder& U8(int v) {
        b.push_back(static_cast<std::uint8_t>(v));
        return *this;
    }
    ByteBuilder& I16(int v) { return U8(v & 0xFF).U8((v >> 8) & 0xFF); }
    ByteBuilder& I32(std::int64_t v) {
        for (int i = 0; i < 4; ++i) U8(static_cast<int>((v >> (8 * i)) & 0xFF));
        return *this;
    }
    ByteBuilder& Raw(std::initializer_list<int> bytes) {
        for (int v : bytes) U8(v);
        return *this;
    }
    ByteBuilder& Zeros(std::size_t n) {
        b.insert(b.end(), n, 0);
        return *this;
    }
    ByteBuilder& Append(const Bytes& more) {
        b.insert(b.end(), more.begin(), more.end());
        return *this;
    }
    // A coded short string, coded `passes` times.
    ByteBuilder& Coded(const std::string& text, int passes = 1) {
        std::string coded = text;
        for (int p = 0; p < passes; ++p) {
            std::uint8_t before = static_cast<std::uint8_t>(coded.size());
            for (char& c : coded) {
                before = static_cast<std::uint8_t>(static_cast<std::uint8_t>(c) + before);
                c = static_cast<char>(before);
            }
        }
        U8(static_cast<int>(coded.size()));
        for (char c : coded) U8(static_cast<std::uint8_t>(c));
        return *this;
    }
    // A length byte and `width` bytes: the text, then zeros.
    ByteBuilder& Fixed(const std::string& text, std::size_t width) {
        U8(static_cast<int>(text.size()));
        for (char c : text) U8(static_cast<std::uint8_t>(c));
        return Zeros(width - text.size());
    }
};

// Reals used by the golden records, as their bytes.
inline constexpr std::initializer_list<int> kExtended1_5 = {0, 0, 0, 0, 0, 0, 0, 0xC0, 0xFF, 0x3F};
inline constexpr std::initializer_list<int> kExtended2 = {0, 0, 0, 0, 0, 0, 0, 0x80, 0x00, 0x40};
inline constexpr std::initializer_list<int> kExtended1 = {0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x3F};
inline constexpr std::initializer_list<int> kReal48_1_5 = {0x81, 0, 0, 0, 0, 0x40};
inline constexpr std::initializer_list<int> kReal48_0_75 = {0x80, 0, 0, 0, 0, 0x40};

} // namespace savetest
