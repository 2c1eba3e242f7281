#include "foundation/coded_string.h"

#include <algorithm>

namespace {
std::string Cut(std::string_view text) {
    return std::string(text.substr(0, std::min<std::size_t>(text.size(), 255)));
}
} // namespace

std::string EncodeCodedString(std::string_view text, int times) {
    std::string s = Cut(text);
    const unsigned char length = static_cast<unsigned char>(s.size());
    for (int pass = 0; pass < std::max(times, 1); ++pass) {
        unsigned char previous = length;
        for (char& c : s) {
            c = static_cast<char>(static_cast<unsigned char>(previous + static_cast<unsigned char>(c)));
            previous = static_cast<unsigned char>(c);
        }
    }
    return s;
}

std::string DecodeCodedString(std::string_view coded, int times) {
    std::string s = Cut(coded);
    const unsigned char length = static_cast<unsigned char>(s.size());
    for (int pass = 0; pass < std::max(times, 1); ++pass) {
        for (std::size_t i = s.size(); i-- > 0;) {
            const unsigned char before = i == 0 ? length : static_cast<unsigned char>(s[i - 1]);
            s[i] = static_cast<char>(static_cast<unsigned char>(static_cast<unsigned char>(s[i]) - before));
        }
    }
    return s;
}
