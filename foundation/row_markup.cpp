#include "foundation/row_markup.h"

#include <algorithm>

TColor SelectedBackUnder(TColor text) {
    const int r = text & 0xFF, g = (text >> 8) & 0xFF, b = (text >> 16) & 0xFF;
    const bool lightText = r * 299 + g * 587 + b * 114 >= 140 * 1000;
    return lightText ? kRowSelectedDark : kRowLightYellow;
}

bool IsRowControlByte(std::uint8_t b) {
    switch (b) {
    case kRowBoldOn:
    case kRowItalicOn:
    case kRowBoldOff:
    case kRowItalicOff:
    case kRowAlignRight:
    case kRowAlignFlush:
    case kRowBackWhite:
    case kRowBackLightBlue:
    case kRowBackLightGreen:
    case kRowColorOrange:
    case kRowColorDefault:
    case kRowColorRed:
    case kRowColorGreen:
    case kRowColorBlue:
        return true;
    default:
        return false;
    }
}

namespace {
std::uint8_t SafeWidth(int width, bool afterControl) {
    int w = std::clamp(width, 0, 255);
    // After a control byte any width byte is read as a width; only the TAB would end the cell.
    while (w == 9 || (!afterControl && IsRowControlByte(static_cast<std::uint8_t>(w)))) --w;
    return static_cast<std::uint8_t>(w);
}

void AppendText(std::string& out, std::string_view text) {
    for (char c : text) out += c == '\t' ? ' ' : c;
}
} // namespace

TRowMarkup& TRowMarkup::Cell(int width, std::string_view text) {
    if (!first_) text_ += '\t';
    first_ = false;
    text_ += static_cast<char>(SafeWidth(width, false));
    AppendText(text_, text);
    return *this;
}

TRowMarkup& TRowMarkup::Cell(std::uint8_t control, int width, std::string_view text) {
    if (control == 0 || control == '\t') return Cell(width, text);
    if (!first_) text_ += '\t';
    first_ = false;
    text_ += static_cast<char>(control);
    text_ += static_cast<char>(SafeWidth(width, IsRowControlByte(control)));
    AppendText(text_, text);
    return *this;
}

std::vector<TRowCell> ParseRowMarkup(std::string_view row) {
    std::vector<TRowCell> cells;
    if (row.empty()) return cells;
    std::size_t start = 0;
    while (true) {
        const std::size_t tab = row.find('\t', start);
        const std::string_view cell =
            row.substr(start, tab == std::string_view::npos ? row.size() - start : tab - start);
        TRowCell out;
        std::size_t pos = 0;
        if (pos < cell.size() && IsRowControlByte(static_cast<std::uint8_t>(cell[pos]))) {
            out.control = static_cast<std::uint8_t>(cell[pos]);
            ++pos;
        }
        if (pos < cell.size()) {
            out.width = static_cast<std::uint8_t>(cell[pos]);
            ++pos;
        }
        out.text = std::string(cell.substr(pos));
        cells.push_back(std::move(out));
        if (tab == std::string_view::npos) break;
        start = tab + 1;
    }
    return cells;
}

std::string NumberedRowPrefix(int number) {
    std::string out;
    out += static_cast<char>(kRowAlignRight);
    out += static_cast<char>(25);
    out += std::to_string(number);
    out += '\t';
    return out;
}

void ApplyRowControl(TRowPaintState& state, std::uint8_t control) {
    state.align = 0;
    switch (control) {
    case kRowBoldOn:
        state.bold = true;
        break;
    case kRowItalicOn:
        state.italic = true;
        break;
    case kRowBoldOff:
        state.bold = false;
        break;
    case kRowItalicOff:
        state.italic = false;
        break;
    case kRowAlignRight:
    case kRowAlignFlush:
        state.align = control;
        break;
    case kRowBackWhite:
        state.hasBackground = true;
        state.background = kRowWhite;
        break;
    case kRowBackLightBlue:
        state.hasBackground = true;
        state.background = kRowLightBlue;
        break;
    case kRowBackLightGreen:
        state.hasBackground = true;
        state.background = kRowLightGreen;
        break;
    case kRowColorOrange:
        state.textColor = kRowOrange;
        break;
    case kRowColorDefault:
        state.textColor = state.startColor;
        break;
    case kRowColorRed:
        state.textColor = kRowRed;
        break;
    case kRowColorGreen:
        state.textColor = kRowGreen;
        break;
    case kRowColorBlue:
        state.textColor = kRowBlue;
        break;
    default:
        break;
    }
}

TRowMark RowCellMark(std::string_view text) {
    if (text.empty()) return TRowMark::None;
    switch (static_cast<std::uint8_t>(text[0])) {
    case kRowMarkBulletRed:
        return TRowMark::BulletRed;
    case kRowMarkBulletYellow:
        return TRowMark::BulletYellow;
    case kRowMarkBulletGreen:
        return TRowMark::BulletGreen;
    case kRowMarkSeparator:
        return TRowMark::Separator;
    case kRowMarkBullet:
        return TRowMark::Bullet;
    case kRowMarkDash:
        return TRowMark::Dash;
    default:
        return TRowMark::None;
    }
}
