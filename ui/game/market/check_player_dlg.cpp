#include "ui/game/market/check_player_dlg.h"

#include "ui/common/object_list_view.h"
#include "ui/common/qt_text.h"
#include "ui/game/club/plantel_dlg.h"
#include "ui/game/market/game_folder.h"
#include "ui/game/market/player_column_order.h"

#include "club/market_views.h"
#include "datafiles/countries.h"
#include "datafiles/country.h"
#include "foundation/encoding.h"
#include "foundation/format_text.h"
#include "foundation/texts.h"
#include "world/player.h"
#include "world/team.h"
#include "world/world.h"
#include "world/world_texts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <set>

namespace {
constexpr int kCaptionText = 708;
constexpr int kAllText = 517;
constexpr int kPositionLabel = 613;
constexpr int kCountryLabel = 601;
constexpr int kNameLabel = 611;
constexpr int kLevelLabel = 600;
constexpr int kAgeLabel = 612;
constexpr int kPriceLabel = 119;
constexpr int kOnlyListedText = 376;
constexpr int kNotMyTeamText = 706;
constexpr int kListedOnlyFirstText = 386;
constexpr int kTeamText = 709;
constexpr int kCloseText = 96;
// Position, name, nationality, club, level, age, sale state.
constexpr int kSearchMask = 0x204067;
constexpr int kFlagRoom = 26; // a flag of 22 x 15 pixels and its gap, in front of the nationality code

const char* const kLevelBands[kLevelBandCount] = {"1 - 10",  "10 - 25", "25 - 40",
                                                  "40 - 60", "60 - 80", "80 - 100"};
const char* const kAgeBands[kAgeBandCount] = {"17 - 22", "23 - 33", "34 - 39"};

QComboBox* FilterCombo(QWidget* parent, const char* name) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(name);
    // As wide as a dozen characters, not as the longest item (a country's name): the filters fit a small
    // screen at 200 %; the open list still shows every item whole.
    combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    combo->setMinimumContentsLength(12);
    combo->addItem(QString::number(kAllText));
    return combo;
}

// The selected item as a filter index: item 0 is "all" (unset), item n is index n - 1.
std::optional<int> Chosen(const QComboBox* combo) {
    const int item = combo->currentIndex();
    if (item <= 0) return std::nullopt;
    return item - 1;
}

} // namespace

TcheckPlayerDlg::TcheckPlayerDlg(TWorld& world, TTeam& viewerClub, QWidget* parent)
    : TKolForm(kCaptionText, parent), world_(world), viewer_(viewerClub) {
    setObjectName("TcheckPlayerDlg");
    comboPosition_ = FilterCombo(this, "comboPosition");
    for (int p = 0; p < 4; ++p) comboPosition_->addItem(QString::number(355 + 2 * p));
    comboCountry_ = FilterCombo(this, "comboCountry");
    textName_ = new QLineEdit(this);
    textName_->setObjectName("textName");
    textName_->setMaxLength(static_cast<int>(kPlayerSearchNameWidth));
    comboSkill_ = FilterCombo(this, "comboSkill");
    comboAge_ = FilterCombo(this, "comboAge");
    comboPrice_ = FilterCombo(this, "comboPrice");
    comboPrice_->addItem(QString::number(kOnlyListedText));
    checkBoxNotMyTeam_ = new QCheckBox(this);
    checkBoxNotMyTeam_->setObjectName("checkBoxNotMyTeam");
    SetTextTag(checkBoxNotMyTeam_, kNotMyTeamText);
    labelListedOnlyFirst_ = new QLabel(this);
    labelListedOnlyFirst_->setObjectName("labelListedOnlyFirst");
    world_.AllPlayers.Pack();
    list_ = new TObjectListView(*world_.AllPlayers[0], kSearchMask, kSearchMask, this);
    list_->setObjectName("ListOfPlayers");
    // The flag of each player's country in front of his nationality code, as in the squad view.
    for (int section = 0; section < list_->headerModel->columnCount(); ++section)
        if (list_->Caption(section) == GetText(kTxtColNationality)) {
            list_->delegate->ShowFlags(
                GameFolderOfProgram(), list_->ColumnLeft(section),
                [](const TKolObject* o) { return static_cast<const TPlayer*>(o)->nationality(); }, kFlagRoom);
            list_->WidenColumn(section, kFlagRoom);
        }
    teamBtn_ = new QPushButton(this);
    teamBtn_->setObjectName("teamBtn");
    SetTextTag(teamBtn_, kTeamText);
    // Enter opens the selected player's club; with no player selected the button is off and Enter does
    // nothing.
    teamBtn_->setDefault(true);
    closeBtn_ = new QPushButton(this);
    closeBtn_->setObjectName("closeBtn");
    SetTextTag(closeBtn_, kCloseText);

    auto* filters = new QGridLayout;
    const auto row = [&](int r, int c, int tag, QWidget* w) {
        filters->addWidget(TaggedLabel(this, tag), r, c);
        filters->addWidget(w, r, c + 1);
    };
    row(0, 0, kPositionLabel, comboPosition_);
    row(0, 2, kCountryLabel, comboCountry_);
    row(0, 4, kNameLabel, textName_);
    row(1, 0, kLevelLabel, comboSkill_);
    row(1, 2, kAgeLabel, comboAge_);
    row(1, 4, kPriceLabel, comboPrice_);
    filters->addWidget(checkBoxNotMyTeam_, 2, 0, 1, 4);
    filters->setColumnStretch(5, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(labelListedOnlyFirst_, 1);
    buttons->addWidget(teamBtn_);
    buttons->addWidget(closeBtn_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(filters);
    layout->addWidget(list_, 1);
    layout->addLayout(buttons);

    ApplyTexts();
    // Data items, listed after the texts are applied.
    std::set<std::string> codes;
    for (const TPlayer* p : world_.AllPlayers) codes.insert(p->nationality());
    for (const std::string& code : codes) {
        const TCountry* country = FindCountry(kFindByCode, code);
        comboCountry_->addItem(ToQString(code + (country ? " - " + country->Name() : std::string())),
                               ToQString(code));
    }
    for (const char* band : kLevelBands) comboSkill_->addItem(band);
    for (const char* band : kAgeBands) comboAge_->addItem(band);
    for (int item = 1; item < kPriceItemCount; ++item)
        comboPrice_->addItem(ToQString(PriceItemCaption(item, world_.CurrencyRecord.priceBandUnit)));
    labelListedOnlyFirst_->setText(ToQString(Format(GetText(kListedOnlyFirstText), {kPlayerSearchLimit})));

    for (QComboBox* combo : {comboPosition_, comboCountry_, comboSkill_, comboAge_, comboPrice_})
        connect(combo, &QComboBox::currentIndexChanged, this, &TcheckPlayerDlg::Search);
    connect(textName_, &QLineEdit::textEdited, this, [this](const QString& text) {
        // The name is searched in capitals; the field shows what is searched.
        const int at = textName_->cursorPosition();
        textName_->setText(text.toUpper());
        textName_->setCursorPosition(at);
        Search();
    });
    connect(checkBoxNotMyTeam_, &QCheckBox::toggled, this, &TcheckPlayerDlg::Search);
    connect(list_->view, &QListView::doubleClicked, this, &TcheckPlayerDlg::teamBtnClick);
    connect(list_->view, &QListView::activated, this, &TcheckPlayerDlg::teamBtnClick);
    connect(list_->header, &QHeaderView::sectionClicked, this,
            [this](int section) { SortPlayerRows(*list_, results_, section); });
    connect(list_->view->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &TcheckPlayerDlg::UpdateTeamBtn);
    connect(list_->model, &QAbstractItemModel::modelReset, this, &TcheckPlayerDlg::UpdateTeamBtn);
    connect(teamBtn_, &QPushButton::clicked, this, &TcheckPlayerDlg::teamBtnClick);
    connect(closeBtn_, &QPushButton::clicked, this, &QDialog::reject);
    Search();
    resize(1000, 640);
}

TPlayerSearchFilter TcheckPlayerDlg::Filter() const {
    TPlayerSearchFilter filter;
    filter.position = Chosen(comboPosition_);
    if (comboCountry_->currentIndex() > 0)
        filter.nationality = FromQString(comboCountry_->currentData().toString());
    filter.name = UpperCp1252(FromQString(textName_->text()));
    filter.levelBand = Chosen(comboSkill_);
    filter.ageBand = Chosen(comboAge_);
    filter.priceItem = Chosen(comboPrice_);
    filter.leaveOutClub = checkBoxNotMyTeam_->isChecked() ? &viewer_ : nullptr;
    return filter;
}

void TcheckPlayerDlg::Search() {
    results_ = SearchPlayers(world_, Filter());
    list_->model->SetObjects(std::vector<TKolObject*>(results_.begin(), results_.end()));
    labelListedOnlyFirst_->setVisible(static_cast<int>(results_.size()) >= kPlayerSearchLimit);
    UpdateTeamBtn();
}

void TcheckPlayerDlg::UpdateTeamBtn() {
    teamBtn_->setEnabled(list_->Current() != nullptr);
}

void TcheckPlayerDlg::teamBtnClick() {
    picked_ = static_cast<TPlayer*>(list_->Current());
    if (picked_) accept();
}

TPlayer* PickPlayerBySearch(TWorld& world, TTeam& viewerClub, QWidget* parent) {
    TcheckPlayerDlg dlg(world, viewerClub, parent);
    // Maximised before it is shown, so that exec() makes it modal.
    dlg.setWindowState(dlg.windowState() | Qt::WindowMaximized);
    return dlg.exec() == QDialog::Accepted ? dlg.Picked() : nullptr;
}

void ShowPlayerSearch(TWorld& world, TTeam& viewerClub, QWidget* parent) {
    TPlayer* player = PickPlayerBySearch(world, viewerClub, parent);
    if (player && player->Club()) ShowSquadView(world, *player->Club(), &viewerClub, player, parent);
}
