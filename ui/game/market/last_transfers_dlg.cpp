#include "ui/game/market/last_transfers_dlg.h"

#include "ui/common/object_list_view.h"
#include "ui/common/qt_text.h"

#include "club/market_views.h"
#include "foundation/texts.h"
#include "world/player.h"
#include "world/records.h"
#include "world/world.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
constexpr int kCaptionText = 130;
constexpr int kBestText = 707;
constexpr int kCloseText = 96;
} // namespace

TlastTransfersDlg::TlastTransfersDlg(TWorld& world, QWidget* parent)
    : TKolForm(kCaptionText, parent), world_(world) {
    setObjectName("TlastTransfersDlg");
    const TLastTransfer prototype(world);
    list_ = new TObjectListView(prototype, 0, 0, this);
    list_->setObjectName("ListBox");
    list_->model->SetObjects({});
    static const char* const names[4] = {"GoalkeeperBtn", "defenderBtn", "midfieldBtn", "forwardBtn"};
    auto* buttons = new QHBoxLayout;
    for (int p = 0; p < 4; ++p) {
        positionBtns_[p] = new QToolButton(this);
        positionBtns_[p]->setObjectName(names[p]);
        positionBtns_[p]->setCheckable(true);
        positionBtns_[p]->setShortcut(QKeySequence(Qt::ALT | (Qt::Key_1 + p)));
        SetTextTag(positionBtns_[p], 355 + 2 * p);
        connect(positionBtns_[p], &QToolButton::toggled, this, &TlastTransfersDlg::Filter);
        buttons->addWidget(positionBtns_[p]);
    }
    bestPlayersBtn_ = new QToolButton(this);
    bestPlayersBtn_->setObjectName("bestPlayersBtn");
    bestPlayersBtn_->setCheckable(true);
    SetTextTag(bestPlayersBtn_, kBestText);
    connect(bestPlayersBtn_, &QToolButton::toggled, this, &TlastTransfersDlg::Filter);
    buttons->addSpacing(20);
    buttons->addWidget(bestPlayersBtn_);
    buttons->addStretch();
    auto* closeBtn = new QPushButton(this);
    closeBtn->setObjectName("closeBtn");
    SetTextTag(closeBtn, kCloseText);
    closeBtn->setDefault(true);
    connect(closeBtn, &QPushButton::clicked, this, &QDialog::accept);
    buttons->addWidget(closeBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(list_, 1);
    ApplyTexts();
    Filter();
    resize(760, 560);
}

void TlastTransfersDlg::Filter() {
    bool positions[4];
    for (int p = 0; p < 4; ++p) positions[p] = positionBtns_[p]->isChecked();
    shown_ = FilterLastTransfers(world_, positions, bestPlayersBtn_->isChecked());
    list_->model->SetObjects(std::vector<TKolObject*>(shown_.begin(), shown_.end()));
    if (!shown_.empty()) list_->view->scrollToBottom();
}

void ShowLastTransfers(TWorld& world, QWidget* parent) {
    TlastTransfersDlg dlg(world, parent);
    dlg.exec();
}
