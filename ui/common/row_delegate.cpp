#include "ui/common/row_delegate.h"

#include "foundation/row_markup.h"
#include "ui/common/qt_text.h"

#include <QPainter>

#include <algorithm>

namespace {
constexpr int kLeftMargin = 2;
constexpr int kRightInset = 10; // alignment code 6 keeps this far from the cell's right edge
constexpr int kSeparatorRise = 4;
constexpr int kPictureGap = 4;
constexpr int kCellGap = 3; // kept free at the end of a cell whose text is cut short // between a picture
                            // inside its cell and the cell's text

const TKolObject* ObjectOf(const QModelIndex& index) {
    return reinterpret_cast<const TKolObject*>(index.data(kRowObjectRole).value<quintptr>());
}

TColor BulletColor(TRowMark mark, TColor current) {
    switch (mark) {
    case TRowMark::BulletRed:
        return kRowRed;
    case TRowMark::BulletYellow:
        return kRowYellow;
    case TRowMark::BulletGreen:
        return kRowGreen;
    default:
        return current;
    }
}
} // namespace

TRowDelegate::TRowDelegate(QObject* parent) : QStyledItemDelegate(parent) {}

std::string TRowDelegate::RowText(const QModelIndex& index) const {
    if (const TKolObject* object = ObjectOf(index)) return object->GetListTextEx3(mask_, selector_, 0, 0);
    return index.data(kRowTextRole).toByteArray().toStdString();
}

void TRowDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                         const QModelIndex& index) const {
    const bool selected = option.state & QStyle::State_Selected;
    const QPalette& palette = option.palette;
    PaintRow(
        *painter, option.rect, RowText(index), ObjectOf(index), selected, numbered_ ? index.row() + 1 : 0,
        option.font, palette.color(QPalette::Base), palette.color(QPalette::Text),
        CellPicture(index, option.rect, painter->device() ? painter->device()->devicePixelRatioF() : 1.0));
    if (option.state & QStyle::State_HasFocus) {
        painter->save();
        QPen pen(palette.color(QPalette::Text), 1, Qt::DotLine);
        painter->setPen(pen);
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(option.rect.adjusted(0, 0, -1, -1));
        painter->restore();
    }
}

QSize TRowDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
    int width = kLeftMargin + (numbered_ ? 25 : 0);
    for (const TRowCell& cell : ParseRowMarkup(RowText(index))) width += cell.width;
    QFont bold = option.font;
    bold.setBold(true);
    const int height = std::max(minimumRowHeight_, QFontMetrics(bold).height() + 4);
    return QSize(width, height);
}

TRowCellPicture TRowDelegate::CellPicture(const QModelIndex& /*index*/, const QRect& /*rect*/,
                                          qreal /*ratio*/) const {
    return {};
}

void TRowDelegate::PaintRow(QPainter& painter, const QRect& rect, const std::string& rowText,
                            const TKolObject* object, bool selected, int rowNumber, const QFont& font,
                            const QColor& listBack, const QColor& listText, const TRowCellPicture& picture) {
    painter.save();
    QColor text = listText;
    QColor brush = listBack;
    const TColor textColor = object ? object->TextColor() : 0;
    const TColor backColor = object ? object->BackColor() : 0;
    if (selected) {
        text = ToQColor(textColor);
        const TColor selectedBack = object ? object->SelectedBackColor() : 0;
        if (selectedBack >= 1)
            brush = ToQColor(selectedBack);
        else if (backColor < 0)
            brush = ToQColor(backColor);
        else
            brush = ToQColor(kRowLightYellow);
    }
    if (textColor != 0 || backColor != 0) {
        text = ToQColor(textColor);
        if (!selected) brush = ToQColor(backColor);
    }
    painter.fillRect(rect, brush);

    std::string row = rowText;
    if (rowNumber > 0) row = NumberedRowPrefix(rowNumber) + row;

    TRowPaintState state;
    state.startColor = state.textColor = FromQColor(text);
    // The start colour may be a system colour that has no Windows value here: keep the QColor itself.
    const QColor startColor = text;
    bool atStartColor = true;

    int x = rect.left() + kLeftMargin;
    // Where the picture's cell starts: the numbered prefix shifts every cell.
    const int pictureLeft = picture.picture.isNull() || picture.left < 0
                                ? -1
                                : rect.left() + kLeftMargin + picture.left + (rowNumber > 0 ? 25 : 0);
    const std::vector<TRowCell> cells = ParseRowMarkup(row);
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const TRowCell& cell = cells[i];
        const TColor before = state.textColor;
        ApplyRowControl(state, cell.control);
        if (cell.control == kRowColorDefault)
            atStartColor = true;
        else if (state.textColor != before)
            atStartColor = false;
        // A background code fills the whole row at once, over what earlier cells drew.
        if (cell.control == kRowBackWhite || cell.control == kRowBackLightBlue ||
            cell.control == kRowBackLightGreen)
            painter.fillRect(rect, ToQColor(state.background));

        QFont cellFont = font;
        cellFont.setBold(state.bold);
        cellFont.setItalic(state.italic);
        const QColor color = atStartColor ? startColor : ToQColor(state.textColor);

        // The last cell may run to the end of the row; the others stay inside their width.
        int textLeft = x;
        if (x == pictureLeft) {
            const QSizeF size = picture.picture.deviceIndependentSize();
            painter.drawPixmap(QPointF(x, rect.top() + (rect.height() - size.height()) / 2), picture.picture);
            if (picture.room > 0) {
                x += picture.room;
                textLeft = x;
            } else
                textLeft = x + static_cast<int>(size.width()) + kPictureGap;
        }
        const int right = i + 1 == cells.size() ? std::max(rect.right(), x + cell.width) : x + cell.width;
        QRect area(textLeft, rect.top(), right - textLeft, rect.height());
        int flags = Qt::AlignVCenter | Qt::TextSingleLine;
        if (state.align == kRowAlignRight) {
            area.setRight(x + cell.width - kRightInset);
            flags |= Qt::AlignRight;
        } else if (state.align == kRowAlignFlush) {
            area.setRight(x + cell.width);
            flags |= Qt::AlignRight;
        } else {
            flags |= Qt::AlignLeft;
        }

        const TRowMark mark = RowCellMark(cell.text);
        if (mark == TRowMark::Separator) {
            painter.setPen(QPen(color, 1));
            const int y = rect.bottom() - kSeparatorRise;
            painter.drawLine(rect.left(), y, rect.right(), y);
        } else if (mark == TRowMark::Dash) {
            QFont symbolFont = cellFont;
            if (symbolFont.pointSizeF() > 0)
                symbolFont.setPointSizeF(symbolFont.pointSizeF() + 2);
            else
                symbolFont.setPixelSize(symbolFont.pixelSize() + 3);
            painter.setFont(symbolFont);
            painter.setPen(color);
            painter.drawText(area, flags, QStringLiteral("-"));
        } else if (mark != TRowMark::None) {
            // The bullet: a round dot a little larger than the text's own, with a darker rim so that the
            // yellow one still shows on a white row.
            const QColor dot =
                mark == TRowMark::Bullet ? color : ToQColor(BulletColor(mark, state.textColor));
            const qreal diameter = std::max<qreal>(5, QFontMetricsF(cellFont).height() * 0.45);
            const qreal cy = rect.top() + rect.height() / 2.0;
            qreal cx = x + 1 + diameter / 2;
            if (flags & Qt::AlignRight) cx = area.right() - diameter / 2;
            painter.setRenderHint(QPainter::Antialiasing, true);
            // On a dark row a white rim keeps a red or green dot readable.
            const bool darkRow = brush.lightnessF() < 0.45;
            painter.setPen(QPen(darkRow ? QColor(Qt::white) : dot.darker(150), darkRow ? 1.5 : 1));
            painter.setBrush(dot);
            painter.drawEllipse(QPointF(cx, cy), diameter / 2, diameter / 2);
            painter.setRenderHint(QPainter::Antialiasing, false);
        } else if (!cell.text.empty() && area.width() > 0) {
            painter.setFont(cellFont);
            painter.setPen(color);
            painter.setClipRect(area.intersected(rect));
            QString text = ToQString(cell.text);
            // A left-aligned text too long for its cell ends in an ellipsis a little before the next
            // cell, so that two cells never run together ("Sander de Smeu..." and then the level).
            if (i + 1 < cells.size() && (flags & Qt::AlignLeft)) {
                const QFontMetrics metrics(cellFont);
                const int room = area.width() - kCellGap;
                if (metrics.horizontalAdvance(text) > room)
                    text = metrics.elidedText(text, Qt::ElideRight, std::max(0, room));
            }
            painter.drawText(area, flags, text);
            painter.setClipping(false);
        }
        x += cell.width;
    }
    painter.restore();
}
