#pragma once
// A drawn pair of the cup draw: the first-drawn club right-aligned on its colours with its flag, a dash,
// then the second club on its colours; a star marks a club run by a person. The item's text is the draw's
// own line ("A* - B"); its data (Qt::UserRole) is the index of the pair in the draw.
#include <QStyledItemDelegate>

class TCupDraw;

class TDrawGameRowDelegate final : public QStyledItemDelegate {
    Q_OBJECT
public:
    static constexpr int kDashWidth = 28;
    TDrawGameRowDelegate(const TCupDraw& draw, QObject* parent = nullptr);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    const TCupDraw& draw_;
};
