#pragma once
// The in-band markup of list rows. A row is a text (Windows-1252) made of cells separated by TAB (9). Each
// cell is: at most one control byte, then one width byte (the cell's width in pixels), then the cell text.
// A byte in the control position that is not one of the control codes below is the width byte itself.
//
// Styles and text colours last for the rest of the row unless changed again; an alignment code applies to
// its own cell only; a background code fills the whole row.
//
// A cell text may start with a mark character that the painter draws as a symbol instead of text (bullets,
// a dash, a separator line).
#include "foundation/kol_object.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Control bytes.
constexpr std::uint8_t kRowBoldOn = 2;
constexpr std::uint8_t kRowItalicOn = 3;
constexpr std::uint8_t kRowBoldOff = 4;
constexpr std::uint8_t kRowItalicOff = 5;
constexpr std::uint8_t kRowAlignRight = 6; // right-aligned, 10 pixels in from the cell's right edge
constexpr std::uint8_t kRowAlignFlush = 7; // right-aligned flush with the cell's right edge
constexpr std::uint8_t kRowBackWhite = 0xE3;
constexpr std::uint8_t kRowBackLightBlue = 0xE4;
constexpr std::uint8_t kRowBackLightGreen = 0xE5;
constexpr std::uint8_t kRowColorOrange = 0xF7;
constexpr std::uint8_t kRowColorDefault = 0xF8; // back to the row's starting text colour
constexpr std::uint8_t kRowColorRed = 0xF9;
constexpr std::uint8_t kRowColorGreen = 0xFB;
constexpr std::uint8_t kRowColorBlue = 0xFC;

// Mark characters (first character of a cell text).
constexpr std::uint8_t kRowMarkBulletRed = 237;
constexpr std::uint8_t kRowMarkBulletYellow = 238;
constexpr std::uint8_t kRowMarkBulletGreen = 239;
constexpr std::uint8_t kRowMarkSeparator = 253; // a line across the whole row, 4 pixels above its bottom
constexpr std::uint8_t kRowMarkDash = 254;
constexpr std::uint8_t kRowMarkBullet = 255; // a bullet in the current text colour

// Colours of the codes (Windows colour values, 0x00BBGGRR).
constexpr TColor kRowWhite = 0xFFFFFF;
constexpr TColor kRowLightBlue = 0xE8E088;
constexpr TColor kRowLightGreen = 0x80FF80;
constexpr TColor kRowOrange = 0xFF8000;
constexpr TColor kRowRed = 0x0000FF;
constexpr TColor kRowGreen = 0x008000;
constexpr TColor kRowBlue = 0xFF0000;
constexpr TColor kRowYellow = 0x00FFFF;
constexpr TColor kRowLightYellow = 0x80FFFF;  // selected row of an object without its own colours
constexpr TColor kRowSelectedDark = 0x303030; // selected row whose text is too light for the light yellow

// The background of a selected row whose text is drawn in `text`: the light yellow, or the dark grey when
// the text is light (a perceived lightness of 140 of 255 or more), which would not read on the yellow.
// Objects that draw their rows in colours of their own (a club's) answer SelectedBackColor with it.
TColor SelectedBackUnder(TColor text);

bool IsRowControlByte(std::uint8_t b);

// Builds a row cell by cell. Cell texts lose any TAB (it would split the cell). A width that the painter
// would mistake for a control code (when the cell has no control byte) or for the TAB is moved to the next
// lower harmless width, so a column never shifts a row apart; widths are cut to 0..255.
class TRowMarkup {
public:
    TRowMarkup& Cell(int width, std::string_view text);
    TRowMarkup& Cell(std::uint8_t control, int width, std::string_view text);
    const std::string& Text() const { return text_; }

private:
    std::string text_;
    bool first_ = true;
};

// One cell as parsed: its control byte (0 when it has none), its width and its text.
struct TRowCell {
    std::uint8_t control = 0;
    int width = 0;
    std::string text;
    bool operator==(const TRowCell&) const = default;
};

// Splits a row into its cells. Every TAB ends a cell; an empty row gives no cells; a cell with no bytes
// gives width 0 and no text.
std::vector<TRowCell> ParseRowMarkup(std::string_view row);

// The cell the painter puts in front of a numbered row: byte 6, width 25, the 1-based number, TAB.
std::string NumberedRowPrefix(int number);

// The painting state while walking a row's cells: style and text colour carry over from cell to cell, the
// alignment is reset for every cell, the background is set at most once per code.
struct TRowPaintState {
    bool bold = false;
    bool italic = false;
    TColor startColor = 0;
    TColor textColor = 0;
    std::uint8_t align = 0; // 0 left, kRowAlignRight or kRowAlignFlush
    bool hasBackground = false;
    TColor background = 0;
};
// Applies one control byte (0 for none) to the state, starting a new cell.
void ApplyRowControl(TRowPaintState& state, std::uint8_t control);

enum class TRowMark { None, BulletRed, BulletYellow, BulletGreen, Separator, Bullet, Dash };
// The mark a cell text starts with.
TRowMark RowCellMark(std::string_view text);
