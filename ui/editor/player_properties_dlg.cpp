#include "ui/editor/player_properties_dlg.h"

#include "datafiles/countries.h"
#include "editor/editor_model.h"
#include "editor/editor_texts.h"
#include "foundation/texts.h"
#include "ui/common/country_row_delegate.h"
#include "ui/common/qt_text.h"
#include "ui/editor/length_hint.h"
#include "ui/editor/storable_text.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

TPlayerPropertiesDlg::TPlayerPropertiesDlg(const TPlayerAttr& player, const std::string& gameDir,
                                           QWidget* parent)
    : TKolForm(kTxtPlayerCaption, parent), player_(player) {
    setObjectName("PlayerPropertiesDlg");
    nameEdit_ = new QLineEdit(this);
    nameEdit_->setObjectName("nameEdit");
    nameEdit_->setMaxLength(TPlayerAttr98::kNameWidth);
    nameEdit_->setMinimumWidth(260);
    ShowLengthHints({nameEdit_});
    ageBar_ = new QSlider(Qt::Horizontal, this);
    ageBar_->setObjectName("ageBar");
    ageBar_->setRange(kMinAge, kMaxAge);
    ageBar_->setTickPosition(QSlider::TicksBelow);
    ageValue_ = new QLabel(this);
    ageValue_->setMinimumWidth(24);
    positionCombo_ = new QComboBox(this);
    positionCombo_->setObjectName("positionCombo");
    for (int t : kPositionTexts) positionCombo_->addItem(QString::number(t));
    behaviourCombo_ = new QComboBox(this);
    behaviourCombo_->setObjectName("behaviourCombo");
    for (int i = 0; i < 6; ++i) behaviourCombo_->addItem(QString::number(kFirstBehaviourText + i));
    starCheck_ = new QCheckBox(this);
    starCheck_->setObjectName("starCheck");
    SetTextTag(starCheck_, kTxtStarPlayer);
    nationalityCombo_ = new QComboBox(this);
    nationalityCombo_->setObjectName("nationalityCombo");
    nationalityCombo_->setView(new QListView(nationalityCombo_));
    nationalityCombo_->setItemDelegate(new TCountryRowDelegate(gameDir, false, nationalityCombo_));
    nationalityCombo_->setMaxVisibleItems(12);

    auto* ageRow = new QHBoxLayout;
    ageRow->addWidget(ageBar_, 1);
    ageRow->addWidget(ageValue_);
    auto* form = new QFormLayout;
    form->addRow(TaggedLabel(this, kTxtNameLabel), nameEdit_);
    form->addRow(TaggedLabel(this, kTxtAgeLabel), ageRow);
    form->addRow(TaggedLabel(this, kTxtPositionLabel), positionCombo_);
    form->addRow(TaggedLabel(this, kTxtBehaviourLabel), behaviourCombo_);
    form->addRow(TaggedLabel(this, kTxtNationalityLabel), nationalityCombo_);
    form->addRow(QString(), starCheck_);

    okBtn_ = LayOutWithOkCancel(form, kTxtOK, kTxtCancel);
    // The keyboard follows the rows of the form (the star box stands below the nationality).
    QWidget::setTabOrder(behaviourCombo_, nationalityCombo_);
    QWidget::setTabOrder(nationalityCombo_, starCheck_);
    ApplyTexts();

    // Data after the texts: the record's values and the country names.
    nameEdit_->setText(ToQString(player.Name()));
    connect(ageBar_, &QSlider::valueChanged, ageValue_, [this](int v) { ageValue_->setNum(v); });
    // An age outside the usual range widens the bar rather than being changed behind the user's back.
    ageBar_->setRange(std::min<int>(kMinAge, player.Age()), std::max<int>(kMaxAge, player.Age()));
    ageBar_->setValue(player.Age());
    ageValue_->setNum(ageBar_->value());
    positionCombo_->setCurrentIndex(std::min<int>(player.Position(), 3));
    behaviourCombo_->setCurrentIndex(std::min<int>(player.Behaviour(), 5));
    starCheck_->setChecked(player.IsStar());
    AllCountries().Pack();
    int current = -1;
    for (const TCountry* c : AllCountries()) {
        nationalityCombo_->addItem(ToQString(c->Name()), ToQString(c->Code()));
        if (c->Code() == player.Nationality()) current = nationalityCombo_->count() - 1;
    }
    if (current < 0) {
        // A code the country list does not know is kept as it is.
        nationalityCombo_->addItem(ToQString(player.Nationality()), ToQString(player.Nationality()));
        current = nationalityCombo_->count() - 1;
    }
    nationalityCombo_->setCurrentIndex(current);
}

void TPlayerPropertiesDlg::accept() {
    if (!CheckStorableTexts(this, {nameEdit_})) return;
    const std::string name = FromQString(nameEdit_->text());
    if (!TEditorModel::IsAcceptablePlayerName(name)) {
        // What is wrong: no name at all, or a "*" in it.
        QMessageBox::warning(this, windowTitle(),
                             ToQString(GetText(name.empty() ? kTxtEmptyPlayerName : kTxtBadPlayerName)));
        nameEdit_->setFocus();
        return;
    }
    player_.SetName(name);
    player_.SetAge(ageBar_->value());
    player_.SetPosition(static_cast<std::uint8_t>(std::max(0, positionCombo_->currentIndex())));
    player_.SetBehaviour(static_cast<std::uint8_t>(std::max(0, behaviourCombo_->currentIndex())));
    player_.SetStar(starCheck_->isChecked() ? 1 : 0);
    player_.SetNationality(FromQString(nationalityCombo_->currentData().toString()));
    TKolForm::accept();
}
