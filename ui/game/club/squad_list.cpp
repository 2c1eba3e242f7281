#include "ui/game/club/squad_list.h"

#include "ui/common/object_list_view.h"
#include "ui/common/row_delegate.h"
#include "world/player.h"
#include "world/team.h"

#include <QListView>
#include <QMouseEvent>
#include <QPainter>
#include <QVBoxLayout>

namespace {

const TPlayer* PlayerOf(const QModelIndex& index) {
    return dynamic_cast<const TPlayer*>(
        reinterpret_cast<const TKolObject*>(index.data(kRowObjectRole).value<quintptr>()));
}

// The row painter with the line that parts the positions.
class TSquadRowDelegate final : public TRowDelegate {
public:
    using TRowDelegate::TRowDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        TRowDelegate::paint(painter, option, index);
        const TPlayer* player = PlayerOf(index);
        const TPlayer* next = PlayerOf(index.sibling(index.row() + 1, 0));
        if (player == nullptr || next == nullptr || next->position() == player->position()) return;
        painter->save();
        painter->setPen(QPen(option.palette.color(QPalette::Text), 1));
        painter->drawLine(option.rect.bottomLeft(), option.rect.bottomRight());
        painter->restore();
    }
};

} // namespace

TSquadList::TSquadList(TTeam& club, bool showCards, QWidget* parent)
    : QWidget(parent), club_(club), showCards_(showCards) {
    setObjectName("ListBoxOfPlayers");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    Build();
}

int TSquadList::Mask() const {
    int mask = pcPosition | pcName | pcMarkLineup | pcFormArrow | pcLevel | pcAge | pcSeasonGoals |
               pcNationality | pcSaleState | pcSalary | pcMarker1 | pcMarker2;
    if (showCards_) mask |= pcCardPoints;
    return mask;
}

void TSquadList::Build() {
    // The columns depend on the mask: a new mask builds the list again.
    delete list_;
    TPlayer prototype(club_.World(), 0);
    list_ = new TObjectListView(prototype, Mask(), Mask(), this);
    list_->setObjectName("listHeader");
    list_->view->setItemDelegate(new TSquadRowDelegate(list_->view));
    static_cast<TRowDelegate*>(list_->view->itemDelegate())->SetMask(Mask());
    list_->view->viewport()->installEventFilter(this);
    layout()->addWidget(list_);
    Refresh();
}

void TSquadList::SetShowCards(bool show) {
    if (show == showCards_) return;
    showCards_ = show;
    Build();
}

void TSquadList::Refresh() {
    std::vector<TKolObject*> rows;
    for (TPlayer* player : club_.players)
        if (player != nullptr) rows.push_back(player);
    list_->model->SetObjects(rows);
    list_->view->viewport()->update();
}

void TSquadList::Select(const TPlayer* player) {
    list_->Select(player);
}

void TSquadList::ClearSelection() {
    list_->Select(nullptr);
}

QListView* TSquadList::View() const {
    return list_->view;
}

TPlayer* TSquadList::PlayerAt(int row) const {
    return dynamic_cast<TPlayer*>(list_->model->ObjectAt(row));
}

int TSquadList::RowOf(const TPlayer* player) const {
    return list_->model->RowOf(player);
}

QRect TSquadList::RowRect(int row) const {
    return list_->view->visualRect(list_->model->index(row));
}

bool TSquadList::eventFilter(QObject* watched, QEvent* event) {
    if (list_ != nullptr && watched == list_->view->viewport() &&
        event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton) {
            const QModelIndex index = list_->view->indexAt(mouse->position().toPoint());
            TPlayer* player = index.isValid() ? PlayerAt(index.row()) : nullptr;
            if (player != nullptr) {
                if (mouse->position().x() < kLineupEdge)
                    emit LineupClicked(player);
                else
                    emit PlayerClicked(player);
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}
