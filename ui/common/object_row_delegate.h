#pragma once
// The rows of the object lists: the shared row painter, a selection frame that shows on any club colour,
// and, where a list wants it (the editor's team list, the squad view), each country's flag in front of its
// code, drawn by the row painter on the row's own background.
#include "ui/common/row_delegate.h"

#include <QHash>
#include <QPixmap>
#include <functional>
#include <string>

class TObjectRowDelegate final : public TRowDelegate {
    Q_OBJECT
public:
    explicit TObjectRowDelegate(QObject* parent = nullptr);

    // Draws the flag of the row's country in front of the code in the column that starts `left` pixels
    // into the row; `countryOf` gives the row object's country code. With `room` 0 the flag fits inside
    // the column, in front of the code; otherwise it gets `room` pixels of its own (the list's header
    // widens that column as much: TObjectListView::WidenColumn) and the flag fits in them.
    void ShowFlags(const std::string& dataDir, int left,
                   std::function<std::string(const TKolObject*)> countryOf, int room = 0);

    // Rows whose object `marked` picks are painted on light yellow, unless the object has colours of its own.
    void MarkRows(std::function<bool(const TKolObject*)> marked) { marked_ = std::move(marked); }

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

    // The frame a selected row gets: a dark and a light ring, one of which stands out on any background.
    static void PaintSelectionFrame(QPainter& painter, const QRect& rect, const QColor& highlight);

protected:
    TRowCellPicture CellPicture(const QModelIndex& index, const QRect& rect, qreal ratio) const override;

private:
    // The flag scaled to fit `box` (in pixels of the screen: `ratio` of them per point).
    QPixmap Flag(const std::string& code, QSize box, qreal ratio) const;

    std::string dataDir_;
    int flagLeft_ = -1;
    int flagRoom_ = 0;
    std::function<std::string(const TKolObject*)> countryOf_;
    std::function<bool(const TKolObject*)> marked_;
    mutable QHash<QString, QPixmap> flags_;
};
