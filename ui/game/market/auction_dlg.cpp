#include "ui/game/market/auction_dlg.h"

#include "ui/common/checked_picture.h"
#include "ui/common/qt_text.h"
#include "ui/game/market/game_folder.h"
#include "ui/game/market/player_heading.h"

#include "club/auction.h"
#include "foundation/format_text.h"
#include "foundation/money_format.h"
#include "foundation/texts.h"
#include "world/coach.h"
#include "world/player.h"
#include "world/team.h"
#include "world/world.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedLayout>
#include <QTimer>
#include <QVBoxLayout>

namespace {
constexpr int kCaptionText = 237;
constexpr int kOfferLabelText = 238;
constexpr int kOfferText = 71;
constexpr int kWithdrawText = 72;
constexpr int kPriceText = 119;
constexpr int kSalaryText = 199;

int tickInterval = 20;

QString Caption(int tag) {
    return ToQString(GetCaptionText(tag));
}

} // namespace

TsellPlayerDlg::TsellPlayerDlg(TAuction& auction, QWidget* parent)
    : TKolForm(kCaptionText, parent), auction_(auction) {
    setObjectName("TsellPlayerDlg");
    const TPlayer& player = auction.Player();
    const std::string& suffix = auction.Seller().World().CurrencyRecord.suffix;

    textPlayer_ = new QLabel(this);
    textPlayer_->setObjectName("textPlayer");
    SetHeadingFont(textPlayer_);
    textFlag_ = new QLabel(this);
    textFlag_->setObjectName("imageFlag");
    auto* textDetails = new QLabel(this);
    textDetails->setObjectName("textDetails");
    textPrices_ = new QLabel(this);
    textPrices_->setObjectName("textPrices");
    QFont pricesFont = textPrices_->font();
    pricesFont.setBold(true);
    textPrices_->setFont(pricesFont);

    // One box under the player: the offer panel while a human club's offer is awaited, the auction's
    // result line otherwise. Both take the same room, so the window keeps its size.
    auto* box = new QWidget(this);
    auto* boxLayout = new QStackedLayout(box);
    panelHumanOffer_ = new QFrame(box);
    panelHumanOffer_->setObjectName("PanelHumanOffer");
    static_cast<QFrame*>(panelHumanOffer_)->setFrameShape(QFrame::StyledPanel);
    textCoachName_ = new QLabel(panelHumanOffer_);
    textCoachName_->setObjectName("textCoachName");
    QFont bold = textCoachName_->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.2);
    textCoachName_->setFont(bold);
    textCash_ = new QLabel(panelHumanOffer_);
    textCash_->setObjectName("textCash");
    labelOffer_ = new QLabel(panelHumanOffer_);
    labelOffer_->setObjectName("labelOffer");
    textHumanOffer_ = new QLineEdit(panelHumanOffer_);
    textHumanOffer_->setObjectName("textHumanOffer");
    textHumanOffer_->setMaxLength(9);
    // Room for the nine digits it takes, not the whole panel.
    textHumanOffer_->setMinimumWidth(textHumanOffer_->fontMetrics().horizontalAdvance(QString(12, '0')));
    textHumanOffer_->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    // Hidden offers show one "X" per typed character.
    textHumanOffer_->setStyleSheet("QLineEdit { lineedit-password-character: 88; }");
    offerBtn_ = new QPushButton(panelHumanOffer_);
    offerBtn_->setObjectName("OfferBtn");
    SetTextTag(offerBtn_, kOfferText);
    offerBtn_->setDefault(true);
    withdrawBtn_ = new QPushButton(panelHumanOffer_);
    withdrawBtn_->setObjectName("WithdrawBtn");
    SetTextTag(withdrawBtn_, kWithdrawText);
    auto* panelLayout = new QGridLayout(panelHumanOffer_);
    panelLayout->addWidget(textCoachName_, 0, 0, 1, 3);
    panelLayout->addWidget(textCash_, 1, 0, 1, 3);
    panelLayout->addWidget(labelOffer_, 2, 0);
    panelLayout->addWidget(textHumanOffer_, 2, 1);
    panelLayout->setColumnStretch(2, 1);
    auto* panelButtons = new QHBoxLayout;
    panelButtons->addStretch();
    panelButtons->addWidget(offerBtn_);
    panelButtons->addWidget(withdrawBtn_);
    panelLayout->addLayout(panelButtons, 3, 0, 1, 3);
    panelHumanOffer_->setAutoFillBackground(true);

    textTransferred_ = new QLabel(box);
    textTransferred_->setObjectName("textTransferred");
    textTransferred_->setFont(bold);
    textTransferred_->setWordWrap(true);
    textTransferred_->setAlignment(Qt::AlignCenter);
    textTransferred_->setFrameShape(QFrame::StyledPanel);
    boxLayout->addWidget(textTransferred_);
    boxLayout->addWidget(panelHumanOffer_);
    boxLayout->setCurrentWidget(textTransferred_);
    offerBox_ = boxLayout;

    auto* head = new QHBoxLayout;
    head->addWidget(textFlag_);
    head->addWidget(textPlayer_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(head);
    layout->addWidget(textDetails);
    layout->addWidget(textPrices_);
    layout->addSpacing(layout->spacing());
    layout->addWidget(box, 1);
    ApplyTexts();

    textPlayer_->setText(ToQString(PlayerHeading(player)));
    const QPixmap flag = LoadFlag(GameFolderOfProgram(), player.nationality());
    if (!flag.isNull())
        textFlag_->setPixmap(flag);
    else
        textFlag_->setText(ToQString(player.nationality()));
    QStringList lines;
    for (const std::string& line : PlayerDetailLines(player, true)) lines << ToQString(line);
    textDetails->setText(lines.join('\n'));
    textPrices_->setText(Caption(kPriceText) + ": " + ToQString(FormatMoney(auction.BasePrice(), suffix)) +
                         "    " +
                         ToQString(GetText(kSalaryText) + " " + FormatMoney(auction.AskedSalary(), suffix)));
    labelOffer_->setText(ToQString(Format(GetText(kOfferLabelText), {suffix})));

    connect(offerBtn_, &QPushButton::clicked, this, &TsellPlayerDlg::OfferBtnClick);
    connect(withdrawBtn_, &QPushButton::clicked, this, &TsellPlayerDlg::WithdrawBtnClick);
    connect(textHumanOffer_, &QLineEdit::returnPressed, this, &TsellPlayerDlg::OfferBtnClick);
    timer1_ = new QTimer(this);
    timer1_->setInterval(tickInterval);
    connect(timer1_, &QTimer::timeout, this, &TsellPlayerDlg::TimerTick);
    timer1_->start();
    // As large as its contents ask, no larger: nothing empty under the box.
    resize(sizeHint().expandedTo(QSize(560, 0)));
}

void TsellPlayerDlg::SetTickInterval(int milliseconds) {
    timer1_->setInterval(milliseconds);
}

void TsellPlayerDlg::TimerTick() {
    if (panelHumanOffer_->isVisibleTo(this)) return; // an offer is awaited
    if (auction_.State() == TAuction::TState::Closed) {
        textTransferred_->setText(ToQString(auction_.ResultText()));
        if (++closingTicks_ > kClosingTicks) {
            timer1_->stop();
            TKolForm::done(QDialog::Accepted);
        }
        return;
    }
    if (auction_.NextBidder() == TAuction::TState::AwaitingHuman) ShowOfferPanel();
}

void TsellPlayerDlg::ShowOfferPanel() {
    const TTeam& club = *auction_.AwaitingClub();
    QPalette palette = panelHumanOffer_->palette();
    palette.setColor(QPalette::Window, ToQColor(club.BackColor()));
    palette.setColor(QPalette::WindowText, ToQColor(club.TextColor()));
    panelHumanOffer_->setPalette(palette);
    const std::string coach = club.coach ? club.coach->Name() : std::string();
    textCoachName_->setText(ToQString(coach + " - " + club.ShortName()));
    textCash_->setText(ToQString(auction_.CashText(club)));
    const bool masked = club.coach != nullptr && club.coach->encryptOffers;
    textHumanOffer_->setEchoMode(masked ? QLineEdit::Password : QLineEdit::Normal);
    textHumanOffer_->clear();
    offerBox_->setCurrentWidget(panelHumanOffer_);
    textHumanOffer_->setFocus();
}

void TsellPlayerDlg::OfferBtnClick() {
    if (auction_.State() != TAuction::TState::AwaitingHuman) return;
    // A number of thousands; anything else counts as 0 and withdraws.
    bool ok = false;
    const int thousands = textHumanOffer_->text().trimmed().toInt(&ok);
    offerBox_->setCurrentWidget(textTransferred_);
    auction_.HumanOffer(ok ? thousands : 0);
}

void TsellPlayerDlg::WithdrawBtnClick() {
    if (auction_.State() != TAuction::TState::AwaitingHuman) return;
    offerBox_->setCurrentWidget(textTransferred_);
    auction_.HumanOffer(-1);
}

void TsellPlayerDlg::reject() {
    // Escape withdraws an awaited offer; the window itself closes only after the auction.
    if (auction_.State() == TAuction::TState::AwaitingHuman) WithdrawBtnClick();
}

void SetAuctionTickInterval(int milliseconds) {
    tickInterval = milliseconds;
}

void RunAuctionWindow(TAuction& auction, QWidget* parent) {
    TsellPlayerDlg dlg(auction, parent);
    dlg.exec();
}
