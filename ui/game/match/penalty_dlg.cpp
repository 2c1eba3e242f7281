#include "ui/game/match/penalty_dlg.h"

#include "ui/common/object_list_view.h"
#include "ui/common/qt_text.h"
#include "ui/game/match/match_pace.h"
#include "ui/game/match/match_player_list.h"

#include "foundation/format_text.h"
#include "foundation/texts.h"
#include "match/penalty_kick.h"
#include "world/coach.h"
#include "world/player.h"
#include "world/team.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {
constexpr int kPenaltyText = 434, kShootText = 435, kChooseText = 432, kTakesText = 433;
constexpr int kKickTextBase = 304;
constexpr int kStepMs = 1000;
constexpr int kResultStep = 3, kCloseStep = 5;

QFont Bigger(QFont font, qreal factor) {
    font.setPointSizeF(font.pointSizeF() * factor);
    font.setBold(true);
    return font;
}

} // namespace

TpenaltyDlg::TpenaltyDlg(TGame& /*game*/, TTeam& shooting, QWidget* parent) : TKolForm(kPenaltyText, parent) {
    Build(shooting);
    const std::vector<TPlayer*> onField = PlayersInRole(shooting, 1);
    listBoxOfPlayers_ = NewMatchPlayerList(*shooting.players[0], this);
    listBoxOfPlayers_->setObjectName("ListBoxOfPlayers");
    listBoxOfPlayers_->setMinimumHeight(260);
    shootBtn_ = new QPushButton(this);
    shootBtn_->setObjectName("shootBtn");
    SetTextTag(shootBtn_, kShootText);
    shootBtn_->setDefault(true);
    shootBtn_->setEnabled(false);
    connect(shootBtn_, &QPushButton::clicked, this, &TpenaltyDlg::shootBtnClick);
    auto* layout = static_cast<QVBoxLayout*>(this->layout());
    layout->insertWidget(3, listBoxOfPlayers_, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(shootBtn_);
    layout->addLayout(buttons);
    ApplyTexts();
    const std::string coach = shooting.coach != nullptr ? shooting.coach->Name() : std::string();
    labelChoose_->setText(ToQString(Format(GetText(kChooseText), {coach})));
    ShowPlayers(*listBoxOfPlayers_, onField);
    connect(listBoxOfPlayers_->view->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { shootBtn_->setEnabled(CurrentPlayer(*listBoxOfPlayers_) != nullptr); });
    // The club's best taker stands picked, so Enter shoots with him; any other line can be picked.
    listBoxOfPlayers_->Select(PenaltyTaker(shooting));
    listBoxOfPlayers_->view->setFocus();
    connect(listBoxOfPlayers_->view, &QAbstractItemView::doubleClicked, this, [this] {
        if (shootBtn_->isEnabled()) shootBtnClick();
    });
}

TpenaltyDlg::TpenaltyDlg(TGame& /*game*/, TTeam& shooting, TPlayer& taker, int result, QWidget* parent)
    : TKolForm(kPenaltyText, parent), taker_(&taker), result_(result) {
    Build(shooting);
    ApplyTexts();
    labelChoose_->setText(ToQString(Format(GetText(kTakesText), {taker.DisplayName()})));
    timer1_->start(PacedMs(kStepMs));
}

void TpenaltyDlg::Build(TTeam& shooting) {
    shooting_ = &shooting;
    setObjectName("TpenaltyDlg");
    lblShootingTeam_ = new QLabel(this);
    lblShootingTeam_->setObjectName("lblShootingTeam");
    lblShootingTeam_->setFont(Bigger(font(), 1.5));
    lblShootingTeam_->setMargin(8);
    lblShootingTeam_->setAlignment(Qt::AlignCenter);
    label1_ = TaggedLabel(this, kPenaltyText);
    label1_->setObjectName("Label1");
    label1_->setFont(Bigger(font(), 2.0));
    label1_->setAlignment(Qt::AlignCenter);
    labelChoose_ = new QLabel(this);
    labelChoose_->setObjectName("LabelChoose");
    labelChoose_->setWordWrap(true);
    labelResult_ = new QLabel(this);
    labelResult_->setObjectName("labelResult");
    labelResult_->setFont(Bigger(font(), 2.0));
    labelResult_->setAlignment(Qt::AlignCenter);
    labelResult_->setMinimumHeight(labelResult_->fontMetrics().height() + 8);
    timer1_ = new QTimer(this);
    timer1_->setObjectName("Timer1");
    connect(timer1_, &QTimer::timeout, this, &TpenaltyDlg::Timer1Timer);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblShootingTeam_);
    layout->addWidget(label1_);
    layout->addWidget(labelChoose_);
    layout->addWidget(labelResult_);
    setMinimumWidth(420);

    setWindowTitle(ToQString(shooting.Name()));
    lblShootingTeam_->setText(ToQString(shooting.Name()));
    QPalette pal = lblShootingTeam_->palette();
    pal.setColor(QPalette::Window, ToQColor(shooting.BackColor()));
    pal.setColor(QPalette::WindowText, ToQColor(shooting.TextColor()));
    lblShootingTeam_->setPalette(pal);
    lblShootingTeam_->setAutoFillBackground(true);
}

// The choice is made: the rules draw the kick once the dialog returns it, and show it in a dialog of its own.
void TpenaltyDlg::shootBtnClick() {
    taker_ = CurrentPlayer(*listBoxOfPlayers_);
    if (taker_ == nullptr) return;
    canClose_ = true;
    accept();
}

void TpenaltyDlg::Timer1Timer() {
    ++ticks_;
    if (ticks_ == kResultStep) labelResult_->setText(ToQString(GetText(kKickTextBase + result_)));
    if (ticks_ >= kCloseStep) {
        timer1_->stop();
        canClose_ = true;
        accept();
    }
}

void TpenaltyDlg::closeEvent(QCloseEvent* event) {
    if (!canClose_) {
        event->ignore();
        return;
    }
    TKolForm::closeEvent(event);
}

// The choice may be left to the rules (Escape, as for a computer club: the best taker shoots); the kick,
// once shown, runs to its end.
void TpenaltyDlg::reject() {
    if (listBoxOfPlayers_ != nullptr && !canClose_) {
        taker_ = nullptr;
        canClose_ = true;
    }
    if (canClose_) TKolForm::reject();
}
