#include "foundation/coded_string.h"

#include <gtest/gtest.h>

#include <string>

TEST(CodedString, OneStepAddsEachByteToTheCodedByteBefore) {
    const std::string coded = EncodeCodedString("abc");
    ASSERT_EQ(coded.size(), 3u);
    EXPECT_EQ(static_cast<unsigned char>(coded[0]), 100);
    EXPECT_EQ(static_cast<unsigned char>(coded[1]), 198);
    EXPECT_EQ(static_cast<unsigned char>(coded[2]), 41);
    EXPECT_EQ(DecodeCodedString(coded), "abc");
    EXPECT_EQ(EncodeCodedString(""), "");
}

TEST(CodedString, SeveralStepsRoundTrip) {
    const std::string text = "Jo\xe3o Ant\xf3nio";
    for (int times = 1; times <= 5; ++times)
        EXPECT_EQ(DecodeCodedString(EncodeCodedString(text, times), times), text);
    EXPECT_EQ(EncodeCodedString(text, 2), EncodeCodedString(EncodeCodedString(text, 1), 1));
}

TEST(CodedString, ALongTextIsCutTo255AndCodedFromTheLengthByte255) {
    // 300 characters 'A' + (7 j mod 26): only the first 255 are kept, and the length byte is 255. One step
    // makes byte k the sum of the length byte and characters 0..k, modulo 256; the values below were
    // worked out from that sum.
    std::string text;
    for (int j = 0; j < 300; ++j) text += static_cast<char>('A' + (7 * j) % 26);
    const std::string coded = EncodeCodedString(text);
    ASSERT_EQ(coded.size(), 255u);
    const unsigned char first[5] = {64, 136, 215, 45, 112};
    for (std::size_t k = 0; k < 5; ++k) EXPECT_EQ(static_cast<unsigned char>(coded[k]), first[k]) << k;
    const unsigned char last[3] = {148, 216, 35};
    for (std::size_t k = 0; k < 3; ++k)
        EXPECT_EQ(static_cast<unsigned char>(coded[252 + k]), last[k]) << 252 + k;
    // Every byte: the running sum, started at the length byte 255.
    unsigned sum = 255;
    for (std::size_t k = 0; k < coded.size(); ++k) {
        sum += static_cast<unsigned char>(text[k]);
        ASSERT_EQ(static_cast<unsigned char>(coded[k]), sum % 256) << "byte " << k;
    }
    EXPECT_EQ(sum, 255u + 19748u); // the 255 characters add up to 19 748
    EXPECT_EQ(DecodeCodedString(coded), text.substr(0, 255));
}
