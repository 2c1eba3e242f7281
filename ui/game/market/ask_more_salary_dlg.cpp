#include "ui/game/market/ask_more_salary_dlg.h"

#include "ui/common/qt_text.h"

#include "club/market.h"
#include "foundation/texts.h"
#include "world/coach.h"
#include "world/player.h"
#include "world/team.h"
#include "world/world.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int kCaptionText = 120;
constexpr int kYesText = 175;
constexpr int kNoText = 176;
constexpr int kOkText = 71;
} // namespace

TaskMoreSalaryDlg::TaskMoreSalaryDlg(TTeam& club, TPlayer& player, std::int32_t amount, int mode,
                                     QWidget* parent)
    : TKolForm(kCaptionText, parent) {
    setObjectName("TaskMoreSalaryDlg");
    textCoachName_ = new QLabel(this);
    textCoachName_->setObjectName("textCoachName");
    QFont bold = textCoachName_->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.2);
    textCoachName_->setFont(bold);
    textCoachName_->setAutoFillBackground(true);
    textCoachName_->setMargin(6);
    textMessage_ = new QLabel(this);
    textMessage_->setObjectName("textMessage");
    textMessage_->setWordWrap(true);
    textMessage_->setMinimumWidth(420);
    yesBtn_ = new QPushButton(this);
    yesBtn_->setObjectName("YesBtn");
    SetTextTag(yesBtn_, kYesText);
    noBtn_ = new QPushButton(this);
    noBtn_->setObjectName("NoBtn");
    SetTextTag(noBtn_, kNoText);
    okBtn_ = new QPushButton(this);
    okBtn_->setObjectName("okBtn");
    SetTextTag(okBtn_, kOkText);
    connect(yesBtn_, &QPushButton::clicked, this, &QDialog::accept);
    connect(okBtn_, &QPushButton::clicked, this, &QDialog::accept);
    connect(noBtn_, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(yesBtn_);
    buttons->addWidget(noBtn_);
    buttons->addWidget(okBtn_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(textCoachName_);
    layout->addWidget(textMessage_, 1);
    layout->addLayout(buttons);
    ApplyTexts();

    // The club cannot refuse in modes 1 and 3: only OK is offered.
    const bool mustAccept = mode == 1 || mode == 3;
    yesBtn_->setVisible(!mustAccept);
    noBtn_->setVisible(!mustAccept);
    okBtn_->setVisible(mustAccept);
    (mustAccept ? okBtn_ : yesBtn_)->setDefault(true);
    QPalette palette = textCoachName_->palette();
    palette.setColor(QPalette::Window, ToQColor(club.BackColor()));
    palette.setColor(QPalette::WindowText, ToQColor(club.TextColor()));
    textCoachName_->setPalette(palette);
    textCoachName_->setText(
        ToQString((club.coach ? club.coach->Name() : std::string()) + " - " + club.ShortName()));
    textMessage_->setText(
        ToQString(SalaryQuestionText(player, amount, mode, club.World().CurrencyRecord.suffix)));
}

bool AskMoreSalary(TTeam& club, TPlayer& player, std::int32_t amount, int mode, QWidget* parent) {
    TaskMoreSalaryDlg dlg(club, player, amount, mode, parent);
    return dlg.exec() == QDialog::Accepted;
}
