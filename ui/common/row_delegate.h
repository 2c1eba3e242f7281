#pragma once
// Paints list rows written in the row markup (foundation/row_markup.h): cells of fixed pixel widths with
// style, colour, alignment and background codes, bullets and separator lines. Every owner-drawn list of both
// programs uses it, so a row looks the same in every dialog.
//
// The items of the list carry the row text and, when the row stands for an object, the object itself; the
// delegate then asks the object for its current row text and colours each time it paints.
#include "foundation/kol_object.h"

#include <QPixmap>
#include <QStyledItemDelegate>
#include <string>

// Item data roles read by the delegate.
constexpr int kRowTextRole = Qt::UserRole + 1;   // QByteArray: the row markup, Windows-1252
constexpr int kRowObjectRole = Qt::UserRole + 2; // quintptr: const TKolObject* (0 for none)

// A picture at the start of one cell of a row (a country's flag in front of its code): the cell that starts
// `left` pixels into the row (after the painter's margin). With `room` 0 the picture sits inside the cell and
// the cell's text follows it; otherwise the picture gets `room` pixels of its own, and the cell's text and
// every later cell move right by that much.
struct TRowCellPicture {
    int left = -1;
    QPixmap picture;
    int room = 0;
};

class TRowDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit TRowDelegate(QObject* parent = nullptr);

    // Puts the 1-based row number in front of every row.
    void SetNumbered(bool numbered) { numbered_ = numbered; }
    bool Numbered() const { return numbered_; }
    // Rows are at least this many pixels high (they grow with the font).
    void SetMinimumRowHeight(int height) { minimumRowHeight_ = height; }
    // Column mask and selector passed to the row's object when its text is asked for.
    void SetMask(int mask) { mask_ = mask; }
    void SetSelector(int selector) { selector_ = selector; }

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

    // The row's text: the object's GetListTextEx3(mask, selector, 0, 0) when the item has one, else the
    // item's own markup.
    std::string RowText(const QModelIndex& index) const;

    // Paints one row into `rect`. `rowNumber` above 0 adds the number cell. `listBack` and `listText` are the
    // list's own background and text colours, used when the object has no colours of its own (or there is
    // no object).
    // `picture` (when it has one) goes in front of its cell, drawn on the row's own background.
    static void PaintRow(QPainter& painter, const QRect& rect, const std::string& rowText,
                         const TKolObject* object, bool selected, int rowNumber, const QFont& font,
                         const QColor& listBack, const QColor& listText, const TRowCellPicture& picture = {});

protected:
    // The picture for the row of `index`, painted in `rect` on a device of `ratio` pixels per point; none
    // by default.
    virtual TRowCellPicture CellPicture(const QModelIndex& index, const QRect& rect, qreal ratio) const;

private:
    bool numbered_ = false;
    int minimumRowHeight_ = 0;
    int mask_ = 0;
    int selector_ = 0;
};
