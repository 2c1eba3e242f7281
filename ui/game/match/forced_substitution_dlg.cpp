#include "ui/game/match/forced_substitution_dlg.h"

#include "ui/common/object_list_view.h"
#include "ui/common/qt_text.h"
#include "ui/game/match/match_player_list.h"

#include "foundation/format_text.h"
#include "foundation/texts.h"
#include "match/substitutions.h"
#include "world/player.h"
#include "world/team.h"

#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int kCaptionText = 216, kForcedText = 458, kInjuredText = 214, kChooseText = 215;
constexpr int kSubstituteText = 142, kBackText = 96;
} // namespace

TforcedSubstitutionDlg::TforcedSubstitutionDlg(TTeam& club, TPlayer& injured, QWidget* parent)
    : TKolForm(kCaptionText, parent), club_(club), injured_(injured) {
    setObjectName("TforcedSubstitutionDlg");
    labelCaption_ = TaggedLabel(this, kForcedText);
    labelCaption_->setObjectName("labelCaption");
    SetHeadingFont(labelCaption_);
    labelClub_ = new QLabel(this);
    labelClub_->setObjectName("labelClub");
    SetHeadingFont(labelClub_);
    labelClub_->setMargin(6);
    labelCoachName_ = new QLabel(this);
    labelCoachName_->setObjectName("labelCoachName");
    label1_ = new QLabel(this);
    label1_->setObjectName("Label1");
    label1_->setWordWrap(true);
    listBoxOfSubstitutePlayers_ = NewMatchPlayerList(injured, this);
    listBoxOfSubstitutePlayers_->setObjectName("ListBoxOfSubstitutePlayers");
    listBoxOfSubstitutePlayers_->setMinimumHeight(180);
    okBtn_ = new QPushButton(this);
    okBtn_->setObjectName("OKBtn");
    SetTextTag(okBtn_, kSubstituteText);
    okBtn_->setDefault(true);
    backBtn_ = new QPushButton(this);
    backBtn_->setObjectName("backBtn");
    SetTextTag(backBtn_, kBackText);
    connect(okBtn_, &QPushButton::clicked, this, &TforcedSubstitutionDlg::OKBtnClick);
    connect(backBtn_, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okBtn_);
    buttons->addWidget(backBtn_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(labelCaption_);
    layout->addWidget(labelClub_);
    layout->addWidget(labelCoachName_);
    layout->addWidget(label1_);
    layout->addWidget(listBoxOfSubstitutePlayers_, 1);
    layout->addLayout(buttons);
    setMinimumWidth(460);

    ApplyTexts();
    labelClub_->setText(ToQString(club_.Name()));
    QPalette pal = labelClub_->palette();
    pal.setColor(QPalette::Window, ToQColor(club_.BackColor()));
    pal.setColor(QPalette::WindowText, ToQColor(club_.TextColor()));
    labelClub_->setPalette(pal);
    labelClub_->setAutoFillBackground(true);
    labelCoachName_->setText(club_.coach != nullptr ? ToQString(club_.coach->Name()) : QString());
    label1_->setText(
        ToQString(Format(GetText(kInjuredText),
                         {injured_.DisplayName(), TPlayer::PositionLongName(injured_.position())}) +
                  "\n" + GetText(kChooseText)));
    ShowPlayers(*listBoxOfSubstitutePlayers_, PlayersInRole(club_, 2));
    connect(listBoxOfSubstitutePlayers_->view->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &TforcedSubstitutionDlg::Update);
    // The first bench player (squad order) who may come on stands picked, so Enter brings him on.
    for (const TPlayer* player : club_.players)
        if (player != nullptr && player->matchState.lineupRole == 2 &&
            MayReplaceInjured(club_, injured_, *player)) {
            listBoxOfSubstitutePlayers_->Select(player);
            break;
        }
    listBoxOfSubstitutePlayers_->view->setFocus();
    Update();
}

void TforcedSubstitutionDlg::Update() {
    const TPlayer* incoming = CurrentPlayer(*listBoxOfSubstitutePlayers_);
    okBtn_->setEnabled(incoming != nullptr && MayReplaceInjured(club_, injured_, *incoming));
}

void TforcedSubstitutionDlg::OKBtnClick() {
    TPlayer* incoming = CurrentPlayer(*listBoxOfSubstitutePlayers_);
    if (incoming != nullptr && ReplaceInjured(club_, injured_, *incoming)) accept();
}
