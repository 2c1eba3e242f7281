#pragma once
// The last transfers of the career (at most 200), newest last, filtered by position (no button down: all
// positions) and, with the best-players button, to players of level 30 or more (club/market_views).
#include "ui/common/kol_form.h"

#include <vector>

class QToolButton;
class TLastTransfer;
class TObjectListView;
class TWorld;

class TlastTransfersDlg final : public TKolForm {
    Q_OBJECT
public:
    explicit TlastTransfersDlg(TWorld& world, QWidget* parent = nullptr);

    const std::vector<TLastTransfer*>& Shown() const { return shown_; }
    // The position buttons, goalkeepers to forwards.
    QToolButton* PositionBtn(int position) const { return positionBtns_[position]; }
    QToolButton* BestPlayersBtn() const { return bestPlayersBtn_; }
    TObjectListView* ListBox() const { return list_; }

    void Filter();

private:
    TWorld& world_;
    std::vector<TLastTransfer*> shown_;
    QToolButton* positionBtns_[4];
    QToolButton* bestPlayersBtn_;
    TObjectListView* list_;
};

void ShowLastTransfers(TWorld& world, QWidget* parent);
