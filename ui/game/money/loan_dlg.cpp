#include "ui/game/money/loan_dlg.h"

#include "club/finance.h"
#include "foundation/format_text.h"
#include "foundation/money_format.h"
#include "foundation/texts.h"
#include "ui/common/qt_text.h"
#include "ui/game/money/club_caption.h"
#include "world/team.h"
#include "world/world.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int kCaptionText = 20;
constexpr int kLoanText = 21;
constexpr int kInterestText = 22;
constexpr int kMoneyText = 23;
constexpr int kBorrowText = 239;
constexpr int kRepayText = 240;
constexpr int kCloseText = 96;
constexpr int kLimitText = 780;
constexpr int kLimitHintText = 781;
constexpr int kInterestHintText = 782;
constexpr int kBorrowRefusedText = 786;
constexpr int kRepayRefusedText = 787;

QLabel* Amount(QWidget* parent, const char* name) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    return label;
}
} // namespace

TloanDlg::TloanDlg(TWorld& world, TTeam& club, bool mayAct, QWidget* parent)
    : TKolForm(kCaptionText, parent), world_(world), club_(club), mayAct_(mayAct) {
    setObjectName("TloanDlg");
    labelClub_ = new QLabel(ToQString(club.Name()), this);
    labelClub_->setObjectName("labelClub");
    ShowInClubColours(labelClub_, club);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(24);
    grid->setVerticalSpacing(8);
    const struct {
        int text;
        QLabel** value;
        const char* name;
    } rows[] = {
        {kLimitText, &valueLimit_, "textLimit"},
        {kLoanText, &valueLoan_, "textLoan"},
        {kInterestText, &valueInterest_, "textInterest"},
        {kMoneyText, &valueMoney_, "textMoney"},
    };
    int r = 0;
    for (const auto& row : rows) {
        QLabel* caption = TaggedLabel(this, row.text);
        *row.value = Amount(this, row.name);
        caption->setBuddy(*row.value);
        grid->addWidget(caption, r, 0);
        grid->addWidget(*row.value, r, 1);
        ++r;
    }

    const std::string step = FormatMoney(world.MoneyStep(), world.CurrencyRecord.suffix);
    borrowBtn_ = new QPushButton(ToQString(Format(GetText(kBorrowText), {step})), this);
    borrowBtn_->setObjectName("borrowBtn");
    payBtn_ = new QPushButton(ToQString(Format(GetText(kRepayText), {step})), this);
    payBtn_->setObjectName("payBtn");
    closeBtn_ = new QPushButton(this);
    closeBtn_->setObjectName("closeBtn");
    SetTextTag(closeBtn_, kCloseText);
    closeBtn_->setDefault(true);
    for (QPushButton* b : {borrowBtn_, payBtn_, closeBtn_}) b->setAutoDefault(false);
    closeBtn_->setAutoDefault(true);
    borrowBtn_->setVisible(mayAct);
    payBtn_->setVisible(mayAct);
    connect(borrowBtn_, &QPushButton::clicked, this, &TloanDlg::BorrowBtnClick);
    connect(payBtn_, &QPushButton::clicked, this, &TloanDlg::PayBtnClick);
    connect(closeBtn_, &QPushButton::clicked, this, &QDialog::reject);

    auto* steps = new QHBoxLayout;
    steps->addWidget(borrowBtn_);
    steps->addWidget(payBtn_);
    auto* closing = new QHBoxLayout;
    closing->addStretch();
    closing->addWidget(closeBtn_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 16);
    layout->setSpacing(12);
    layout->addWidget(labelClub_);
    layout->addLayout(grid);
    layout->addLayout(steps);
    layout->addLayout(closing);
    setMinimumWidth(420);

    ApplyTexts();
    Refresh();
}

void TloanDlg::Refresh() {
    const std::string& suffix = world_.CurrencyRecord.suffix;
    valueLimit_->setText(ToQString(FormatMoney(LoanDialogLimit(club_), suffix)));
    valueLoan_->setText(ToQString(FormatMoney(club_.loan, suffix)));
    valueInterest_->setText(ToQString(FormatMoney(Interest(club_.loan), suffix)));
    valueMoney_->setText(ToQString(FormatMoney(club_.balance(), suffix)));
    // What the limit and the interest come from, for the person who wonders.
    const QString limitHint = ToQString(
        Format(GetText(kLimitHintText), {FormatMoney(world_.MoneyStep(), suffix), club_.AverageLevel(),
                                         Format("%.2f", {club_.supportFactor()})}));
    valueLimit_->setToolTip(limitHint);
    valueInterest_->setToolTip(ToQString(GetText(kInterestHintText)));
    const bool canBorrow = CanBorrow(club_);
    const bool canRepay = CanRepay(club_);
    borrowBtn_->setEnabled(mayAct_ && canBorrow);
    payBtn_->setEnabled(mayAct_ && canRepay);
    borrowBtn_->setToolTip(canBorrow ? limitHint : ToQString(GetText(kBorrowRefusedText)));
    payBtn_->setToolTip(canRepay ? QString() : ToQString(GetText(kRepayRefusedText)));
}

void TloanDlg::BorrowBtnClick() {
    if (mayAct_) HumanBorrow(club_);
    Refresh();
}

void TloanDlg::PayBtnClick() {
    if (mayAct_) HumanRepay(club_);
    Refresh();
}

void ShowLoanDialog(TWorld& world, TTeam& club, QWidget* parent) {
    ShowLoanDialog(world, club, parent, club.IsHumanRun());
}

void ShowLoanDialog(TWorld& world, TTeam& club, QWidget* parent, bool mayAct) {
    TloanDlg dlg(world, club, mayAct, parent);
    dlg.exec();
}
