#include "ui/game/start/invite_coach_dlg.h"

#include "foundation/texts.h"
#include "season/coach_manager.h"
#include "ui/common/qt_text.h"
#include "world/coach.h"
#include "world/team.h"

#include "ui/game/club/plantel_dlg.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int kCaptionText = 241;
constexpr int kYesText = 175;
constexpr int kNoText = 176;
constexpr int kSquadText = 243;
} // namespace

TinviteCoachDlg::TinviteCoachDlg(TWorld& world, TCoach& coach, TTeam& club, QWidget* parent)
    : TKolForm(kCaptionText, parent), world_(world), coach_(coach), club_(club) {
    setObjectName("TinviteCoachDlg");
    textCoachName_ = new QLabel(this);
    textCoachName_->setObjectName("textCoachName");
    QFont big = textCoachName_->font();
    big.setPointSizeF(big.pointSizeF() * 1.3);
    big.setBold(true);
    textCoachName_->setFont(big);
    textTeamName_ = new QLabel(this);
    textTeamName_->setObjectName("textTeamName");
    textTeamName_->setWordWrap(true);
    textTeamName_->setMargin(6);
    textTeamName_->setAutoFillBackground(true);
    okBtn_ = new QPushButton(this);
    okBtn_->setObjectName("okBtn");
    SetTextTag(okBtn_, kYesText);
    cancelBtn_ = new QPushButton(this);
    cancelBtn_->setObjectName("cancelBtn");
    SetTextTag(cancelBtn_, kNoText);
    cancelBtn_->setDefault(true);
    plantelBtn_ = new QPushButton(this);
    plantelBtn_->setObjectName("plantelBtn");
    SetTextTag(plantelBtn_, kSquadText);
    plantelBtn_->setAutoDefault(false);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 16, 20, 16);
    layout->addWidget(textCoachName_);
    layout->addWidget(textTeamName_);
    layout->addSpacing(10);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(plantelBtn_);
    buttons->addStretch();
    buttons->addWidget(okBtn_);
    buttons->addWidget(cancelBtn_);
    layout->addLayout(buttons);
    ApplyTexts();
    setMinimumWidth(420);

    textCoachName_->setText(ToQString(coach_.Name()));
    textTeamName_->setText(ToQString(InvitationClubText(club_)));
    // The club that asks, in its colours.
    QPalette colours = textTeamName_->palette();
    colours.setColor(QPalette::Window, ToQColor(club_.BackColor()));
    colours.setColor(QPalette::WindowText, ToQColor(club_.TextColor()));
    textTeamName_->setPalette(colours);

    connect(okBtn_, &QPushButton::clicked, this, [this] {
        answered_ = true;
        accept();
    });
    connect(cancelBtn_, &QPushButton::clicked, this, [this] {
        answered_ = true;
        QDialog::reject();
    });
    // The squad of the club that asks, seen from the coach's own club; the invitation stays open.
    connect(plantelBtn_, &QPushButton::clicked, this,
            [this] { ShowSquadView(world_, club_, coach_.CurrentClub(), nullptr, this); });
}

void TinviteCoachDlg::closeEvent(QCloseEvent* event) {
    if (answered_)
        QDialog::closeEvent(event);
    else
        event->ignore();
}

bool InviteCoach(TWorld& world, TCoach& coach, TTeam& club, QWidget* parent) {
    TinviteCoachDlg dialog(world, coach, club, parent);
    return dialog.exec() == QDialog::Accepted;
}
