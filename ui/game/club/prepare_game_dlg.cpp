#include "ui/game/club/prepare_game_dlg.h"

#include "club/finance.h"
#include "club/market.h"
#include "foundation/format_text.h"
#include "foundation/money_format.h"
#include "foundation/numeric.h"
#include "foundation/settings.h"
#include "foundation/texts.h"
#include "season/autosave.h"
#include "ui/common/about_box.h"
#include "ui/common/checked_picture.h"
#include "ui/common/object_list_view.h"
#include "ui/common/qt_text.h"
#include "ui/common/row_delegate.h"
#include "ui/common/trevan_button.h"
#include "ui/game/club/club_gauge.h"
#include "ui/game/club/coach_ranking_list.h"
#include "ui/game/club/prepare_game_parts.h"
#include "ui/game/club/squad_list.h"
#include "world/division.h"
#include "world/formations.h"
#include "world/game.h"
#include "world/money_rules.h"
#include "world/selection.h"
#include "world/world.h"

#include "ui/game/club/prepare_game_doors.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListView>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QShortcut>
#include <QSpinBox>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace prepare_game {

QString Text(int n) {
    return ToQString(GetText(n));
}

QString Money(const TWorld& world, std::int64_t amount) {
    return ToQString(FormatMoney(amount, world.CurrencyRecord.suffix));
}

// A label that can be clicked: a flat button.
QPushButton* LinkButton(QWidget* parent, const char* name) {
    auto* button = new QPushButton(parent);
    button->setObjectName(name);
    button->setFlat(true);
    button->setCursor(Qt::PointingHandCursor);
    button->setStyleSheet("text-align: left; padding: 2px;");
    return button;
}

QLabel* NamedLabel(QWidget* parent, const char* name) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    return label;
}

TTrevanButton* BarButton(QWidget* parent, const char* name, int tag) {
    auto* button = new TTrevanButton(parent);
    button->setObjectName(name);
    SetTextTag(button, tag);
    return button;
}

// The sale price editor steps in the rounding bands of asking prices (in thousands).
int PriceStep(int thousands) {
    if (thousands >= 2000) return 100;
    if (thousands >= 1000) return 50;
    if (thousands > 500) return 25;
    if (thousands > 100) return 10;
    return 1;
}

void SetClubColours(QWidget* widget, const TTeam& club) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, ToQColor(club.BackColor()));
    palette.setColor(QPalette::WindowText, ToQColor(club.TextColor()));
    widget->setAutoFillBackground(true);
    widget->setPalette(palette);
}

} // namespace prepare_game

using namespace prepare_game;

TprepareGameDlg::TprepareGameDlg(TWorld& world, TTeam& club, QWidget* parent)
    : TKolForm(0, parent), world_(world), club_(club) {
    setObjectName("TprepareGameDlg");
    setWindowTitle(QStringLiteral("Kolbrin 2002"));
    // The opponent of this round's game; the club is away when it is not the home club.
    for (TGame* game : world_.RoundGames)
        if (game != nullptr && game->HasTeams() && (game->homeTeam == &club_ || game->awayTeam == &club_)) {
            game_ = game;
            break;
        }
    if (game_ != nullptr) {
        playsAway_ = game_->homeTeam->id != club_.id ? 1 : 0;
        opponent_ = playsAway_ ? game_->homeTeam : game_->awayTeam;
        if (game_->kind == gkCup) opponentDivision_ = world_.DivisionOfTeam(*opponent_);
    }

    // Everything stands on one page that scrolls when the screen is smaller than the screen's layout (a
    // small display, or a large scale factor).
    content_ = new QWidget;
    content_->setObjectName("clubScreenContent");
    auto* scroll = new QScrollArea(this);
    scroll->setObjectName("clubScreenScroll");
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(scroll);
    scroll->setWidget(content_);
    auto* root = new QVBoxLayout(content_);
    BuildHeader(root);
    auto* middle = new QHBoxLayout;
    squad_ = new TSquadList(club_, club_.coach != nullptr && club_.coach->showCards != 0, this);
    squad_->setMinimumWidth(470);
    squad_->setToolTip(Text(kLineupHintText));
    middle->addWidget(squad_, 4);
    notebook_ = new QTabWidget(this);
    notebook_->setObjectName("Notebook");
    notebook_->tabBar()->setObjectName("TabControl");
    QWidget* (TprepareGameDlg::*builders[kPageCount])() = {
        &TprepareGameDlg::BuildGamePage,     &TprepareGameDlg::BuildPlayerPage,
        &TprepareGameDlg::BuildFinancesPage, &TprepareGameDlg::BuildSelectionPage,
        &TprepareGameDlg::BuildOpponentPage, &TprepareGameDlg::BuildSellPage,
        &TprepareGameDlg::BuildContractPage, &TprepareGameDlg::BuildMessagePage,
        &TprepareGameDlg::BuildCupPage};
    for (int p = 0; p < kPageCount; ++p)
        notebook_->addTab((this->*builders[p])(), QString::number(kFirstPageText + p));
    notebook_->setMinimumWidth(430);
    middle->addWidget(notebook_, 5);
    root->addLayout(middle, 1);
    BuildButtonBar(root);
    BuildMenus();

    connect(squad_, &TSquadList::PlayerClicked, this, &TprepareGameDlg::SelectPlayer);
    connect(squad_, &TSquadList::LineupClicked, this, &TprepareGameDlg::LineupClick);

    ApplyTexts();
    // The graphic buttons draw their caption when they have no pictures.
    for (TTrevanButton* button : findChildren<TTrevanButton*>()) {
        button->setText(ToQString(GetCaptionText(TextTag(button))));
        // The bar may narrow its buttons down to their captions on a small screen.
        button->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
        button->setMinimumWidth(button->fontMetrics().horizontalAdvance(button->text()) + 16);
    }
    for (QPushButton* link : {textReferee_, textLoanInterest_, textWages_, textCupOpponent_})
        link->setText(QString());

    SetColours();
    balances_ = std::make_unique<TThreeBalances>(TThreeBalances::OfClub(club_, false));
    RefreshAll();
    notebook_->setCurrentIndex(pgGame);
    CheckSelection();
    const QSize wanted(1240, 740);
    const QScreen* screen = parent != nullptr && parent->screen() != nullptr
                                ? parent->screen()
                                : QGuiApplication::primaryScreen();
    resize(screen != nullptr ? wanted.boundedTo(screen->availableGeometry().size()) : wanted);
}

TprepareGameDlg::~TprepareGameDlg() = default;

// ---- Building ----

void TprepareGameDlg::BuildHeader(QBoxLayout* layout) {
    auto* header = new QHBoxLayout;
    auto* names = new QGridLayout;
    textSeason_ = NamedLabel(this, "textSeason");
    labelTeamName_ = NamedLabel(this, "LabelTeamName");
    QFont big = labelTeamName_->font();
    big.setPointSizeF(big.pointSizeF() * 1.8);
    big.setBold(true);
    labelTeamName_->setFont(big);
    labelTeamName_->setAutoFillBackground(true);
    labelTeamName_->setMargin(4);
    textMyDivision_ = NamedLabel(this, "textMyDivision");
    textCoachName_ = NamedLabel(this, "textCoachName");
    bitmapTeamCountry_ = NamedLabel(this, "bitmapTeamCountry");
    names->addWidget(bitmapTeamCountry_, 0, 0, 2, 1);
    names->addWidget(labelTeamName_, 0, 1);
    names->addWidget(textSeason_, 0, 2, Qt::AlignRight);
    names->addWidget(textMyDivision_, 1, 1);
    names->addWidget(textCoachName_, 1, 2, Qt::AlignRight);
    header->addLayout(names, 3);
    // Room between the season's text and the gauges' names.
    header->addSpacing(3 * fontMetrics().averageCharWidth());
    auto* gauges = new QVBoxLayout;
    gaugeCoachPerformance_ = new TClubGauge(kPerformanceText, this);
    gaugeCoachPerformance_->setObjectName("gaugeCoachPerformance");
    gaugeMoral_ = new TClubGauge(kMoralText, this);
    gaugeMoral_->setObjectName("gaugeMoral");
    gaugeFinances_ = new TClubGauge(kFinancesText, this);
    gaugeFinances_->setObjectName("gaugeFinances");
    for (TClubGauge* gauge : {gaugeCoachPerformance_, gaugeMoral_, gaugeFinances_}) gauges->addWidget(gauge);
    header->addLayout(gauges, 2);
    layout->addLayout(header);
}

void TprepareGameDlg::BuildButtonBar(QBoxLayout* layout) {
    auto* panel = new QWidget(this);
    panel->setObjectName("Panel1");
    auto* bar = new QHBoxLayout(panel);
    bar->setContentsMargins(0, 0, 0, 0);
    struct TBarButton {
        const char* name;
        int tag;
        void (TprepareGameDlg::*action)();
    };
    const TBarButton buttons[] = {
        {"gameBtn", kFirstPageText + pgGame, nullptr},
        {"selectBtn", kFirstPageText + pgSelection, nullptr},
        {"financesBtn", kFirstPageText + pgFinances, nullptr},
        {"cupBtn", kFirstPageText + pgCup, nullptr},
        {"coachBtn", kCoachBtnText, nullptr},
        {"spyBtn", kSpyBtnText, nullptr},
        {"playerBtn", kPlayerBtnText, nullptr},
        {"teamHistoryBtn", kClubBtnText, nullptr},
        {"coachManagementBtn", kCoachesBtnText, &TprepareGameDlg::ShowCoachManager},
        {"stadiumBtn", kStadiumBtnText, &TprepareGameDlg::ShowStadium},
        {"loanBtn", kLoansBtnText, &TprepareGameDlg::ShowLoan},
        {"kolbrinBtn", kKolbrinBtnText, nullptr},
        {"saveBtn", kSaveText, nullptr},
        {"stopBtn", kStopText, &TprepareGameDlg::stopBtnClick},
    };
    for (const TBarButton& b : buttons) {
        TTrevanButton* button = BarButton(panel, b.name, b.tag);
        bar->addWidget(button);
        if (b.action != nullptr) connect(button, &QAbstractButton::clicked, this, b.action);
    }
    connect(panel->findChild<TTrevanButton*>("saveBtn"), &QAbstractButton::clicked, this,
            [this] { saveBtnClick(); });
    const std::pair<const char*, int> pages[] = {
        {"gameBtn", pgGame}, {"selectBtn", pgSelection}, {"financesBtn", pgFinances}, {"cupBtn", pgCup}};
    for (const auto& [name, page] : pages)
        connect(panel->findChild<TTrevanButton*>(name), &QAbstractButton::clicked, this,
                [this, page = page] { ShowPage(page); });
    showCardsBtn_ = new QToolButton(panel);
    showCardsBtn_->setObjectName("ShowCardsBtn");
    showCardsBtn_->setCheckable(true);
    // As tall as the bar's buttons beside it.
    showCardsBtn_->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
    showCardsBtn_->setChecked(squad_->ShowCards());
    SetTextTag(showCardsBtn_, kCardsBtnText);
    connect(showCardsBtn_, &QToolButton::clicked, this, &TprepareGameDlg::ShowCardsBtnClick);
    bar->insertWidget(0, showCardsBtn_);
    bar->addStretch(1);
    layout->addWidget(panel);
    auto* save = new QShortcut(QKeySequence::Save, this);
    connect(save, &QShortcut::activated, this, [this] { saveBtnClick(); });
}

void TprepareGameDlg::BuildMenus() {
    auto popupBelow = [this](const char* buttonName, QMenu* menu) {
        auto* button = findChild<TTrevanButton*>(buttonName);
        connect(button, &QAbstractButton::clicked, this,
                [button, menu] { menu->popup(button->mapToGlobal(QPoint(0, button->height()))); });
    };
    auto add = [this](QMenu* menu, const char* name, int tag, auto slot) {
        QAction* action = menu->addAction(QString::number(tag));
        action->setObjectName(name);
        SetTextTag(action, tag);
        connect(action, &QAction::triggered, this, slot);
        return action;
    };

    auto* coachMenu = new QMenu(this);
    coachMenu->setObjectName("CoachMenu");
    add(coachMenu, "ppp1", kHistoryText, [this] { ShowCoachHistory(); });
    QAction* profile = add(coachMenu, "Perfil1", kProfileText, [this] { ShowCoachProfile(); });
    add(coachMenu, "Ranking1", kRankingText, [this] { ShowCoachRanking(world_, this); });
    (void)profile;
    popupBelow("coachBtn", coachMenu);

    auto* spyMenu = new QMenu(this);
    spyMenu->setObjectName("spyMenu");
    QAction* search = add(spyMenu, "Procurarjogador1", kSearchText, [this] {
        ShowPlayerSearch(world_, club_, this);
        RefreshAll();
    });
    acquisitions_ = add(spyMenu, "Aquisies1", kAcquisitionsText, [this] { ShowAcquisitions(); });
    observed_ = add(spyMenu, "Observados1", kObservedText, [this] {
        if (club_.coach != nullptr) ShowObservedPlayers(world_, *club_.coach, this);
        RefreshAll();
    });
    QAction* transfers =
        add(spyMenu, "Transferncias1", kTransfersText, [this] { ShowLastTransfers(world_, this); });
    (void)search;
    (void)transfers;
    popupBelow("spyBtn", spyMenu);

    auto* kolbrinMenu = new QMenu(this);
    kolbrinMenu->setObjectName("kolbrinMenu");
    add(kolbrinMenu, "opcoesKolbrin1", kOptionsText, [this] { ShowOptions(); });
    add(kolbrinMenu, "Sairsemgravar1", kQuitText, [this] { Sairsemgravar1Click(); });
    QAction* about =
        add(kolbrinMenu, "Acerca2", kAboutText, [this] { ShowAboutBox(TAboutBox::Mode::Normal, this); });
    about->setShortcut(QKeySequence(Qt::Key_F1));
    about->setShortcutContext(Qt::WindowShortcut);
    addAction(about);
    popupBelow("kolbrinBtn", kolbrinMenu);

    playerMenu_ = new QMenu(this);
    playerMenu_->setObjectName("playerMenu");
    add(playerMenu_, "Vender2", kSellMenuText, [this] { Vender1Click(); });
    add(playerMenu_, "Renovarcontrato1", kRenewText, [this] { ChangeSalaryBtnClick(); });
    add(playerMenu_, "campeonatoMelhoresmarcadores1", kSeasonScorersText, [this] { ShowTopScorers(false); });
    add(playerMenu_, "Melhoresmarcadoresdesempre2", kAllTimeScorersText, [this] { ShowTopScorers(true); });
    popupBelow("playerBtn", playerMenu_);
    // The same commands on the squad list's context menu.
    squad_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(squad_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { playerMenu_->popup(squad_->mapToGlobal(at)); });

    auto* historyMenu = new QMenu(this);
    historyMenu->setObjectName("teamHistoryMenu");
    add(historyMenu, "clubHistory1", kHistoryText, [this] { ShowClubHistory(); });
    add(historyMenu, "clubCalendar1", kCalendarText, [this] { ShowCalendarOf(&club_); });
    popupBelow("teamHistoryBtn", historyMenu);
}

void TprepareGameDlg::SetColours() {
    // The screen in the club's colours; lists and editors keep their own.
    SetClubColours(this, club_);
    SetClubColours(content_, club_);
    SetClubColours(labelTeamName_, club_);
    if (opponent_ != nullptr) {
        SetClubColours(textOpponent_, *opponent_);
        SetClubColours(opponentName_, *opponent_);
    }
    // The pages keep the program's own colours: every role set explicitly, or they would take the club's.
    const QPalette program = QApplication::palette();
    QPalette pages = notebook_->palette();
    for (QPalette::ColorRole role :
         {QPalette::Window, QPalette::WindowText, QPalette::Base, QPalette::Text, QPalette::Button,
          QPalette::ButtonText, QPalette::ToolTipBase, QPalette::ToolTipText})
        for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
            pages.setColor(group, role, program.color(group, role));
    notebook_->setAutoFillBackground(true);
    notebook_->setPalette(pages);
}

// ---- Refreshing ----

void TprepareGameDlg::RefreshAll() {
    RefreshHeader();
    squad_->Refresh();
    squad_->Select(selectedPlayer_);
    RefreshPlayerPage();
    RefreshFinancesPage();
    RefreshOpponentPage();
    RefreshCupPage();

    // The earlier meetings at this venue: the home club's results against this game's away club, newest
    // first.
    std::vector<TKolObject*> meetings;
    if (game_ != nullptr)
        for (int i = game_->homeTeam->lastResults.Count() - 1; i >= 0; --i) {
            TLastResult* result = game_->homeTeam->lastResults[i];
            if (result != nullptr && result->opponentId == game_->awayTeam->id) meetings.push_back(result);
        }
    lastResults_->model->SetObjects(meetings);
    lastResults_->setVisible(!meetings.empty());
    textLastResult_->setVisible(!meetings.empty());
    textReferee_->setText(game_ != nullptr && game_->referee != nullptr ? ToQString(game_->referee->Name())
                                                                        : QString());
    QString opponentLine;
    if (opponent_ != nullptr) {
        opponentLine = ToQString(opponent_->Name());
        if (opponentDivision_ != nullptr) opponentLine += " - " + ToQString(opponentDivision_->name);
    }
    textOpponent_->setText(opponentLine);
    const bool cupTie = game_ != nullptr && game_->kind == gkCup;
    std::vector<TKolObject*> table;
    if (TDivision* division = world_.DivisionOfTeam(club_);
        division != nullptr && !cupTie && world_.DivisionIndexOfTeam(club_) < 4)
        for (TTeam* team : division->teams)
            if (team != nullptr) table.push_back(team);
    classification_->model->SetObjects(table);
    classification_->setVisible(!cupTie);
    textMoney2_->setText(Text(kCashText) + " " + Money(world_, club_.balance()));
    acquisitions_->setEnabled(club_.purchasesThisSeason > 0);
    observed_->setEnabled(club_.coach != nullptr && !club_.coach->observedPlayers.empty());
}

void TprepareGameDlg::RefreshHeader() {
    textSeason_->setText(ToQString(Format(GetText(kSeasonText), {world_.SeasonYear, world_.CurrentRound})));
    labelTeamName_->setText(ToQString(club_.Name()));
    const TDivision* division = world_.DivisionOfTeam(club_);
    textMyDivision_->setText(division != nullptr ? ToQString(division->name) : QString());
    textCoachName_->setText(club_.coach != nullptr ? Text(kCoachText) + ": " + ToQString(club_.coach->Name())
                                                   : QString());
    const QPixmap flag = LoadFlag(GameSettings().directory, club_.Country());
    bitmapTeamCountry_->setVisible(!flag.isNull());
    if (!flag.isNull()) bitmapTeamCountry_->setPixmap(flag.scaledToHeight(40, Qt::SmoothTransformation));

    const long double support = club_.supportFactor();
    gaugeCoachPerformance_->SetValue(static_cast<int>(nearest(support * 10)), kPerformanceMaximum,
                                     club_.SatisfactionColour());
    gaugeMoral_->SetValue(static_cast<int>(nearest(club_.Morale() * 10)), kMoraleMaximum,
                          club_.MoraleColour());
    const int covered = WagesCovered(club_);
    gaugeFinances_->SetValue(covered, kFinancesMaximum, WagesCoveredColour(covered), Text(kWagesCoveredText));
    // The three bars start at one left edge: 30 pixels right of the widest caption.
    int width = 0;
    for (TClubGauge* gauge : {gaugeCoachPerformance_, gaugeMoral_, gaugeFinances_})
        width = std::max(width, gauge->LabelWidthNeeded());
    for (TClubGauge* gauge : {gaugeCoachPerformance_, gaugeMoral_, gaugeFinances_})
        gauge->SetLabelWidth(width + 30);
}

void TprepareGameDlg::RefreshPlayerPage() {
    const TPlayer* p = selectedPlayer_;
    playerName_->setText(p ? ToQString(p->PlainName()) + "  (" +
                                 ToQString(TPlayer::PositionLongName(p->position())) + ")"
                           : QString());
    const QPixmap flag = p ? LoadFlag(GameSettings().directory, p->nationality()) : QPixmap();
    playerFlag_->setVisible(!flag.isNull());
    if (!flag.isNull()) playerFlag_->setPixmap(flag.scaledToHeight(24, Qt::SmoothTransformation));
    playerCountry_->setText(p ? ToQString(p->nationality()) : QString());
    playerForeign_->setVisible(p != nullptr && p->foreignStatus == 2);
    QStringList absence;
    if (p && p->injuredGames > 0) absence << ToQString(p->GetInfoText(1, {}));
    if (p && p->suspendedGames > 0) absence << ToQString(p->GetInfoText(2, {}));
    playerAbsence_->setText(absence.join("\n"));
    playerAbsence_->setStyleSheet("color: #c00000; font-weight: bold;");
    playerSalary_->setText(p ? Money(world_, p->salary()) : QString());
    playerBehaviour_->setText(p ? ToQString(TPlayer::BehaviourName(p->behaviour())) : QString());
    playerGoals_->setText(p ? QString::number(p->season.runningGoals) : QString());
    playerYellows_->setText(p ? QString::number(p->career.yellowCards) : QString());
    playerCareer_->setText(p ? QString("%1: %2    %3: %4    %5: %6    %7: %8")
                                   .arg(Text(kGamesText))
                                   .arg(p->career.appearances)
                                   .arg(Text(kGoalsText))
                                   .arg(p->career.goals)
                                   .arg(Text(kRedCardsText))
                                   .arg(p->career.redCards)
                                   .arg(Text(kInjuriesText))
                                   .arg(p->career.injuriesCount)
                             : QString());
}

void TprepareGameDlg::RefreshFinancesPage() {
    textTicketPrice_->setText(
        game_ != nullptr ? ToQString(TicketPriceText(game_->ticketPrice, world_.CurrencyRecord)) : QString());
    textLoanInterest_->setText(Money(world_, Interest(club_.loan)));
    textWages_->setText(Money(world_, club_.WageBill()));
    textCash_->setText(Money(world_, club_.balance()));
    *balances_ = TThreeBalances::OfClub(club_, false);
    listBoxBalance_->clear();
    for (int row = 0; row < TThreeBalances::kRows; ++row) {
        auto* item = new QListWidgetItem(listBoxBalance_);
        const std::string text = balances_->GetListTextEx(0, row);
        item->setData(kRowTextRole, QByteArray(text.data(), static_cast<qsizetype>(text.size())));
    }
}

void TprepareGameDlg::RefreshOpponentPage() {
    if (opponent_ == nullptr) return;
    opponentName_->setText(textOpponent_->text().isEmpty() ? ToQString(opponent_->Name())
                                                           : textOpponent_->text());
    opponentCoach_->setText(opponent_->coach != nullptr ? ToQString(opponent_->coach->Name()) : QString());
    gaugeOpponentMoral_->SetValue(static_cast<int>(nearest(opponent_->Morale() * 10)), kMoraleMaximum,
                                  opponent_->MoraleColour());
}

void TprepareGameDlg::RefreshCupPage() {
    cupOpponent_ = nullptr;
    if (game_ != nullptr && game_->kind == gkCup) {
        cupOpponent_ = opponent_;
    } else if (!club_.season.cupEliminated && club_.cupSlot != kNoCupSlot) {
        // The drawn pairs play in the order of their cup slots: the first two, the next two, and so on.
        std::vector<TTeam*> drawn;
        for (TTeam* team : world_.CupTeams)
            if (team != nullptr && team->cupSlot != kNoCupSlot) drawn.push_back(team);
        std::stable_sort(drawn.begin(), drawn.end(),
                         [](const TTeam* a, const TTeam* b) { return a->cupSlot < b->cupSlot; });
        const auto it = std::find(drawn.begin(), drawn.end(), &club_);
        if (it != drawn.end()) {
            const std::size_t i = static_cast<std::size_t>(it - drawn.begin()) ^ 1u;
            if (i < drawn.size()) cupOpponent_ = drawn[i];
        }
    }
    textCupOpponent_->setText(cupOpponent_ != nullptr ? ToQString(cupOpponent_->Name()) : QString());
    textCupOpponent_->setEnabled(cupOpponent_ != nullptr);
    cupState_->setText(club_.season.cupEliminated ? Text(kOutOfCupText) : QString());
}

void TprepareGameDlg::ShowMessage(const QString& text) {
    textMessage_->setText(text);
    ShowPage(pgMessage);
}

void TprepareGameDlg::ShowPage(int page) {
    notebook_->setCurrentIndex(page);
}

int TprepareGameDlg::Page() const {
    return notebook_->currentIndex();
}

// ---- Picking the team ----

void TprepareGameDlg::SelectPlayers(int goalkeepers, int defenders, int midfielders, int forwards,
                                    bool withBench, bool clearFirst) {
    ::SelectPlayers(club_, goalkeepers, defenders, midfielders, forwards, withBench, clearFirst);
    squad_->Refresh();
    ShowPage(pgSelection);
}

void TprepareGameDlg::ShowSelectionCheck(const TSelectionCheck& check) {
    okBtn_->setEnabled(check.Valid());
    selectionMessage_->setText(ToQString(check.Message()));
    squad_->Refresh();
}

void TprepareGameDlg::CheckSelection() {
    ShowSelectionCheck(::CheckSelection(club_));
}

void TprepareGameDlg::MenuSelectClick(int formationCode) {
    const TFormation* formation = FormationByCode(formationCode);
    if (formation == nullptr) return;
    ShowSelectionCheck(SelectFormation(club_, *formation));
    ShowPage(pgSelection);
}

void TprepareGameDlg::Automtico1Click() {
    if (opponent_ == nullptr) return;
    ShowSelectionCheck(AutomaticSelection(club_, *opponent_, playsAway_ == 0));
    ShowPage(pgSelection);
}

void TprepareGameDlg::Melhores1Click() {
    for (TPlayer* player : club_.players)
        if (player != nullptr) player->matchState.lineupRole = 0;
    SelectPlayers(1, 10, 10, 10, true, true);
    CheckSelection();
}

// ---- Closing ----

void TprepareGameDlg::Execute() {
    world_.QuitRequested = true;
    exec();
}

void TprepareGameDlg::OKBtnClick() {
    if (!okBtn_->isEnabled()) return;
    world_.QuitRequested = false;
    accept();
}

void TprepareGameDlg::Sairsemgravar1Click() {
    world_.QuitRequested = true;
    reject();
}

bool TprepareGameDlg::saveBtnClick() {
    if (!SaveAtClubScreen(world_, club_)) return false;
    ShowMessage(Text(kSavedText));
    return true;
}

void TprepareGameDlg::stopBtnClick() {
    // A stop whose save failed stays at the screen: leaving would lose the career since the last save
    // (the failure has been shown). "Quit without saving" is the way out without a file.
    if (!saveBtnClick()) return;
    world_.QuitRequested = true;
    reject();
}

void TprepareGameDlg::keyPressEvent(QKeyEvent* event) {
    // Escape would close the screen, and closing it ends the career: only the menu command does that.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    // Enter plays from every page (the play button sits on the selection page), when the selection is valid.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        event->modifiers() == Qt::NoModifier) {
        OKBtnClick();
        event->accept();
        return;
    }
    TKolForm::keyPressEvent(event);
}

void TprepareGameDlg::closeEvent(QCloseEvent* event) {
    // The window's close command is "quit without saving".
    world_.QuitRequested = true;
    event->accept();
    TKolForm::closeEvent(event);
}

// ---- Players ----

void TprepareGameDlg::SelectPlayer(TPlayer* player) {
    selectedPlayer_ = player;
    if (Page() == pgSell) {
        Vender1Click();
        return;
    }
    RefreshPlayerPage();
    ShowPage(pgPlayer);
}

void TprepareGameDlg::LineupClick(TPlayer* player) {
    if (!CycleLineupRole(*player)) {
        SelectPlayer(player);
        return;
    }
    ShowPage(pgSelection);
    squad_->ClearSelection();
    CheckSelection();
}

void TprepareGameDlg::Vender1Click() {
    if (selectedPlayer_ == nullptr) return;
    const int reason = club_.CanSell(*selectedPlayer_);
    if (reason != csMaySell && reason != csOfferedThisMatchday) {
        ShowMessage(ToQString(SaleRefusalText(reason)));
        return;
    }
    sellPlayerName_->setText(ToQString(selectedPlayer_->PlainName()));
    const int thousands = selectedPlayer_->askingPrice / 1000;
    priceEdit_->setValue(thousands);
    priceEdit_->setSingleStep(PriceStep(thousands));
    const int mode = selectedPlayer_->saleMode <= 2 ? selectedPlayer_->saleMode : 0;
    howToSell_[mode]->setChecked(true);
    marketValue_->setText(Money(world_, selectedPlayer_->MarketValue(club_.priceFactor)));
    ShowPage(pgSell);
}

void TprepareGameDlg::sellBtnClick() {
    if (selectedPlayer_ == nullptr) return;
    int mode = 0;
    for (int m = 0; m < 3; ++m)
        if (howToSell_[m]->isChecked()) mode = m;
    const int reason = HumanSell(club_, *selectedPlayer_, priceEdit_->value(), mode);
    if (reason != csMaySell) {
        ShowMessage(ToQString(SaleRefusalText(reason)));
        return;
    }
    RefreshAll();
    CheckSelection();
    ShowPage(pgPlayer);
}

void TprepareGameDlg::cancelSellBtnClick() {
    ShowPage(pgPlayer);
}

void TprepareGameDlg::ChangeSalaryBtnClick() {
    if (selectedPlayer_ == nullptr) return;
    contractPlayerName_->setText(ToQString(selectedPlayer_->PlainName()) + "  " +
                                 Money(world_, selectedPlayer_->salary()));
    newSalaryEdit_->setValue(selectedPlayer_->salary());
    newSalaryEdit_->setSingleStep(std::max(1, 50 * world_.MoneyMultiplier()));
    ShowPage(pgContract);
}

void TprepareGameDlg::newSalaryBtnClick() {
    if (selectedPlayer_ == nullptr) return;
    RenewContract(club_, *selectedPlayer_, newSalaryEdit_->value());
    RefreshAll();
    CheckSelection();
    ShowPage(pgPlayer);
}

void TprepareGameDlg::ShowCardsBtnClick() {
    const bool show = !squad_->ShowCards();
    if (club_.coach != nullptr) club_.coach->showCards = show ? 1 : 0;
    squad_->SetShowCards(show);
    showCardsBtn_->setChecked(show);
    squad_->Select(selectedPlayer_);
}

// ---- Doors ----

bool TprepareGameDlg::eventFilter(QObject* watched, QEvent* event) {
    if (watched == textOpponent_ && event->type() == QEvent::MouseButtonRelease) ShowSquadOf(opponent_);
    return TKolForm::eventFilter(watched, event);
}

void RunClubScreen(TWorld& world, TTeam& club, QWidget* parent) {
    TprepareGameDlg dlg(world, club, parent);
    dlg.Execute();
}
