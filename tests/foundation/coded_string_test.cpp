#include "foundation/coded_string.h"

#include <gtest/gtest.h>

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
