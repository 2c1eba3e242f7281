#include "ui/game/club/plantel_dlg.h"
#include "ui/game/market/player_heading.h"

#include "ui/common/object_list_view.h"
#include "ui/common/print_list_dlg.h"
#include "ui/common/qt_text.h"
#include "ui/game/market/check_player_dlg.h"
#include "ui/game/market/game_folder.h"
#include "ui/game/market/observed_players_dlg.h"
#include "ui/game/market/player_column_order.h"
#include "ui/game/money/balance_dlg.h"
#include "ui/game/money/loan_dlg.h"

#include "club/market.h"
#include "datafiles/countries.h"
#include "datafiles/country.h"
#include "foundation/format_text.h"
#include "foundation/kol_random.h"
#include "foundation/texts.h"
#include "world/calendar.h"
#include "world/coach.h"
#include "world/division.h"
#include "world/player.h"
#include "world/selection.h"
#include "world/team.h"
#include "world/world.h"
#include "world/world_texts.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <cmath>

namespace {
constexpr int kOkText = 96;
constexpr int kSpyText = 131;
constexpr int kObservedText = 132;
constexpr int kSearchText = 127;
constexpr int kAcquisitionsText = 128;
constexpr int kObservedListText = 129;
constexpr int kMoralText = 205;
constexpr int kCoachPerformanceText = 206;
constexpr int kBuyText = 425;
constexpr int kFlagRoom = 26; // a flag of 22 x 15 pixels and its gap, in front of the nationality code
constexpr int kLoanText = 448;
constexpr int kBalanceText = 414;
constexpr int kCalendarText = 336;
constexpr int kCalendarCaption = 345;
constexpr int kAcquisitionsCaption = 351;

// Position, name, nationality, level, age; the sale state too when a computer club is seen by a coach who
// may buy.
constexpr int kSquadMask = 0x200047;
constexpr int kSquadMaskWithSale = 0x204047;

QColor GaugeColour(TColor rowColour) {
    // The gauges use the pure colours, brighter than the list rows' green.
    if (rowColour == 0x0000FF) return QColor(255, 0, 0);
    if (rowColour == 0x00FFFF) return QColor(255, 255, 0);
    return QColor(0, 255, 0);
}

void SetGauge(QProgressBar* gauge, int value, TColor colour) {
    gauge->setMaximum(std::max(gauge->maximum(), value));
    gauge->setValue(std::max(0, value));
    // The number on the bar is the bar's value (ten times the measure), as on the club screen.
    gauge->setFormat("%v");
    const QColor c = GaugeColour(colour);
    gauge->setStyleSheet(
        QString("QProgressBar { border: 1px solid #555; border-radius: 3px; background: #ddd;"
                " color: black; font-weight: bold; text-align: center; }"
                "QProgressBar::chunk { background: %1; }")
            .arg(c.name()));
}

std::string CountryName(const std::string& code) {
    const TCountry* country = FindCountry(kFindByCode, code);
    return country ? country->Name() : code;
}

} // namespace

TPlantelDlg::TPlantelDlg(TWorld& world, TTeam& club, TTeam* viewerClub, TPlayer* preselect, QWidget* parent)
    : TKolForm(0, parent), world_(world), club_(&club), viewer_(viewerClub) {
    setObjectName("TPlantelDlg");

    comboCurrentTeam_ = new QComboBox(this);
    comboCurrentTeam_->setObjectName("ComboCurrentTeam");
    comboCurrentTeam_->setMinimumContentsLength(28);

    auto* listBox = new QWidget(this);
    listHolder_ = new QVBoxLayout(listBox);
    listHolder_->setContentsMargins(0, 0, 0, 0);

    auto* labelMoral = TaggedLabel(this, kMoralText);
    gaugeMoral_ = new QProgressBar(this);
    gaugeMoral_->setObjectName("gaugeMoral");
    gaugeMoral_->setRange(0, 60);
    auto* labelCoach = TaggedLabel(this, kCoachPerformanceText);
    gaugeCoachPerformance_ = new QProgressBar(this);
    gaugeCoachPerformance_->setObjectName("gaugeCoachPerformance");
    gaugeCoachPerformance_->setRange(0, 20);

    details_ = new QLabel(this);
    details_->setObjectName("details");
    details_->setTextFormat(Qt::PlainText);
    details_->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    details_->setMinimumWidth(260);
    details_->setWordWrap(true);

    speedButtonObserved_ = new QToolButton(this);
    speedButtonObserved_->setObjectName("SpeedButtonObserved");
    SetTextTag(speedButtonObserved_, kObservedText);
    speedButtonObserved_->setCheckable(true);
    speedButtonObserved_->setToolButtonStyle(Qt::ToolButtonTextOnly);
    speedButtonObserved_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    connect(speedButtonObserved_, &QToolButton::clicked, this, &TPlantelDlg::SpeedButtonObservedClick);

    buyBtn_ = new QPushButton(this);
    buyBtn_->setObjectName("buyBtn");
    SetTextTag(buyBtn_, kBuyText);
    connect(buyBtn_, &QPushButton::clicked, this, &TPlantelDlg::buyBtnClick);
    textDesiredSalary_ = new QLabel(this);
    textDesiredSalary_->setObjectName("textDesiredSalary");
    textBuyStatus_ = new QLabel(this);
    textBuyStatus_->setObjectName("textBuyStatus");
    textBuyStatus_->setWordWrap(true);
    textBuyStatus_->setStyleSheet("color: #a00000;");

    spyBtn_ = new QPushButton(this);
    spyBtn_->setObjectName("spyBtn");
    SetTextTag(spyBtn_, kSpyText);
    spyMenu_ = new QMenu(this);
    spyMenu_->setObjectName("spyMenu");
    procurarjogador1_ = spyMenu_->addAction(QString());
    procurarjogador1_->setObjectName("Procurarjogador1");
    SetTextTag(procurarjogador1_, kSearchText);
    procurarjogador1_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
    aquisies1_ = spyMenu_->addAction(QString());
    aquisies1_->setObjectName("Aquisies1");
    SetTextTag(aquisies1_, kAcquisitionsText);
    observados1_ = spyMenu_->addAction(QString());
    observados1_->setObjectName("Observados1");
    SetTextTag(observados1_, kObservedListText);
    connect(procurarjogador1_, &QAction::triggered, this, &TPlantelDlg::Procurarjogador1Click);
    connect(aquisies1_, &QAction::triggered, this, &TPlantelDlg::Aquisies1Click);
    connect(observados1_, &QAction::triggered, this, &TPlantelDlg::Observados1Click);
    // The menu opens below the button; its items also answer their shortcuts while the view is open.
    spyBtn_->setMenu(spyMenu_);
    addAction(procurarjogador1_);
    connect(spyMenu_, &QMenu::aboutToShow, this, [this] {
        aquisies1_->setEnabled(viewer_ && viewer_->purchasesThisSeason > 0);
        observados1_->setEnabled(viewer_ && viewer_->coach && !viewer_->coach->observedPlayers.empty());
    });

    calendarBtn_ = new QPushButton(this);
    calendarBtn_->setObjectName("calendarBtn");
    SetTextTag(calendarBtn_, kCalendarText);
    connect(calendarBtn_, &QPushButton::clicked, this, &TPlantelDlg::calendarBtnClick);
    loanBtn_ = new QPushButton(this);
    loanBtn_->setObjectName("loanBtn");
    SetTextTag(loanBtn_, kLoanText);
    connect(loanBtn_, &QPushButton::clicked, this, &TPlantelDlg::loanBtnClick);
    balanceBtn_ = new QPushButton(this);
    balanceBtn_->setObjectName("balanceBtn");
    SetTextTag(balanceBtn_, kBalanceText);
    connect(balanceBtn_, &QPushButton::clicked, this, &TPlantelDlg::balanceBtnClick);
    okBtn_ = new QPushButton(this);
    okBtn_->setObjectName("OKBtn");
    SetTextTag(okBtn_, kOkText);
    okBtn_->setDefault(true);
    connect(okBtn_, &QPushButton::clicked, this, &QDialog::accept);

    // Layout: the club combo above, the list on the left, gauges, details and the market on the right,
    // the other doors and the close button below.
    auto* side = new QVBoxLayout;
    auto* gauges = new QGridLayout;
    gauges->addWidget(labelMoral, 0, 0);
    gauges->addWidget(gaugeMoral_, 0, 1);
    gauges->addWidget(labelCoach, 1, 0);
    gauges->addWidget(gaugeCoachPerformance_, 1, 1);
    side->addLayout(gauges);
    auto* detailBox = new QGroupBox(this);
    auto* detailLayout = new QVBoxLayout(detailBox);
    detailLayout->addWidget(details_, 1);
    detailLayout->addWidget(speedButtonObserved_);
    side->addWidget(detailBox, 1);
    side->addWidget(buyBtn_);
    side->addWidget(textDesiredSalary_);
    side->addWidget(textBuyStatus_);
    side->addStretch();

    auto* middle = new QHBoxLayout;
    middle->addWidget(listBox, 3);
    middle->addLayout(side, 1);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(spyBtn_);
    bottom->addWidget(calendarBtn_);
    bottom->addWidget(loanBtn_);
    bottom->addWidget(balanceBtn_);
    bottom->addStretch();
    bottom->addWidget(okBtn_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(comboCurrentTeam_);
    layout->addLayout(middle, 1);
    layout->addLayout(bottom);

    ApplyTexts();

    spyBtn_->setEnabled(viewer_ != nullptr);
    world_.AllTeams.Pack();
    for (TTeam* team : world_.AllTeams) {
        const TDivision* division = world_.DivisionOfTeam(*team);
        comboCurrentTeam_->addItem(
            ToQString(team->ShortName() + " (" + (division ? division->name : "") + ")"));
    }
    connect(comboCurrentTeam_, &QComboBox::currentIndexChanged, this, &TPlantelDlg::ComboCurrentTeamChange);
    ShowClub(club, preselect);
    resize(1100, 680);
}

void TPlantelDlg::ShowClub(TTeam& club, TPlayer* player) {
    club_ = &club;
    {
        const QSignalBlocker block(comboCurrentTeam_);
        comboCurrentTeam_->setCurrentIndex(world_.AllTeams.IndexOf(&club));
    }
    Refresh();
    if (player) SelectPlayer(player);
}

void TPlantelDlg::ComboCurrentTeamChange(int index) {
    // The entry's text up to " (" is a short name: the first club with it is shown.
    const std::string shortName = FromQString(comboCurrentTeam_->itemText(index).section(" (", 0, 0));
    for (TTeam* team : world_.AllTeams)
        if (team->ShortName() == shortName) {
            club_ = team;
            break;
        }
    Refresh();
}

void TPlantelDlg::RebuildList() {
    const int mask = club_->HasHumanCoach() || viewer_ == nullptr ? kSquadMask : kSquadMaskWithSale;
    if (listBoxOfPlayers_ && mask == mask_) return;
    mask_ = mask;
    delete listBoxOfPlayers_;
    world_.AllPlayers.Pack();
    listBoxOfPlayers_ = new TObjectListView(*world_.AllPlayers[0], mask_, mask_, this);
    listBoxOfPlayers_->setObjectName("ListBoxOfPlayers");
    listBoxOfPlayers_->view->setObjectName("ListBoxOfPlayersView");
    listBoxOfPlayers_->model->toolTip = [](const TKolObject* object) {
        const auto* p = static_cast<const TPlayer*>(object);
        return ToQString(TPlayer::PositionLongName(p->position()) + " - " +
                         TPlayer::BehaviourName(p->behaviour()));
    };
    // The flag of each player's country in front of his nationality code, in room of its own: the code
    // keeps its whole column.
    for (int section = 0; section < listBoxOfPlayers_->headerModel->columnCount(); ++section)
        if (listBoxOfPlayers_->Caption(section) == GetText(kTxtColNationality)) {
            listBoxOfPlayers_->delegate->ShowFlags(
                GameFolderOfProgram(), listBoxOfPlayers_->ColumnLeft(section),
                [](const TKolObject* o) { return static_cast<const TPlayer*>(o)->nationality(); }, kFlagRoom);
            listBoxOfPlayers_->WidenColumn(section, kFlagRoom);
        }
    listHolder_->addWidget(listBoxOfPlayers_);
    connect(listBoxOfPlayers_->view->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this] { ListBoxOfPlayersClick(); });
    connect(listBoxOfPlayers_->header, &QHeaderView::sectionClicked, this,
            [this](int section) { SortPlayerRows(*listBoxOfPlayers_, rows_, section); });
}

void TPlantelDlg::Refresh() {
    club_->averageLevel = static_cast<std::int16_t>(club_->AverageLevel());
    SetGauge(gaugeMoral_, static_cast<int>(std::nearbyint(club_->Morale() * 10)), club_->MoraleColour());
    SetGauge(gaugeCoachPerformance_, static_cast<int>(std::nearbyint(club_->supportFactor() * 10)),
             club_->SatisfactionColour());
    gaugeCoachPerformance_->setToolTip(ToQString(GetHintText(kCoachPerformanceText)));
    setWindowTitle(ToQString(club_->Name() + " (" + CountryName(club_->Country()) + ")"));
    comboCurrentTeam_->setStyleSheet(
        QString("QComboBox { color: %1; background: %2; font-weight: bold; }")
            .arg(ToQColor(club_->TextColor()).name(), ToQColor(club_->BackColor()).name()));

    SortSquadForDisplay(*club_);
    club_->players.Pack();
    RebuildList();
    rows_.assign(club_->players.begin(), club_->players.end());
    listBoxOfPlayers_->model->SetObjects(std::vector<TKolObject*>(rows_.begin(), rows_.end()));

    const bool buyVisible = viewer_ != nullptr && !club_->HasHumanCoach();
    buyBtn_->setVisible(buyVisible);
    loanBtn_->setEnabled(buyVisible);
    speedButtonObserved_->setChecked(false);
    speedButtonObserved_->setEnabled(false);
    selected_ = nullptr;
    price_ = 0;
    UpdateDetails();
    UpdateBuyButton();
}

void TPlantelDlg::SelectPlayer(TPlayer* player) {
    listBoxOfPlayers_->Select(player);
    ListBoxOfPlayersClick();
}

void TPlantelDlg::ListBoxOfPlayersClick() {
    selected_ = static_cast<TPlayer*>(listBoxOfPlayers_->Current());
    const TCoach* coach = viewer_ ? viewer_->coach : nullptr;
    speedButtonObserved_->setEnabled(selected_ && coach);
    speedButtonObserved_->setChecked(selected_ && coach && coach->IsObserved(*selected_));
    UpdateDetails();
    UpdateBuyButton();
}

void TPlantelDlg::UpdateDetails() {
    if (!selected_) {
        details_->clear();
        return;
    }
    const TPlayer& p = *selected_;
    QStringList lines;
    lines << ToQString(p.DisplayName()) << ToQString(TPlayer::PositionLongName(p.position()));
    for (const std::string& line : PlayerDetailLines(p, false)) lines << ToQString(line);
    details_->setText(lines.join('\n'));
}

void TPlantelDlg::UpdateBuyButton() {
    price_ = selected_ ? ListedPrice(*selected_) : 0;
    const int refusal = selected_ && viewer_ ? PurchaseRefusal(*viewer_, *selected_) : kBuyNotListed;
    const bool may = viewer_ && buyBtn_->isVisibleTo(this) && refusal == kMayBuy;
    buyBtn_->setEnabled(may);
    textDesiredSalary_->setVisible(may);
    if (may) textDesiredSalary_->setText(ToQString(BuyerSalaryText(*viewer_, *selected_)));
    // Why the selected player cannot be bought, where the coach looks for the button.
    const QString why = selected_ && viewer_ && !may ? ToQString(PurchaseRefusalText(refusal)) : QString();
    textBuyStatus_->setText(buyBtn_->isVisibleTo(this) ? why : QString());
    buyBtn_->setToolTip(why);
}

void TPlantelDlg::buyBtnClick() {
    if (!viewer_ || !selected_ || !HumanBuy(*viewer_, *selected_)) return;
    TPlayer* bought = selected_;
    Refresh();
    SelectPlayer(bought);
}

void TPlantelDlg::SpeedButtonObservedClick() {
    if (!viewer_ || !viewer_->coach || !selected_) return;
    TCoach& coach = *viewer_->coach;
    if (coach.IsObserved(*selected_)) {
        coach.RemoveObserved(*selected_);
        speedButtonObserved_->setChecked(false);
        return;
    }
    // At the 16th the observed list opens so that the coach removes some; a player picked there is shown.
    TPlayer* picked = coach.AddObserved(*selected_);
    speedButtonObserved_->setChecked(coach.IsObserved(*selected_));
    if (picked) GoToPlayer(picked);
}

void TPlantelDlg::GoToPlayer(TPlayer* player) {
    if (!player) return;
    TTeam* club = player->Club();
    if (club) ShowClub(*club, player);
}

void TPlantelDlg::Procurarjogador1Click() {
    if (!viewer_) return;
    GoToPlayer(PickPlayerBySearch(world_, *viewer_, this));
}

void TPlantelDlg::Aquisies1Click() {
    if (!viewer_) return;
    std::vector<TKolObject*> bought;
    for (TPlayer* p : world_.AllPlayers)
        if (p && p->soldToTeamId == viewer_->id) bought.push_back(p);
    ShowObjectList(bought, GetText(kAcquisitionsCaption), 0x200067, 0, 0, this);
}

void TPlantelDlg::Observados1Click() {
    if (!viewer_ || !viewer_->coach) return;
    GoToPlayer(PickObservedPlayer(*viewer_->coach, this));
}

void TPlantelDlg::calendarBtnClick() {
    if (!club_->calendar) return;
    club_->calendar->Pack();
    std::vector<TKolObject*> entries(club_->calendar->begin(), club_->calendar->end());
    ShowObjectList(entries, GetText(kCalendarCaption), 0, 0, 0, this);
}

void TPlantelDlg::loanBtnClick() {
    if (!viewer_) return;
    // A loan may make a listed player affordable.
    ShowLoanDialog(world_, *viewer_, this);
    UpdateBuyButton();
}

void TPlantelDlg::balanceBtnClick() {
    ShowBalanceDialog(world_, *club_, this);
}

void TPlantelDlg::done(int result) {
    club_->averageLevel = static_cast<std::int16_t>(club_->AverageLevel());
    TKolForm::done(result);
}

void ShowSquadView(TWorld& world, TTeam& club, TTeam* viewerClub, TPlayer* preselect, QWidget* parent) {
    TPlantelDlg dlg(world, club, viewerClub, preselect, parent);
    // Maximised before it is shown: a dialog already visible when exec() starts would not become modal.
    dlg.setWindowState(dlg.windowState() | Qt::WindowMaximized);
    dlg.exec();
}
