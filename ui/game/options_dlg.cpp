#include "ui/game/options_dlg.h"

#include "ui/common/qt_text.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {
constexpr int kCaptionText = 182;
constexpr int kFirstPageText = 163;
constexpr int kSecondPageText = 164;
constexpr int kOkText = 71;
constexpr int kCancelText = 72;
constexpr int kOnText = 176;  // first item of the on/off combos
constexpr int kOffText = 175; // second item

// A combo whose items are text numbers, with its label.
QComboBox* AddCombo(QWidget* page, QFormLayout* form, const char* name, int labelText,
                    std::initializer_list<int> items) {
    auto* label = new QLabel(page);
    SetTextTag(label, labelText);
    auto* combo = new QComboBox(page);
    combo->setObjectName(name);
    for (int item : items) combo->addItem(QString::number(item));
    combo->setMinimumWidth(200);
    label->setBuddy(combo);
    form->addRow(label, combo);
    return combo;
}

// Selects the item, or none when the value has no item.
void Show(QComboBox* combo, int item) {
    combo->setCurrentIndex(item >= 0 && item < combo->count() ? item : -1);
}
} // namespace

TOptionsDlg::TOptionsDlg(TGameSettings& settings, QWidget* parent)
    : TKolForm(kCaptionText, parent), settings_(settings) {
    setObjectName("OptionsDlg");
    notebook_ = new QTabWidget(this);
    notebook_->setObjectName("TabbedNotebook");

    auto* gamePage = new QWidget;
    auto* gameForm = new QFormLayout(gamePage);
    notebook_->addTab(gamePage, QString::number(kFirstPageText));
    comboSaveGameWhen_ = AddCombo(gamePage, gameForm, "comboSaveGameWhen", 167, {172, 173, 174});
    comboSound_ = AddCombo(gamePage, gameForm, "ComboSound", 168, {kOnText, kOffText});
    comboViewPsichologicalLashes_ =
        AddCombo(gamePage, gameForm, "ComboViewPsichologicalLashes", 166, {169, 170, 171});
    comboViewAuction_ = AddCombo(gamePage, gameForm, "comboViewAuction", 319, {317, 318});

    auto* matchPage = new QWidget;
    auto* matchForm = new QFormLayout(matchPage);
    notebook_->addTab(matchPage, QString::number(kSecondPageText));
    comboGameTimeProfile_ = AddCombo(matchPage, matchForm, "comboGameTimeProfile", 399, {});
    comboHalfTimeSubstitutions_ =
        AddCombo(matchPage, matchForm, "comboHalfTimeSubstitutions", 177, {kOnText, kOffText});
    comboViewComputerPenalties_ =
        AddCombo(matchPage, matchForm, "comboViewComputerPenalties", 178, {kOnText, kOffText});

    okBtn_ = new QPushButton(this);
    okBtn_->setObjectName("OKBtn");
    SetTextTag(okBtn_, kOkText);
    okBtn_->setDefault(true);
    cancelBtn_ = new QPushButton(this);
    cancelBtn_->setObjectName("CancelBtn");
    SetTextTag(cancelBtn_, kCancelText);
    connect(okBtn_, &QPushButton::clicked, this, &TOptionsDlg::OKBtnClick);
    connect(cancelBtn_, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okBtn_);
    buttons->addWidget(cancelBtn_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(notebook_);
    layout->addLayout(buttons);

    ApplyTexts();
    // The profile names are read once at start into the profile table.
    for (const TGameTimeProfile& p : GameTimeProfiles()) comboGameTimeProfile_->addItem(ToQString(p.name));
    ShowValues();
}

void TOptionsDlg::ShowValues() {
    Show(comboViewPsichologicalLashes_, settings_.viewPsychologicalLashes);
    Show(comboSaveGameWhen_, settings_.saveGameWhen - 1);
    Show(comboSound_, settings_.sound ? 0 : 1);
    Show(comboViewAuction_, settings_.viewAuction ? 0 : 1);
    const int profile = settings_.gameTimeProfile;
    Show(comboGameTimeProfile_, profile >= 1 && profile <= kOfferedGameTimeProfiles ? profile - 1 : 0);
    Show(comboHalfTimeSubstitutions_, settings_.halfTimeSubstitutions ? 1 : 0);
    Show(comboViewComputerPenalties_, settings_.viewComputerPenalties ? 1 : 0);
}

void TOptionsDlg::OKBtnClick() {
    // A combo that shows no item (a stored value outside its choices) leaves its value as it was.
    if (const int i = comboViewPsichologicalLashes_->currentIndex(); i >= 0)
        settings_.viewPsychologicalLashes = i;
    if (const int i = comboSaveGameWhen_->currentIndex(); i >= 0) settings_.saveGameWhen = i + 1;
    if (const int i = comboSound_->currentIndex(); i >= 0) settings_.sound = i == 0;
    if (const int i = comboViewAuction_->currentIndex(); i >= 0) settings_.viewAuction = i == 0;
    if (const int i = comboGameTimeProfile_->currentIndex(); i >= 0) settings_.gameTimeProfile = i + 1;
    if (const int i = comboHalfTimeSubstitutions_->currentIndex(); i >= 0)
        settings_.halfTimeSubstitutions = i == 1;
    if (const int i = comboViewComputerPenalties_->currentIndex(); i >= 0)
        settings_.viewComputerPenalties = i == 1;
    accept();
}

bool ShowOptionsDialog(TSettingsStore& store, QWidget* parent) {
    TOptionsDlg dlg(GameSettings(), parent);
    if (dlg.exec() != QDialog::Accepted) return false;
    SaveOptions(store, GameSettings());
    store.Flush();
    return true;
}
