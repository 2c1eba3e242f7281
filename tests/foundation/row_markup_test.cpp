#include "foundation/row_markup.h"

#include <gtest/gtest.h>

#include <utility>

namespace {
std::string Bytes(std::initializer_list<int> bytes) {
    std::string out;
    for (int b : bytes) out += static_cast<char>(b);
    return out;
}
} // namespace

TEST(RowMarkupParse, CellsWithAndWithoutControlBytes) {
    const std::string row = Bytes({80}) + "Name\t" + Bytes({6, 40}) + "12\t" + Bytes({0xF9, 30}) + "x";
    const auto cells = ParseRowMarkup(row);
    ASSERT_EQ(cells.size(), 3u);
    EXPECT_EQ(cells[0], (TRowCell{0, 80, "Name"}));
    EXPECT_EQ(cells[1], (TRowCell{6, 40, "12"}));
    EXPECT_EQ(cells[2], (TRowCell{0xF9, 30, "x"}));
}

TEST(RowMarkupParse, FirstByteThatIsNoControlCodeIsTheWidth) {
    // 8 and 0xE6 sit next to control codes but are none: they are widths.
    auto cells = ParseRowMarkup(Bytes({8}) + "a\t" + Bytes({0xE6}) + "b\t" + Bytes({0xFA}) + "c");
    ASSERT_EQ(cells.size(), 3u);
    EXPECT_EQ(cells[0], (TRowCell{0, 8, "a"}));
    EXPECT_EQ(cells[1], (TRowCell{0, 0xE6, "b"}));
    EXPECT_EQ(cells[2], (TRowCell{0, 0xFA, "c"}));
    // After a control byte the next byte is the width even when it looks like a control code.
    cells = ParseRowMarkup(Bytes({2, 0xE4}) + "wide");
    ASSERT_EQ(cells.size(), 1u);
    EXPECT_EQ(cells[0], (TRowCell{2, 0xE4, "wide"}));
}

TEST(RowMarkupParse, EmptyRowsAndCellsDoNotReadPastTheEnd) {
    EXPECT_TRUE(ParseRowMarkup("").empty());
    auto cells = ParseRowMarkup("\t");
    ASSERT_EQ(cells.size(), 2u);
    EXPECT_EQ(cells[0], (TRowCell{0, 0, ""}));
    cells = ParseRowMarkup(Bytes({7}));
    ASSERT_EQ(cells.size(), 1u);
    EXPECT_EQ(cells[0], (TRowCell{7, 0, ""}));
}

TEST(RowMarkupBuild, NumberedPrefixAndBuilderBytes) {
    EXPECT_EQ(NumberedRowPrefix(12), Bytes({6, 25}) + "12\t");
    const std::string row = TRowMarkup().Cell(100, "Ab").Cell(kRowAlignRight, 30, "5").Text();
    EXPECT_EQ(row, Bytes({100}) + "Ab\t" + Bytes({6, 30}) + "5");
}

TEST(RowMarkupBuild, WidthsAndTextsThatWouldBreakTheRowAreMadeSafe) {
    // Without a control byte, a width equal to a control code would be read as that code.
    EXPECT_EQ(TRowMarkup().Cell(0xE4, "a").Text(), Bytes({0xE2}) + "a");
    EXPECT_EQ(TRowMarkup().Cell(0xFC, "a").Text(), Bytes({0xFA}) + "a");
    EXPECT_EQ(TRowMarkup().Cell(5, "a").Text(), Bytes({1}) + "a");
    EXPECT_EQ(TRowMarkup().Cell(9, "a").Text(), Bytes({8}) + "a");
    EXPECT_EQ(TRowMarkup().Cell(400, "a").Text(), Bytes({255}) + "a");
    // Behind a control byte the same width is safe and kept.
    EXPECT_EQ(TRowMarkup().Cell(kRowBoldOn, 0xE4, "a").Text(), Bytes({2, 0xE4}) + "a");
    // A TAB inside a text would split the cell.
    const auto cells = ParseRowMarkup(TRowMarkup().Cell(50, "a\tb").Cell(60, "c").Text());
    ASSERT_EQ(cells.size(), 2u);
    EXPECT_EQ(cells[0].text, "a b");
    EXPECT_EQ(cells[1], (TRowCell{0, 60, "c"}));
}

TEST(RowMarkupPaintState, StylesCarryOverAlignmentDoesNot) {
    TRowPaintState s;
    s.startColor = s.textColor = 0x123456;
    ApplyRowControl(s, kRowBoldOn);
    ApplyRowControl(s, kRowAlignRight);
    EXPECT_TRUE(s.bold);
    EXPECT_EQ(s.align, kRowAlignRight);
    ApplyRowControl(s, 0);
    EXPECT_TRUE(s.bold);
    EXPECT_EQ(s.align, 0);
    ApplyRowControl(s, kRowItalicOn);
    ApplyRowControl(s, kRowBoldOff);
    EXPECT_FALSE(s.bold);
    EXPECT_TRUE(s.italic);
    ApplyRowControl(s, kRowItalicOff);
    EXPECT_FALSE(s.italic);
}

TEST(RowMarkupPaintState, ColourAndBackgroundCodes) {
    TRowPaintState s;
    s.startColor = s.textColor = 0x123456;
    const std::pair<std::uint8_t, TColor> colours[] = {
        {0xF7, 0xFF8000}, {0xF9, 0x0000FF}, {0xFB, 0x008000}, {0xFC, 0xFF0000}, {0xF8, 0x123456}};
    for (const auto& [code, colour] : colours) {
        ApplyRowControl(s, code);
        EXPECT_EQ(s.textColor, colour) << int(code);
    }
    EXPECT_FALSE(s.hasBackground);
    const std::pair<std::uint8_t, TColor> backs[] = {{0xE3, 0xFFFFFF}, {0xE4, 0xE8E088}, {0xE5, 0x80FF80}};
    for (const auto& [code, colour] : backs) {
        ApplyRowControl(s, code);
        EXPECT_TRUE(s.hasBackground);
        EXPECT_EQ(s.background, colour) << int(code);
    }
    EXPECT_EQ(s.textColor, 0x123456);
}

TEST(RowMarkupMarks, FirstCharacterSelectsTheMark) {
    EXPECT_EQ(RowCellMark(Bytes({237})), TRowMark::BulletRed);
    EXPECT_EQ(RowCellMark(Bytes({238}) + "x"), TRowMark::BulletYellow);
    EXPECT_EQ(RowCellMark(Bytes({239})), TRowMark::BulletGreen);
    EXPECT_EQ(RowCellMark(Bytes({253})), TRowMark::Separator);
    EXPECT_EQ(RowCellMark(Bytes({254})), TRowMark::Dash);
    EXPECT_EQ(RowCellMark(Bytes({255})), TRowMark::Bullet);
    EXPECT_EQ(RowCellMark(Bytes({236})), TRowMark::None);
    EXPECT_EQ(RowCellMark("x" + Bytes({237})), TRowMark::None);
    EXPECT_EQ(RowCellMark(""), TRowMark::None);
}

// Lightness = (299 R + 587 G + 114 B) / 1000; from 140 up the text is light and goes on the dark grey.
TEST(RowMarkupColours, SelectedBackgroundUnderTheRowsTextColour) {
    const std::pair<TColor, TColor> cases[] = {
        {0xFFFFFF, 0x303030}, // white
        {0x00FFFF, 0x303030}, // yellow
        {0x8C8C8C, 0x303030}, // grey 140
        {0x8B8B8B, 0x80FFFF}, // grey 139
        {0x000000, 0x80FFFF}, // black
        {0x006EFF, 0x303030}, // red 255 with green 110: 140.8
        {0xFF6E00, 0x80FFFF}, // blue 255 with green 110: 93.6
    };
    for (const auto& [text, back] : cases) EXPECT_EQ(SelectedBackUnder(text), back) << std::hex << text;
}
