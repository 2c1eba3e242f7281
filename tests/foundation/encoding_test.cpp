#include "foundation/encoding.h"

#include <gtest/gtest.h>

TEST(Cp1252ToUtf8, TheRangeThatIsNotLatin1) {
    EXPECT_EQ(Cp1252ToUtf8("\x80"), "\xE2\x82\xAC"); // euro sign
    EXPECT_EQ(Cp1252ToUtf8("\x9F"), "\xC5\xB8");     // Y diaeresis
    EXPECT_EQ(Cp1252ToUtf8("\x93x\x94"), "\xE2\x80\x9Cx\xE2\x80\x9D");
    EXPECT_EQ(Cp1252ToUtf8("\xE9"), "\xC3\xA9"); // e acute, as in Latin-1
    EXPECT_EQ(Cp1252ToUtf8("\xA0"), "\xC2\xA0");
    // The five undefined bytes stay as their C1 code points.
    EXPECT_EQ(Cp1252ToUtf8("\x81\x9D"), "\xC2\x81\xC2\x9D");
    EXPECT_EQ(Cp1252ToUtf8(std::string("a\0b", 3)), std::string("a\0b", 3));
}

TEST(Utf8ToCp1252, KnownAndUnknownCharacters) {
    EXPECT_EQ(Utf8ToCp1252("\xE2\x82\xAC 5"), "\x80 5");
    EXPECT_EQ(Utf8ToCp1252("S\xC3\xA3o Jo\xC3\xA3o"), "S\xE3o Jo\xE3o");
    EXPECT_EQ(Utf8ToCp1252("\xE4\xB8\xAD"), "?");       // not in Windows-1252
    EXPECT_EQ(Utf8ToCp1252("\xF0\x9F\x98\x80!"), "?!"); // outside the basic plane
    // Malformed sequences never read past the end: the stray bytes are taken as they are.
    EXPECT_EQ(Utf8ToCp1252("a\xC3"), "a\xC3");
    EXPECT_EQ(Utf8ToCp1252("\xE2\x82"), "\xE2\x82");
    EXPECT_EQ(Utf8ToCp1252("\xC3(x"), "\xC3(x");
}

TEST(Cp1252RoundTrip, EveryByteComesBack) {
    std::string all;
    for (int c = 0; c < 256; ++c) all += static_cast<char>(c);
    EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(all)), all);
}

TEST(UpperCp1252, AsciiAndAccentedLetters) {
    EXPECT_EQ(UpperCp1252("a\xE7\xE3o z"), "A\xC7\xC3O Z");
    EXPECT_EQ(UpperCp1252("\x9A\x9C\x9E\xFF"), "\x8A\x8C\x8E\x9F");
    // Division sign and sharp s have no capital in the code page.
    EXPECT_EQ(UpperCp1252("\xF7\xDF"), "\xF7\xDF");
    EXPECT_EQ(UpperCp1252("ABC123"), "ABC123");
}
