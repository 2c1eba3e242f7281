#include "ui/game/market/observed_players_dlg.h"

#include "ui/common/object_list_view.h"
#include "ui/common/qt_text.h"
#include "ui/game/club/plantel_dlg.h"

#include "club/market_views.h"
#include "foundation/format_text.h"
#include "foundation/texts.h"
#include "world/coach.h"
#include "world/player.h"
#include "world/team.h"
#include "world/world.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int kCaptionText = 129;
constexpr int kTooManyText = 161;
constexpr int kClearText = 438;
constexpr int kRemoveText = 575;
constexpr int kTeamText = 709;
constexpr int kCloseText = 96;
// Position, name, nationality, club, level, age, sale state.
constexpr int kObservedMask = 0x204067;
} // namespace

TObservedPlayersDlg::TObservedPlayersDlg(TCoach& coach, QWidget* parent)
    : TKolForm(kCaptionText, parent), coach_(coach) {
    setObjectName("TObservedPlayersDlg");
    coach.World().AllPlayers.Pack();
    list_ = new TObjectListView(*coach.World().AllPlayers[0], kObservedMask, kObservedMask, this);
    list_->setObjectName("ListOfPlayers");
    list_->view->setContextMenuPolicy(Qt::CustomContextMenu);
    memo_ = new QLabel(this);
    memo_->setObjectName("Memo");
    memo_->setWordWrap(true);
    memo_->setStyleSheet("color: #a00000; font-weight: bold;");
    popup_ = new QMenu(this);
    QAction* clear = popup_->addAction(QString());
    clear->setObjectName("ClearList");
    SetTextTag(clear, kClearText);
    removeBtn_ = new QPushButton(this);
    removeBtn_->setObjectName("removeBtn");
    SetTextTag(removeBtn_, kRemoveText);
    removeBtn_->setShortcut(QKeySequence::Delete);
    teamBtn_ = new QPushButton(this);
    teamBtn_->setObjectName("teamBtn");
    SetTextTag(teamBtn_, kTeamText);
    closeBtn_ = new QPushButton(this);
    closeBtn_->setObjectName("closeBtn");
    SetTextTag(closeBtn_, kCloseText);
    closeBtn_->setDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(removeBtn_);
    buttons->addStretch();
    buttons->addWidget(teamBtn_);
    buttons->addWidget(closeBtn_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_, 1);
    layout->addWidget(memo_);
    layout->addLayout(buttons);
    ApplyTexts();

    connect(list_->view, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { popup_->popup(list_->view->viewport()->mapToGlobal(at)); });
    connect(clear, &QAction::triggered, this, &TObservedPlayersDlg::ClearListClick);
    connect(removeBtn_, &QPushButton::clicked, this, &TObservedPlayersDlg::removeBtnClick);
    connect(teamBtn_, &QPushButton::clicked, this, &TObservedPlayersDlg::teamBtnClick);
    connect(list_->view, &QListView::doubleClicked, this, &TObservedPlayersDlg::teamBtnClick);
    connect(closeBtn_, &QPushButton::clicked, this, &QDialog::accept);
    Fill();
    resize(760, 520);
}

void TObservedPlayersDlg::Fill() {
    rows_ = SortedObservedPlayers(coach_);
    TKolObject* current = list_->Current();
    list_->model->SetObjects(std::vector<TKolObject*>(rows_.begin(), rows_.end()));
    list_->Select(current);
    const bool mayClose = ObservedListMayClose(coach_);
    memo_->setText(mayClose ? QString()
                            : ToQString(Format(GetText(kTooManyText), {TCoach::ObservedLimit - 1})));
    memo_->setVisible(!mayClose);
    removeBtn_->setEnabled(!rows_.empty());
    teamBtn_->setEnabled(!rows_.empty());
}

void TObservedPlayersDlg::removeBtnClick() {
    auto* player = static_cast<TPlayer*>(list_->Current());
    if (!player) return;
    coach_.RemoveObserved(*player);
    Fill();
}

void TObservedPlayersDlg::ClearListClick() {
    coach_.observedPlayers.clear();
    Fill();
}

void TObservedPlayersDlg::teamBtnClick() {
    auto* player = static_cast<TPlayer*>(list_->Current());
    if (!player) return;
    picked_ = player;
    accept();
    // A refused close keeps the dialog open and takes back the answer.
    if (isVisible() && !ObservedListMayClose(coach_)) picked_ = nullptr;
}

void TObservedPlayersDlg::done(int result) {
    if (!ObservedListMayClose(coach_)) {
        Fill();
        memo_->setFocus();
        return;
    }
    TKolForm::done(result);
}

TPlayer* PickObservedPlayer(TCoach& coach, QWidget* parent) {
    TObservedPlayersDlg dlg(coach, parent);
    dlg.exec();
    return dlg.Picked();
}

void ShowObservedPlayers(TWorld& world, TCoach& coach, QWidget* parent) {
    TPlayer* player = PickObservedPlayer(coach, parent);
    TTeam* viewer = coach.CurrentClub();
    if (player && player->Club()) ShowSquadView(world, *player->Club(), viewer, player, parent);
}
