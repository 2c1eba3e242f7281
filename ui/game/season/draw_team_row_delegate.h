#pragma once
// A row of the cup draw's club list: the seeding place, the club's flag and its row text on the colour of
// its pot; a club already drawn is written in grey italics.
#include "ui/common/row_delegate.h"

#include <functional>

class TTeam;

class TDrawTeamRowDelegate final : public TRowDelegate {
    Q_OBJECT
public:
    static constexpr int kNumberWidth = 25;
    static constexpr int kFlagWidth = 24;

    // `potOf` gives the pot of the club on a row.
    explicit TDrawTeamRowDelegate(std::function<int(int row)> potOf, QObject* parent = nullptr);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    std::function<int(int)> potOf_;
};
