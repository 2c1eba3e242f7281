#include "foundation/coded_string.h"

#include <algorithm>

namespace {
constexpr std::size_t kMaxShortString = 255;
} // namespace

void EncodeCodedBytes(std::uint8_t* bytes, std::size_t length, int times) {
    for (int pass = 0; pass < std::max(times, 1); ++pass) {
        std::uint8_t previous = static_cast<std::uint8_t>(length);
        for (std::size_t i = 0; i < length; ++i) {
            bytes[i] = static_cast<std::uint8_t>(previous + bytes[i]);
            previous = bytes[i];
        }
    }
}

void DecodeCodedStringInPlace(std::string& s, int times) {
    if (s.size() > kMaxShortString) s.resize(kMaxShortString);
    const unsigned char length = static_cast<unsigned char>(s.size());
    for (int pass = 0; pass < std::max(times, 1); ++pass) {
        for (std::size_t i = s.size(); i-- > 0;) {
            const unsigned char before = i == 0 ? length : static_cast<unsigned char>(s[i - 1]);
            s[i] = static_cast<char>(static_cast<unsigned char>(static_cast<unsigned char>(s[i]) - before));
        }
    }
}

std::string EncodeCodedString(std::string_view text, int times) {
    std::string s(text.substr(0, std::min(text.size(), kMaxShortString)));
    EncodeCodedBytes(reinterpret_cast<std::uint8_t*>(s.data()), s.size(), times);
    return s;
}

std::string DecodeCodedString(std::string_view coded, int times) {
    std::string s(coded.substr(0, std::min(coded.size(), kMaxShortString)));
    DecodeCodedStringInPlace(s, times);
    return s;
}
