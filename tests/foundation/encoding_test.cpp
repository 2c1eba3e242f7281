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

TEST(FirstNotInCp1252, NamesTheFirstCharacterThatWouldBecomeAQuestionMark) {
    struct Case {
        const char* utf8;
        bool found;
        std::size_t offset;
        std::uint32_t codePoint;
        const char* character;
    };
    const Case cases[] = {
        {"Jo\xC3\xA3o", false, 0, 0, ""},                   // a tilde: Latin-1
        {"\xE2\x82\xAC \xC5\xA0\xC5\xBD", false, 0, 0, ""}, // euro, S and Z caron: the 0x80 row
        {"\xC5\x81ukasz \xC5\xBB"
         "ak",
         true, 0, 0x0141, "\xC5\x81"},                               // L stroke first, Z dot later
        {"Ana \xC4\x8C", true, 4, 0x010C, "\xC4\x8C"},               // C caron after four ASCII bytes
        {"x\xF0\x9F\x98\x80", true, 1, 0x1F600, "\xF0\x9F\x98\x80"}, // outside the basic plane
        {"\xC2\x81", false, 0, 0, ""},                               // an undefined byte kept as C1
        {"a\xC3", false, 0, 0, ""},                                  // malformed: kept as Latin-1
        {"", false, 0, 0, ""},
    };
    for (const Case& c : cases) {
        const auto found = FirstNotInCp1252(c.utf8);
        ASSERT_EQ(found.has_value(), c.found) << c.utf8;
        if (!c.found) {
            // Nothing reported means nothing becomes a question mark on the way to the code page.
            EXPECT_EQ(Utf8ToCp1252(c.utf8).find('?'), std::string::npos) << c.utf8;
            continue;
        }
        EXPECT_EQ(found->offset, c.offset) << c.utf8;
        EXPECT_EQ(found->codePoint, c.codePoint) << c.utf8;
        EXPECT_EQ(found->character, c.character) << c.utf8;
        // The cases put only ASCII before the character, so its offset is the same in both encodings.
        EXPECT_EQ(Utf8ToCp1252(c.utf8)[c.offset], '?') << c.utf8;
    }
}
