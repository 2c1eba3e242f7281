#include "ui/game/market/sell_player_dlg.h"

#include "ui/common/amount_spin_box.h"
#include "ui/common/qt_text.h"
#include "ui/game/market/player_heading.h"

#include "club/market.h"
#include "foundation/format_text.h"
#include "foundation/money_format.h"
#include "foundation/texts.h"
#include "world/player.h"
#include "world/team.h"
#include "world/world.h"

#include <QButtonGroup>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {
constexpr int kCaptionText = 535;
constexpr int kPriceText = 550;
constexpr int kValueText = 551;
constexpr int kHowToSellText = 710;
// The items in the order of the sale modes 0, 1, 2.
constexpr int kHowToSellItems[3] = {321, 323, 322};
} // namespace

TsaleOrderDlg::TsaleOrderDlg(TTeam& club, TPlayer& player, QWidget* parent)
    : TKolForm(kCaptionText, parent), club_(club), player_(player) {
    setObjectName("TsaleOrderDlg");
    auto* labelPlayer = new QLabel(this);
    labelPlayer->setObjectName("labelPlayer");
    QFont bold = labelPlayer->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.2);
    labelPlayer->setFont(bold);
    auto* textValue = new QLabel(this);
    textValue->setObjectName("textValue");
    // Thousands, grouped with blanks: "1 234" and the suffix " 000 EUR" read as the whole amount.
    spinSellPrice_ = new TAmountSpinBox(this);
    spinSellPrice_->setObjectName("spinSellPrice");
    spinSellPrice_->setRange(0, 2000000);
    auto* group = new QGroupBox(this);
    group->setObjectName("radioHowToSell");
    SetTextTag(group, kHowToSellText);
    auto* groupLayout = new QVBoxLayout(group);
    radioHowToSell_ = new QButtonGroup(this);
    for (int mode = 0; mode < 3; ++mode) {
        auto* radio = new QRadioButton(group);
        radio->setObjectName(QString("radioHowToSell%1").arg(mode));
        SetTextTag(radio, kHowToSellItems[mode]);
        radioHowToSell_->addButton(radio, mode);
        groupLayout->addWidget(radio);
    }
    textMessage_ = new QLabel(this);
    textMessage_->setObjectName("textMessage");
    textMessage_->setWordWrap(true);

    auto* form = new QFormLayout;
    form->addRow(labelPlayer);
    form->addRow(TaggedLabel(this, kValueText), textValue);
    form->addRow(TaggedLabel(this, kPriceText), spinSellPrice_);
    form->addRow(group);
    form->addRow(textMessage_);
    okBtn_ = LayOutWithOkCancel(form);
    ApplyTexts();

    labelPlayer->setText(ToQString(PlayerHeading(player)));
    const std::string& suffix = club.World().CurrencyRecord.suffix;
    // What the market has paid lately for players like him: the price a coach starts from.
    const std::int32_t estimate = player.EvaluateOffers();
    textValue->setText(ToQString(FormatMoney(estimate, suffix)));
    spinSellPrice_->setSuffix(ToQString(" 000" + suffix));
    spinSellPrice_->setValue((player.askingPrice > 0 ? player.askingPrice : estimate) / 1000);
    radioHowToSell_->button(player.saleMode <= 2 ? player.saleMode : 0)->setChecked(true);
    const int now = club.CanSell(player);
    textMessage_->setText(ToQString(SaleRefusalText(now)));
    if (now != 0) textMessage_->setStyleSheet("color: #a00000;");
}

void TsaleOrderDlg::sellBtnClick() {
    reason_ = HumanSell(club_, player_, spinSellPrice_->value(), radioHowToSell_->checkedId());
    if (reason_ == 0) {
        TKolForm::accept();
        return;
    }
    textMessage_->setText(ToQString(SaleRefusalText(reason_)));
    textMessage_->setStyleSheet("color: #a00000;");
}

void TsaleOrderDlg::accept() {
    sellBtnClick();
}

int ShowSellPlayer(TWorld& /*world*/, TTeam& club, TPlayer& player, QWidget* parent) {
    TsaleOrderDlg dlg(club, player, parent);
    dlg.exec();
    return dlg.Reason() == 0 ? 0 : (dlg.Reason() > 0 ? dlg.Reason() : -1);
}
