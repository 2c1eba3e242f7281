#include "ui/game/season/end_of_season_dlg.h"

#include "foundation/money_format.h"
#include "season/season_honours.h"
#include "ui/common/qt_text.h"
#include "ui/game/season/club_label.h"
#include "ui/game/season/season_pace.h"
#include "world/world.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

namespace {
constexpr int kCaptionText = 228;
constexpr int kContinueText = 9;
constexpr int kChampionText = 109;
constexpr int kCupWinnerText = 110;
constexpr int kSecondText = 105;
constexpr int kThirdText = 106;
constexpr int kPrizesText = 224;
constexpr int kBestScorersText = 338;
constexpr int kTickMs = 1000;

QLabel* ValueLabel(QWidget* parent, const char* name) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    return label;
}

QFont Scaled(QFont font, qreal factor, bool bold) {
    font.setPointSizeF(font.pointSizeF() * factor);
    font.setBold(bold);
    return font;
}
} // namespace

TEndOfSeasonDlg::TEndOfSeasonDlg(const TSeasonHonours& honours, QWidget* parent)
    : TKolForm(kCaptionText, parent) {
    setObjectName("TEndOfSeasonDlg");
    QLabel* caption = TaggedLabel(this, kCaptionText);
    caption->setObjectName("labelCaption");
    caption->setFont(Scaled(caption->font(), 2.0, true));
    caption->setAlignment(Qt::AlignCenter);

    // One block per title: what it is, the club on its colours, its count and its coach's.
    const auto titleBlock = [this](int tag, const char* prefix, TClubLabel*& name, QLabel*& times,
                                   QLabel*& coach) {
        auto* box = new QVBoxLayout;
        box->setSpacing(8);
        QLabel* what = TaggedLabel(this, tag);
        what->setFont(Scaled(what->font(), 1.2, true));
        box->addWidget(what);
        name = new TClubLabel(this);
        name->setObjectName(QString("text%1Name").arg(prefix));
        name->setFont(Scaled(name->font(), 1.8, true));
        box->addWidget(name);
        times = ValueLabel(this, "");
        times->setObjectName(QString("text%1Times").arg(prefix));
        coach = ValueLabel(this, "");
        coach->setObjectName(QString("text%1Coach").arg(prefix));
        times->setFont(Scaled(times->font(), 1.1, false));
        coach->setFont(Scaled(coach->font(), 1.1, false));
        box->addWidget(times);
        box->addWidget(coach);
        return box;
    };
    auto* titles = new QHBoxLayout;
    titles->setSpacing(40);
    titles->addLayout(titleBlock(kChampionText, "LeagueWinner", textLeagueWinnerName_, textLeagueWinnerTimes_,
                                 textLeagueWinnerCoach_),
                      1);
    titles->addLayout(
        titleBlock(kCupWinnerText, "CupWinner", textCupWinnerName_, textCupWinnerTimes_, textCupWinnerCoach_),
        1);

    auto* prizes = new QGroupBox(this);
    prizes->setObjectName("groupPrizes");
    SetTextTag(prizes, kPrizesText);
    auto* prizeGrid = new QGridLayout(prizes);
    prizeGrid->setHorizontalSpacing(24);
    const auto prizeRow = [&](int row, int tag, const char* name) {
        prizeGrid->addWidget(TaggedLabel(prizes, tag), row, 0);
        QLabel* amount = ValueLabel(prizes, name);
        amount->setFont(Scaled(amount->font(), 1.1, true));
        amount->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        prizeGrid->addWidget(amount, row, 1);
        return amount;
    };
    textPrizeLeagueWinner_ = prizeRow(0, kChampionText, "textPrizeLeagueWinner");
    textPrizeLeagueSecond_ = prizeRow(1, kSecondText, "textPrizeLeagueSecond");
    textPrizeLeagueThird_ = prizeRow(2, kThirdText, "textPrizeLeagueThird");
    textPrizeCupWinner_ = prizeRow(3, kCupWinnerText, "textPrizeCupWinner");
    textPrizeBestScorer_ = prizeRow(4, kBestScorersText, "textPrizeBestScorer");

    auto* scorers = new QVBoxLayout;
    scorers->setSpacing(8);
    labelBestScorer_ = ValueLabel(this, "labelBestScorer");
    labelBestScorer_->setFont(Scaled(labelBestScorer_->font(), 1.2, true));
    listBoxBestScorers_ = new QListWidget(this);
    listBoxBestScorers_->setObjectName("ListBoxBestScorers");
    listBoxBestScorers_->setFocusPolicy(Qt::NoFocus);
    listBoxBestScorers_->setMaximumHeight(listBoxBestScorers_->fontMetrics().height() * 8);
    scorers->addWidget(labelBestScorer_);
    scorers->addWidget(listBoxBestScorers_);
    scorers->addStretch(1);

    auto* lower = new QHBoxLayout;
    lower->setSpacing(40);
    lower->addWidget(prizes, 1);
    lower->addLayout(scorers, 1);

    okBtn_ = new QPushButton(this);
    okBtn_->setObjectName("OKBtn");
    SetTextTag(okBtn_, kContinueText);
    okBtn_->setDefault(true);
    okBtn_->setMinimumWidth(120);
    connect(okBtn_, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(okBtn_);

    // The content keeps its own height and stands in the middle of the full window.
    auto* content = new QVBoxLayout;
    content->setSpacing(24);
    content->addWidget(caption);
    content->addLayout(titles);
    content->addLayout(lower);
    auto* middle = new QWidget(this);
    middle->setLayout(content);
    middle->setMaximumWidth(1100);
    middle->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
    auto* centred = new QHBoxLayout;
    centred->addStretch(1);
    centred->addWidget(middle, 100);
    centred->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(40, 24, 40, 20);
    layout->addStretch(1);
    layout->addLayout(centred);
    layout->addStretch(1);
    layout->addLayout(buttons);

    ApplyTexts();

    // The values are data, shown after the texts.
    const std::string suffix =
        honours.champion != nullptr ? honours.champion->World().CurrencyRecord.suffix : std::string();
    if (honours.champion != nullptr) {
        textLeagueWinnerName_->setText(ToQString(honours.champion->Name()));
        textLeagueWinnerName_->SetClub(honours.champion);
    }
    if (honours.cupWinner != nullptr) {
        textCupWinnerName_->setText(ToQString(honours.cupWinner->Name()));
        textCupWinnerName_->SetClub(honours.cupWinner);
    }
    textLeagueWinnerTimes_->setText(ToQString(honours.championTimes));
    textLeagueWinnerCoach_->setText(ToQString(honours.championCoach));
    textCupWinnerTimes_->setText(ToQString(honours.cupWinnerTimes));
    textCupWinnerCoach_->setText(ToQString(honours.cupWinnerCoach));
    textPrizeLeagueWinner_->setText(ToQString(FormatMoney(honours.prizeChampion, suffix)));
    textPrizeLeagueSecond_->setText(ToQString(FormatMoney(honours.prizeSecond, suffix)));
    textPrizeLeagueThird_->setText(ToQString(FormatMoney(honours.prizeThird, suffix)));
    textPrizeCupWinner_->setText(ToQString(FormatMoney(honours.prizeCup, suffix)));
    textPrizeBestScorer_->setText(ToQString(FormatMoney(honours.prizeBestScorer, suffix)));
    labelBestScorer_->setText(ToQString(honours.bestScorerCaption));
    for (const std::string& line : honours.scorerLines) listBoxBestScorers_->addItem(ToQString(line));

    timer_ = new QTimer(this);
    timer_->setInterval(SeasonPacedMs(kTickMs));
    connect(timer_, &QTimer::timeout, this, &TEndOfSeasonDlg::Tick);

    if (const QScreen* screen = QGuiApplication::primaryScreen()) resize(screen->availableGeometry().size());
}

void TEndOfSeasonDlg::showEvent(QShowEvent* event) {
    TKolForm::showEvent(event);
    ticks_ = 0;
    timer_->start();
}

void TEndOfSeasonDlg::hideEvent(QHideEvent* event) {
    timer_->stop();
    TKolForm::hideEvent(event);
}

void TEndOfSeasonDlg::Tick() {
    if (++ticks_ >= kClosingTick) {
        timer_->stop();
        accept();
    }
}

void ShowEndOfSeasonDialog(const TSeasonHonours& honours, QWidget* parent) {
    TEndOfSeasonDlg dialog(honours, parent);
    dialog.exec();
}
