// The nine pages of the club screen, built once; the screen fills them from the club's state.
#include "ui/game/club/prepare_game_dlg.h"

#include "ui/common/amount_spin_box.h"
#include "ui/common/object_list_view.h"
#include "ui/game/club/club_gauge.h"
#include "ui/game/club/prepare_game_doors.h"
#include "ui/game/club/prepare_game_parts.h"
#include "world/formations.h"
#include "world/records.h"
#include "world/team.h"
#include "world/world.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

using namespace prepare_game;

QWidget* TprepareGameDlg::BuildGamePage() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    textLastResult_ = TaggedLabel(page, kLastResultsText);
    textLastResult_->setObjectName("textLastResult");
    layout->addWidget(textLastResult_);
    TLastResult prototype(world_);
    lastResults_ = new TObjectListView(prototype, 0, 0, page);
    lastResults_->setObjectName("ListBoxLastResults");
    lastResults_->setMaximumHeight(110);
    layout->addWidget(lastResults_);
    auto* referee = new QHBoxLayout;
    QLabel* labelReferee = TaggedLabel(page, kRefereeText);
    labelReferee->setObjectName("labelReferee");
    referee->addWidget(labelReferee);
    textReferee_ = LinkButton(page, "textReferee");
    referee->addWidget(textReferee_, 1);
    layout->addLayout(referee);
    connect(textReferee_, &QPushButton::clicked, this, &TprepareGameDlg::ShowRefereeAid);
    textOpponent_ = NamedLabel(page, "textOpponent");
    textOpponent_->setAutoFillBackground(true);
    textOpponent_->setMargin(4);
    QFont bold = textOpponent_->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.3);
    textOpponent_->setFont(bold);
    textOpponent_->setCursor(Qt::PointingHandCursor);
    textOpponent_->installEventFilter(this);
    layout->addWidget(textOpponent_);
    classification_ =
        new TObjectListView(club_, tcName | tcRecord | tcPoints, tcName | tcRecord | tcPoints, page);
    classification_->setObjectName("ListBoxClassification");
    classification_->setMinimumHeight(240);
    connect(classification_->view, &QListView::clicked, this, &TprepareGameDlg::ShowClassification);
    layout->addWidget(classification_, 1);
    textMoney2_ = NamedLabel(page, "textMoney2");
    layout->addWidget(textMoney2_);
    return page;
}

QWidget* TprepareGameDlg::BuildPlayerPage() {
    auto* page = new QWidget;
    auto* layout = new QGridLayout(page);
    playerName_ = NamedLabel(page, "textPlayerName");
    QFont bold = playerName_->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.3);
    playerName_->setFont(bold);
    playerFlag_ = NamedLabel(page, "bitmapPlayerCountry");
    playerCountry_ = NamedLabel(page, "textPlayerCountry");
    playerForeign_ = TaggedLabel(page, kForeignText);
    playerForeign_->setObjectName("textForeign");
    playerAbsence_ = NamedLabel(page, "textAbsence");
    layout->addWidget(playerName_, 0, 0, 1, 3);
    layout->addWidget(playerFlag_, 1, 0);
    layout->addWidget(playerCountry_, 1, 1, 1, 2);
    layout->addWidget(playerForeign_, 2, 0, 1, 3);
    layout->addWidget(playerAbsence_, 3, 0, 1, 3);
    int row = 4;
    for (auto [tag, label, name] : {std::tuple{kSalaryText, &playerSalary_, "textSalary"},
                                    std::tuple{kBehaviourText, &playerBehaviour_, "textBehaviour"},
                                    std::tuple{kSeasonGoalsText, &playerGoals_, "textSeasonGoals"},
                                    std::tuple{kYellowCardsText, &playerYellows_, "textYellowCards"}}) {
        layout->addWidget(TaggedLabel(page, tag), row, 0);
        *label = NamedLabel(page, name);
        layout->addWidget(*label, row, 1, 1, 2);
        ++row;
    }
    auto* career = new QGroupBox(page);
    career->setObjectName("groupCareer");
    SetTextTag(career, kCareerText);
    auto* careerLayout = new QVBoxLayout(career);
    playerCareer_ = NamedLabel(career, "textCareer");
    careerLayout->addWidget(playerCareer_);
    layout->addWidget(career, row, 0, 1, 3);
    layout->setRowStretch(row + 1, 1);
    return page;
}

QWidget* TprepareGameDlg::BuildFinancesPage() {
    auto* page = new QWidget;
    auto* layout = new QGridLayout(page);
    // The amounts stand right-aligned in one column next to their names; the two that open a window
    // (loan, balance) are flat buttons of a label's height, so the rows keep one spacing.
    auto amount = [page](QWidget* widget) {
        widget->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
        if (auto* label = qobject_cast<QLabel*>(widget))
            label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        if (auto* button = qobject_cast<QPushButton*>(widget)) {
            button->setStyleSheet("text-align: right; padding: 0px; text-decoration: underline;");
            button->setMinimumHeight(page->fontMetrics().height() + 2);
        }
        return widget;
    };
    layout->addWidget(TaggedLabel(page, kTicketPriceText), 0, 0);
    textTicketPrice_ = NamedLabel(page, "textTicketPrice");
    layout->addWidget(amount(textTicketPrice_), 0, 1);
    QLabel* label6 = TaggedLabel(page, kLoanInterestText);
    label6->setObjectName("label6");
    layout->addWidget(label6, 1, 0);
    textLoanInterest_ = LinkButton(page, "textLoanInterest");
    layout->addWidget(amount(textLoanInterest_), 1, 1);
    connect(textLoanInterest_, &QPushButton::clicked, this, &TprepareGameDlg::ShowLoan);
    layout->addWidget(TaggedLabel(page, kWagesText), 2, 0);
    textWages_ = LinkButton(page, "textWages");
    layout->addWidget(amount(textWages_), 2, 1);
    connect(textWages_, &QPushButton::clicked, this, &TprepareGameDlg::ShowBalance);
    layout->addWidget(TaggedLabel(page, kCashColumnText), 3, 0);
    textCash_ = NamedLabel(page, "textCash");
    layout->addWidget(amount(textCash_), 3, 1);
    listBoxBalance_ = new QListWidget(page);
    listBoxBalance_->setObjectName("ListBoxBalance");
    listBoxBalance_->setItemDelegate(new TRowDelegate(listBoxBalance_));
    listBoxBalance_->setCursor(Qt::PointingHandCursor);
    connect(listBoxBalance_, &QListWidget::itemClicked, this, &TprepareGameDlg::ShowBalance);
    layout->addWidget(listBoxBalance_, 4, 0, 1, 3);
    layout->setRowStretch(4, 1);
    layout->setColumnMinimumWidth(1, 12 * page->fontMetrics().horizontalAdvance('0'));
    layout->setColumnStretch(2, 1);
    return page;
}

QWidget* TprepareGameDlg::BuildSelectionPage() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    // Attacking: at most four defenders and two forwards or more; special: no forward; defensive: the rest.
    auto groupOf = [](const TFormation& f) {
        if (f.forwards == 0) return 2;
        if (f.defenders <= 4 && f.forwards >= 2) return 0;
        return 1;
    };
    const int groupTexts[3] = {kAttackingText, kDefensiveText, kSpecialText};
    for (int g = 0; g < 3; ++g) {
        auto* box = new QGroupBox(page);
        SetTextTag(box, groupTexts[g]);
        auto* row = new QHBoxLayout(box);
        for (const TFormation& f : formations) {
            if (!f.asLabel || groupOf(f) != g) continue;
            auto* label = LinkButton(box, "");
            label->setObjectName(QString("label%1").arg(f.code));
            label->setText(QString("%1-%2-%3").arg(f.defenders).arg(f.midfielders).arg(f.forwards));
            label->setStyleSheet("font-weight: bold; padding: 4px;");
            connect(label, &QPushButton::clicked, this, [this, code = f.code] { MenuSelectClick(code); });
            row->addWidget(label);
        }
        row->addStretch(1);
        layout->addWidget(box);
    }
    auto* choices = new QHBoxLayout;
    QPushButton* best = LinkButton(page, "labelBest");
    SetTextTag(best, kBestText);
    connect(best, &QPushButton::clicked, this, &TprepareGameDlg::Melhores1Click);
    QPushButton* automatic = LinkButton(page, "labelAuto");
    SetTextTag(automatic, kAutomaticText);
    connect(automatic, &QPushButton::clicked, this, &TprepareGameDlg::Automtico1Click);
    for (QPushButton* b : {best, automatic}) {
        b->setStyleSheet("font-weight: bold; padding: 4px;");
        choices->addWidget(b);
    }
    choices->addStretch(1);
    layout->addLayout(choices);
    // The formations of the menu, also on the page's context menu.
    auto* menu = new QMenu(page);
    menu->setObjectName("formationMenu");
    for (const TFormation& f : formations) {
        if (!f.inMenu) continue;
        QAction* action =
            menu->addAction(QString("%1-%2-%3").arg(f.defenders).arg(f.midfielders).arg(f.forwards));
        action->setObjectName(QString("MenuSelect%1").arg(f.code));
        connect(action, &QAction::triggered, this, [this, code = f.code] { MenuSelectClick(code); });
    }
    page->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(page, &QWidget::customContextMenuRequested, this,
            [page, menu](const QPoint& at) { menu->popup(page->mapToGlobal(at)); });
    selectionMessage_ = NamedLabel(page, "labelSelectionCheck");
    selectionMessage_->setWordWrap(true);
    layout->addWidget(selectionMessage_);
    layout->addStretch(1);
    okBtn_ = new QPushButton(page);
    okBtn_->setObjectName("OKBtn");
    SetTextTag(okBtn_, kPlayText);
    okBtn_->setDefault(true);
    okBtn_->setAutoDefault(true);
    okBtn_->setMinimumHeight(40);
    connect(okBtn_, &QPushButton::clicked, this, &TprepareGameDlg::OKBtnClick);
    layout->addWidget(okBtn_);
    return page;
}

QWidget* TprepareGameDlg::BuildOpponentPage() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    opponentName_ = NamedLabel(page, "textOpponentName");
    opponentName_->setAutoFillBackground(true);
    opponentName_->setMargin(4);
    QFont bold = opponentName_->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.3);
    opponentName_->setFont(bold);
    layout->addWidget(opponentName_);
    auto* coach = new QHBoxLayout;
    coach->addWidget(TaggedLabel(page, kCoachText));
    opponentCoach_ = NamedLabel(page, "textOpponentCoach");
    coach->addWidget(opponentCoach_, 1);
    layout->addLayout(coach);
    gaugeOpponentMoral_ = new TClubGauge(kMoralText, page);
    gaugeOpponentMoral_->setObjectName("gaugeOpponentMoral");
    layout->addWidget(gaugeOpponentMoral_);
    auto* buttons = new QHBoxLayout;
    auto* calendar = new QPushButton(page);
    calendar->setObjectName("opponentCalendarBtn");
    SetTextTag(calendar, kCalendarText);
    connect(calendar, &QPushButton::clicked, this, [this] { ShowCalendarOf(opponent_); });
    auto* squad = new QPushButton(page);
    squad->setObjectName("opponentPlantelBtn");
    SetTextTag(squad, kSquadText);
    connect(squad, &QPushButton::clicked, this, [this] { ShowSquadOf(opponent_); });
    buttons->addWidget(calendar);
    buttons->addWidget(squad);
    buttons->addStretch(1);
    layout->addLayout(buttons);
    layout->addStretch(1);
    return page;
}

QWidget* TprepareGameDlg::BuildSellPage() {
    auto* page = new QWidget;
    auto* layout = new QGridLayout(page);
    sellPlayerName_ = NamedLabel(page, "textSellPlayer");
    QFont bold = sellPlayerName_->font();
    bold.setBold(true);
    sellPlayerName_->setFont(bold);
    layout->addWidget(sellPlayerName_, 0, 0, 1, 2);
    layout->addWidget(TaggedLabel(page, kPriceText), 1, 0);
    priceEdit_ = new TAmountSpinBox(page);
    priceEdit_->setObjectName("priceEdit");
    priceEdit_->setRange(0, 2000000);
    layout->addWidget(priceEdit_, 1, 1);
    auto* radio = new QGroupBox(page);
    radio->setObjectName("radioHowToSell");
    auto* radioLayout = new QVBoxLayout(radio);
    const int modeTexts[3] = {kNotForSaleText, kAuctionNowText, kListedText};
    for (int mode = 0; mode < 3; ++mode) {
        howToSell_[mode] = new QRadioButton(radio);
        howToSell_[mode]->setObjectName(QString("howToSell%1").arg(mode));
        SetTextTag(howToSell_[mode], modeTexts[mode]);
        radioLayout->addWidget(howToSell_[mode]);
    }
    layout->addWidget(radio, 2, 0, 1, 3);
    layout->addWidget(TaggedLabel(page, kMarketValueText), 3, 0);
    marketValue_ = NamedLabel(page, "textMarketValue");
    marketValue_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    layout->addWidget(marketValue_, 3, 1);
    // The editor and the value keep a field's width; the rest of the row stays empty.
    layout->setColumnMinimumWidth(1, 12 * page->fontMetrics().horizontalAdvance('0'));
    layout->setColumnStretch(2, 1);
    auto* buttons = new QHBoxLayout;
    auto* sell = new QPushButton(page);
    sell->setObjectName("sellBtn");
    SetTextTag(sell, kSellText);
    connect(sell, &QPushButton::clicked, this, &TprepareGameDlg::sellBtnClick);
    auto* cancel = new QPushButton(page);
    cancel->setObjectName("cancelSellBtn");
    SetTextTag(cancel, kCancelText);
    connect(cancel, &QPushButton::clicked, this, &TprepareGameDlg::cancelSellBtnClick);
    buttons->addWidget(sell);
    buttons->addWidget(cancel);
    buttons->addStretch(1);
    layout->addLayout(buttons, 4, 0, 1, 3);
    layout->setRowStretch(5, 1);
    return page;
}

QWidget* TprepareGameDlg::BuildContractPage() {
    auto* page = new QWidget;
    auto* layout = new QGridLayout(page);
    QLabel* caption = TaggedLabel(page, kRenewText);
    QFont bold = caption->font();
    bold.setBold(true);
    caption->setFont(bold);
    layout->addWidget(caption, 0, 0, 1, 2);
    contractPlayerName_ = NamedLabel(page, "textContractPlayer");
    layout->addWidget(contractPlayerName_, 1, 0, 1, 2);
    layout->addWidget(TaggedLabel(page, kNewSalaryText), 2, 0);
    newSalaryEdit_ = new TAmountSpinBox(page);
    newSalaryEdit_->setObjectName("newSalaryEdit");
    newSalaryEdit_->setRange(0, 2000000000);
    layout->addWidget(newSalaryEdit_, 2, 1);
    layout->setColumnMinimumWidth(1, 12 * page->fontMetrics().horizontalAdvance('0'));
    layout->setColumnStretch(2, 1);
    auto* buttons = new QHBoxLayout;
    auto* propose = new QPushButton(page);
    propose->setObjectName("newSalaryBtn");
    SetTextTag(propose, kProposeText);
    connect(propose, &QPushButton::clicked, this, &TprepareGameDlg::newSalaryBtnClick);
    auto* cancel = new QPushButton(page);
    cancel->setObjectName("cancelNewSalaryBtn");
    SetTextTag(cancel, kCancelText);
    connect(cancel, &QPushButton::clicked, this, [this] { ShowPage(pgPlayer); });
    buttons->addWidget(propose);
    buttons->addWidget(cancel);
    buttons->addStretch(1);
    layout->addLayout(buttons, 3, 0, 1, 3);
    layout->setRowStretch(4, 1);
    return page;
}

QWidget* TprepareGameDlg::BuildMessagePage() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    textMessage_ = NamedLabel(page, "textMessage");
    textMessage_->setWordWrap(true);
    QFont bold = textMessage_->font();
    bold.setBold(true);
    textMessage_->setFont(bold);
    layout->addWidget(textMessage_);
    layout->addStretch(1);
    return page;
}

QWidget* TprepareGameDlg::BuildCupPage() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    QLabel* labelCup = TaggedLabel(page, kCupText);
    labelCup->setObjectName("labelCup");
    QFont big = labelCup->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.5);
    labelCup->setFont(big);
    layout->addWidget(labelCup);
    layout->addWidget(TaggedLabel(page, kNextCupOpponentText));
    textCupOpponent_ = LinkButton(page, "textCupOpponent");
    connect(textCupOpponent_, &QPushButton::clicked, this, [this] { ShowSquadOf(cupOpponent_); });
    layout->addWidget(textCupOpponent_);
    cupState_ = NamedLabel(page, "textCupState");
    layout->addWidget(cupState_);
    layout->addStretch(1);
    return page;
}
