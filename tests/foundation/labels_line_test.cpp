#include "foundation/labels_line.h"

#include "foundation/errors.h"

#include <gtest/gtest.h>

#include <random>

namespace {
// Lines worked out by hand from the coding rules (pair k: filler, plain + k + filler mod 80).
TEST(LabelsLineDecode, HandCodedLines) {
    // 'a' 'S' carries 'A' (65 + 1 + 17), '#' 0x87 carries 'b' (98 + 2 + 35); sum 350 -> +8192 -> 8542:
    // check characters 33 ('!') and 8542 mod 256 = 94 ('^').
    EXPECT_EQ(DecodeLabelsLine("!^aS#\x87"), "Ab");
    // A trailing odd character takes no part in the text or the sum.
    EXPECT_EQ(DecodeLabelsLine("!^aS#\x87Z"), "Ab");
    // Sum 266 -> 8458, whose low byte 10 is below 32 -> 8490: check characters 33 and 42 ('*').
    EXPECT_EQ(DecodeLabelsLine("!*d\xA6"), "\x91");
    // No pairs: sum 0 -> 8192 -> 8224, both check characters blanks.
    EXPECT_EQ(DecodeLabelsLine("   "), "");
}

TEST(LabelsLineDecode, HalvesRoundToEven) {
    // Sum 640 -> 8832 = 34.5 x 256: the first check character is 34, not 35.
    EXPECT_EQ(DecodeLabelsLine("\"\x80\xC8x\xC8x"), "ON");
    EXPECT_THROW(DecodeLabelsLine("#\x80\xC8x\xC8x"), EInvalidFile);
}

TEST(LabelsLineDecode, LongLinesSkipTheAdjustmentsAndWrapTheFirstCheckCharacter) {
    // 18 pairs of 0xFA: sum 9000, already above 32 x 256, so nothing is added: 35 ('#') and 40 ('(').
    std::string line = "#(";
    std::string text;
    for (int k = 1; k <= 18; ++k) {
        line += "\xFA\xFA";
        text += static_cast<char>(240 - k);
    }
    EXPECT_EQ(DecodeLabelsLine(line), text);
    // 140 pairs: sum 70000, 273.4 x 256 -> first check character 273 mod 256 = 17, second 112 ('p').
    line = "\x11p";
    text.clear();
    for (int k = 1; k <= 140; ++k) {
        line += "\xFA\xFA";
        text += static_cast<char>((240 - k + 256) % 256);
    }
    EXPECT_EQ(DecodeLabelsLine(line), text);
}

TEST(LabelsLineDecode, DamagedLinesAreRefused) {
    const auto refused = [](const std::string& line) {
        try {
            DecodeLabelsLine(line);
        } catch (const EInvalidFile& e) {
            return std::string(e.what()) == "Error in labels file";
        }
        return false;
    };
    EXPECT_TRUE(refused("!_aS#\x87"));  // second check character
    EXPECT_TRUE(refused("\"^aS#\x87")); // first check character
    EXPECT_TRUE(refused("!^aT#\x87"));  // a coded character
    EXPECT_TRUE(refused("!^bS#\x87"));  // a filler
    EXPECT_TRUE(refused(""));
    EXPECT_TRUE(refused("X"));
    EXPECT_TRUE(refused("!^"));
}

void ExpectSafeRoundTrip(const std::string& text) {
    const std::string line = EncodeLabelsLine(text);
    ASSERT_GE(line.size(), 3u);
    for (const char c : line)
        ASSERT_TRUE(IsSafeLabelsByte(static_cast<unsigned char>(c)))
            << "byte " << int(static_cast<unsigned char>(c)) << " in the line of a text of " << text.size();
    ASSERT_NE(line.back(), ' ');
    ASSERT_EQ(DecodeLabelsLine(line), text);
}

TEST(LabelsLineEncode, EveryByteValueRoundTripsAtEveryKindOfPosition) {
    for (const std::size_t length : {1u, 2u, 3u, 17u, 100u, 255u, 300u}) {
        for (const std::size_t position : {std::size_t{0}, std::size_t{1}, length / 2, length - 1}) {
            if (position >= length) continue;
            for (int b = 0; b < 256; ++b) {
                std::string text(length, 'e');
                text[position] = static_cast<char>(b);
                ExpectSafeRoundTrip(text);
            }
        }
    }
    std::string all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    ExpectSafeRoundTrip(all);
    ExpectSafeRoundTrip(std::string(all.rbegin(), all.rend()));
}

TEST(LabelsLineEncode, ControlBytesNeverAppearWhateverTheText) {
    // Random texts of every length up to 600 reach the rare sums (a second check character of 127, a
    // first one that wraps below 32) that the usual choice of fillers cannot code safely.
    std::mt19937 rng(2002);
    for (int n = 0; n < 3000; ++n) {
        std::string text(static_cast<std::size_t>(rng() % 600), '\0');
        for (char& c : text) c = static_cast<char>(rng() % 256);
        ExpectSafeRoundTrip(text);
    }
    ExpectSafeRoundTrip("");
    ExpectSafeRoundTrip(std::string(400, '\xFF'));
    ExpectSafeRoundTrip(std::string(400, '\0'));
    ExpectSafeRoundTrip(std::string(1000, '\n'));
}

TEST(LabelsLineEncode, SameTextSameLine) {
    EXPECT_EQ(EncodeLabelsLine("KB2002 - LABEL"), EncodeLabelsLine("KB2002 - LABEL"));
    EXPECT_NE(EncodeLabelsLine("KB2002 - LABEL"), EncodeLabelsLine("KB2002 - LABEM"));
    EXPECT_EQ(DecodeLabelsLine(EncodeLabelsLine("")), "");
}
} // namespace
