#include "ui/game/club/coach_options_dlg.h"

#include "foundation/format_text.h"
#include "foundation/texts.h"
#include "ui/common/qt_text.h"
#include "world/coach.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {
constexpr int kSalariesPageText = 244;
constexpr int kAuctionsPageText = 245;
constexpr int kNationalText = 247;
constexpr int kBosmanText = 248;
constexpr int kForeignText = 249;
constexpr int kEncryptText = 250;
constexpr int kFirstAuctionItemText = 252;
constexpr int kCaptionText = 255;

QCheckBox* TaggedCheck(QWidget* parent, int tag, const char* name) {
    auto* check = new QCheckBox(parent);
    check->setObjectName(name);
    SetTextTag(check, tag);
    return check;
}
} // namespace

TcoachOptionsDlg::TcoachOptionsDlg(TCoach& coach, QWidget* parent) : TKolForm(0, parent), coach_(coach) {
    setObjectName("TcoachOptionsDlg");
    auto* caption = new QLabel(this);
    caption->setObjectName("labelCaption");
    QFont big = caption->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.3);
    caption->setFont(big);

    notebook_ = new QTabWidget(this);
    notebook_->setObjectName("Notebook");
    auto* salaries = new QWidget(notebook_);
    checkNational_ = TaggedCheck(salaries, kNationalText, "CheckBoxNationalPlayersSalary");
    checkBosman_ = TaggedCheck(salaries, kBosmanText, "CheckBoxBosmanPlayersSalary");
    checkForeign_ = TaggedCheck(salaries, kForeignText, "CheckBoxForeignerPlayersSalary");
    auto* salariesLayout = new QVBoxLayout(salaries);
    for (QCheckBox* c : {checkNational_, checkBosman_, checkForeign_}) salariesLayout->addWidget(c);
    salariesLayout->addStretch();

    auto* auctions = new QWidget(notebook_);
    radioGroupBuyInAuction_ = new QGroupBox(auctions);
    radioGroupBuyInAuction_->setObjectName("RadioGroupBuyInAuction");
    SetTextTag(radioGroupBuyInAuction_, kAuctionsPageText);
    radioGroupBuyInAuction_->setProperty(kRadioGroupProperty, true);
    auto* radios = new QVBoxLayout(radioGroupBuyInAuction_);
    for (int i = 0; i < 3; ++i) {
        // Items of a radio group carry their text numbers as their text until the texts are applied.
        buyInAuction_[i] =
            new QRadioButton(QString::number(kFirstAuctionItemText + i), radioGroupBuyInAuction_);
        buyInAuction_[i]->setObjectName(QString("buyInAuction%1").arg(i));
        radios->addWidget(buyInAuction_[i]);
    }
    checkEncryptOffers_ = TaggedCheck(auctions, kEncryptText, "CheckBoxEncryptOffers");
    auto* auctionsLayout = new QVBoxLayout(auctions);
    auctionsLayout->addWidget(radioGroupBuyInAuction_);
    auctionsLayout->addWidget(checkEncryptOffers_);
    auctionsLayout->addStretch();

    notebook_->addTab(salaries, QString::number(kSalariesPageText));
    notebook_->addTab(auctions, QString::number(kAuctionsPageText));

    auto* content = new QVBoxLayout;
    content->addWidget(caption);
    content->addWidget(notebook_);
    okBtn_ = LayOutWithOkCancel(content);
    layout()->setContentsMargins(16, 16, 16, 16);
    setMinimumWidth(460);

    ApplyTexts();
    const QString title = ToQString(Format(GetText(kCaptionText), {coach.Name()}));
    setWindowTitle(title);
    caption->setText(title);

    checkNational_->setChecked(coach.autoSalaryNational != 0);
    checkBosman_->setChecked(coach.autoSalaryBosman != 0);
    checkForeign_->setChecked(coach.autoSalaryForeign != 0);
    buyInAuction_[coach.buyInAuction <= 2 ? coach.buyInAuction : 0]->setChecked(true);
    checkEncryptOffers_->setChecked(coach.encryptOffers != 0);
}

void TcoachOptionsDlg::accept() {
    coach_.autoSalaryNational = checkNational_->isChecked() ? 1 : 0;
    coach_.autoSalaryBosman = checkBosman_->isChecked() ? 1 : 0;
    coach_.autoSalaryForeign = checkForeign_->isChecked() ? 1 : 0;
    for (std::uint8_t i = 0; i < 3; ++i)
        if (buyInAuction_[i]->isChecked()) coach_.buyInAuction = i;
    coach_.encryptOffers = checkEncryptOffers_->isChecked() ? 1 : 0;
    TKolForm::accept();
}

bool ShowCoachOptionsDialog(TWorld& /*world*/, TCoach& coach, QWidget* parent) {
    TcoachOptionsDlg dlg(coach, parent);
    return dlg.exec() == QDialog::Accepted;
}
