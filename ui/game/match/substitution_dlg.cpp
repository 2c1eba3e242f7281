#include "ui/game/match/substitution_dlg.h"

#include "ui/common/object_list_view.h"
#include "ui/common/qt_text.h"
#include "ui/game/club/referee_aid_dlg.h"
#include "ui/game/match/match_player_list.h"

#include "foundation/texts.h"
#include "match/event_lines.h"
#include "match/substitutions.h"
#include "world/game.h"
#include "world/records.h"
#include "world/team.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace {
constexpr int kCaptionText = 73, kOnPitchText = 140, kOnBenchText = 141, kSubstituteText = 142;
constexpr int kOpponentText = 134, kRefereeText = 92, kBackText = 96;
constexpr int kRedCardsText = 203, kInjuriesText = 204;

void SetClubColours(QWidget* widget, const TTeam& club) {
    QPalette pal = widget->palette();
    pal.setColor(QPalette::Window, ToQColor(club.BackColor()));
    pal.setColor(QPalette::WindowText, ToQColor(club.TextColor()));
    widget->setPalette(pal);
    widget->setAutoFillBackground(true);
}

} // namespace

TsubstitutionDlg::TsubstitutionDlg(TGame& game, int side, QWidget* parent)
    : TKolForm(kCaptionText, parent), game_(game), club_(side == 0 ? *game.homeTeam : *game.awayTeam),
      opponent_(side == 0 ? *game.awayTeam : *game.homeTeam) {
    setObjectName("TsubstitutionDlg");
    const TPlayer& prototype = *club_.players[0];

    labelCaption_ = new QLabel(this);
    labelCaption_->setObjectName("labelCaption");
    SetTextTag(labelCaption_, kCaptionText);
    SetHeadingFont(labelCaption_);

    groupBoxSubstitution_ = new QGroupBox(this);
    groupBoxSubstitution_->setObjectName("groupBoxSubstitution");
    auto* label1 = TaggedLabel(groupBoxSubstitution_, kOnPitchText);
    label1->setObjectName("Label1");
    auto* label2 = TaggedLabel(groupBoxSubstitution_, kOnBenchText);
    label2->setObjectName("Label2");
    listBoxOfSelectedPlayers_ = NewMatchPlayerList(prototype, groupBoxSubstitution_);
    listBoxOfSelectedPlayers_->setObjectName("ListBoxOfSelectedPlayers");
    listBoxOfSubstitutePlayers_ = NewMatchPlayerList(prototype, groupBoxSubstitution_);
    listBoxOfSubstitutePlayers_->setObjectName("listBoxOfSubstitutePlayers");
    substituteBtn_ = new QPushButton(groupBoxSubstitution_);
    substituteBtn_->setObjectName("substituteBtn");
    SetTextTag(substituteBtn_, kSubstituteText);
    auto* own = new QVBoxLayout(groupBoxSubstitution_);
    own->addWidget(label1);
    own->addWidget(listBoxOfSelectedPlayers_, 11);
    own->addWidget(label2);
    own->addWidget(listBoxOfSubstitutePlayers_, 7);
    own->addWidget(substituteBtn_, 0, Qt::AlignRight);

    groupBox2_ = new QGroupBox(this);
    groupBox2_->setObjectName("GroupBox2");
    SetTextTag(groupBox2_, kOpponentText);
    listBoxOpponentPlayers_ = NewMatchPlayerList(prototype, groupBox2_);
    listBoxOpponentPlayers_->setObjectName("listBoxOpponentPlayers");
    listBoxOpponentPlayers_->view->setSelectionMode(QAbstractItemView::NoSelection);
    MarkBookedPlayers(*listBoxOpponentPlayers_);
    auto* opp = new QVBoxLayout(groupBox2_);
    opp->addWidget(listBoxOpponentPlayers_);

    groupBox1_ = new QGroupBox(this);
    groupBox1_->setObjectName("GroupBox1");
    SetTextTag(groupBox1_, kRefereeText);
    textReferee_ = new QPushButton(groupBox1_);
    textReferee_->setObjectName("textReferee");
    textReferee_->setFlat(true);
    connect(textReferee_, &QPushButton::clicked, this,
            [this] { ShowRefereeAid(game_.World(), game_, this); });
    auto* ref = new QVBoxLayout(groupBox1_);
    ref->setContentsMargins(6, 2, 6, 2);
    ref->addWidget(textReferee_);

    listBoxOfEvents_ = new QListWidget(this);
    listBoxOfEvents_->setObjectName("ListBoxOfEvents");
    listBoxOfEvents_->setSelectionMode(QAbstractItemView::NoSelection);
    listBoxOfEvents_->setMinimumHeight(listBoxOfEvents_->fontMetrics().height() * 4);
    checkViewRedCards_ = new QCheckBox(this);
    checkViewRedCards_->setObjectName("checkViewRedCards");
    SetTextTag(checkViewRedCards_, kRedCardsText);
    checkViewInjuries_ = new QCheckBox(this);
    checkViewInjuries_->setObjectName("checkViewInjuries");
    SetTextTag(checkViewInjuries_, kInjuriesText);
    for (QCheckBox* box : {checkViewRedCards_, checkViewInjuries_}) {
        box->setChecked(true);
        connect(box, &QCheckBox::toggled, this, &TsubstitutionDlg::FillEvents);
    }

    backBtn_ = new QPushButton(this);
    backBtn_->setObjectName("backBtn");
    SetTextTag(backBtn_, kBackText);
    backBtn_->setDefault(true);
    connect(backBtn_, &QPushButton::clicked, this, &QDialog::accept);
    connect(substituteBtn_, &QPushButton::clicked, this, &TsubstitutionDlg::substituteBtnClick);

    auto* right = new QVBoxLayout;
    right->addWidget(groupBox2_, 3);
    right->addWidget(groupBox1_);
    auto* filters = new QHBoxLayout;
    filters->addWidget(checkViewRedCards_);
    filters->addWidget(checkViewInjuries_);
    filters->addStretch();
    right->addLayout(filters);
    right->addWidget(listBoxOfEvents_, 1);
    auto* columns = new QHBoxLayout;
    columns->addWidget(groupBoxSubstitution_, 1);
    columns->addLayout(right, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(backBtn_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(labelCaption_);
    layout->addLayout(columns, 1);
    layout->addLayout(buttons);

    ApplyTexts();
    PrepareDialog();
    for (TObjectListView* list : {listBoxOfSelectedPlayers_, listBoxOfSubstitutePlayers_})
        connect(list->view->selectionModel(), &QItemSelectionModel::selectionChanged, this,
                &TsubstitutionDlg::Update);
}

void TsubstitutionDlg::PrepareDialog() {
    if (const QScreen* screen = this->screen()) {
        const QRect area = screen->availableGeometry();
        resize(std::min(area.width(), 1100), std::min(area.height(), 760));
    }
    const TTeam& home = *game_.homeTeam;
    const TTeam& away = *game_.awayTeam;
    labelCaption_->setText(
        ToQString(home.Name()) +
        QStringLiteral("  %1 - %2  ").arg(home.match.matchGoals).arg(away.match.matchGoals) +
        ToQString(away.Name()));
    groupBoxSubstitution_->setTitle(ToQString(club_.Name()));
    SetClubColours(groupBoxSubstitution_, club_);
    groupBox2_->setTitle(ToQString(GetText(kOpponentText)) + QStringLiteral(": ") +
                         ToQString(opponent_.Name()));
    SetClubColours(groupBox2_, opponent_);
    textReferee_->setText(game_.referee != nullptr ? ToQString(game_.referee->Name()) : QString());
    textReferee_->setEnabled(game_.referee != nullptr);
    ShowPlayers(*listBoxOfSelectedPlayers_, PlayersInRole(club_, 1));
    ShowPlayers(*listBoxOfSubstitutePlayers_, PlayersInRole(club_, 2));
    ShowPlayers(*listBoxOpponentPlayers_, PlayersInRole(opponent_, 1));
    FillEvents();
    Update();
}

void TsubstitutionDlg::FillEvents() {
    listBoxOfEvents_->clear();
    const TEventLineFilter filter{.redCards = checkViewRedCards_->isChecked(),
                                  .injuries = checkViewInjuries_->isChecked()};
    for (const std::string& line : EventLines(game_, filter)) listBoxOfEvents_->addItem(ToQString(line));
}

void TsubstitutionDlg::Update() {
    const bool canSubstitute = club_.HasHumanCoach() && CanStillSubstitute(club_);
    substituteBtn_->setVisible(canSubstitute);
    listBoxOfSelectedPlayers_->setEnabled(canSubstitute);
    listBoxOfSubstitutePlayers_->setEnabled(canSubstitute);
    const TPlayer* outgoing = CurrentPlayer(*listBoxOfSelectedPlayers_);
    const TPlayer* incoming = CurrentPlayer(*listBoxOfSubstitutePlayers_);
    substituteBtn_->setEnabled(canSubstitute && outgoing != nullptr && incoming != nullptr &&
                               MaySubstitute(club_, *outgoing, *incoming));
}

void TsubstitutionDlg::substituteBtnClick() {
    TPlayer* outgoing = CurrentPlayer(*listBoxOfSelectedPlayers_);
    TPlayer* incoming = CurrentPlayer(*listBoxOfSubstitutePlayers_);
    if (outgoing == nullptr || incoming == nullptr) return;
    Substitute(club_, *outgoing, *incoming);
    PrepareDialog();
}
