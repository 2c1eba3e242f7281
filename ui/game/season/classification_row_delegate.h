#pragma once
// A row of a league table: a 25-pixel cell with the face of the club's table status (or its position in
// bold when the status is open or the face cannot be shown) on the status colour, the club's flag, then the
// club's row text on its colours. A club run by a person gets a frame around its row.
#include "ui/common/row_delegate.h"

#include <QHash>
#include <QPixmap>
#include <string>

class TClassificationRowDelegate final : public TRowDelegate {
    Q_OBJECT
public:
    static constexpr int kStatusWidth = 25;
    static constexpr int kFlagWidth = 24;

    // Faces come from <gameDir>/Icons.
    explicit TClassificationRowDelegate(std::string gameDir, QObject* parent = nullptr);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

    // The face shown for a table status; a null pixmap where the position is written instead.
    QPixmap Face(int tableStatus) const;
    // The colour behind the status cell: the champion gold, promotion and the top places green, relegation
    // red, safe grey; an open status none (invalid).
    static QColor StatusColour(int tableStatus);

private:
    std::string gameDir_;
    mutable QHash<int, QPixmap> faces_;
};
