#include "ui/editor/team_properties_dlg.h"

#include "datafiles/countries.h"
#include "datafiles/team_attr.h"
#include "editor/editor_texts.h"
#include "foundation/picture_file.h"
#include "ui/common/checked_picture.h"
#include "ui/common/qt_text.h"
#include "ui/editor/length_hint.h"
#include "ui/editor/set_country_dlg.h"
#include "ui/editor/storable_text.h"
#include "ui/editor/team_color_dlg.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSlider>
#include <QVBoxLayout>

TteamPropertiesDlg::TteamPropertiesDlg(const TTeamProperties& props, const std::string& gameDir,
                                       QWidget* parent)
    : TKolForm(kTxtTeamPropertiesCaption, parent), props_(props), gameDir_(gameDir) {
    setObjectName("TeamPropertiesDlg");
    nameEdit_ = new QLineEdit(this);
    nameEdit_->setObjectName("nameEdit");
    nameEdit_->setMaxLength(TTeamAttr::kNameWidth);
    nameEdit_->setMinimumWidth(320);
    shortNameEdit_ = new QLineEdit(this);
    shortNameEdit_->setObjectName("shortNameEdit");
    shortNameEdit_->setMaxLength(TTeamAttr::kShortNameWidth);
    coachEdit_ = new QLineEdit(this);
    coachEdit_->setObjectName("coachEdit");
    coachEdit_->setMaxLength(TCoachAttr::kNameWidth);
    levelBar_ = new QSlider(Qt::Horizontal, this);
    levelBar_->setObjectName("levelBar");
    levelBar_->setRange(1, 20);
    levelBar_->setTickPosition(QSlider::TicksBelow);
    levelValue_ = new QLabel(this);
    levelValue_->setMinimumWidth(24);
    countryBtn_ = new QPushButton(this);
    countryBtn_->setObjectName("countryBtn");
    countryBtn_->setIconSize(QSize(32, 22));
    coloursBtn_ = new QPushButton(this);
    coloursBtn_->setObjectName("coloursBtn");
    SetTextTag(coloursBtn_, kTxtColoursButton);
    colourSample_ = new QLabel(this);
    colourSample_->setAutoFillBackground(true);
    colourSample_->setAlignment(Qt::AlignCenter);
    colourSample_->setFrameShape(QFrame::Box);
    colourSample_->setMinimumWidth(140);
    fileNameEdit_ = new QLineEdit(this);
    fileNameEdit_->setObjectName("fileNameEdit");
    fileNameEdit_->setMaxLength(static_cast<int>(TEditorModel::kFileNamePartWidth));
    SetFileNameRules(fileNameEdit_);
    ShowLengthHints({nameEdit_, shortNameEdit_, coachEdit_, fileNameEdit_});

    auto* levelRow = new QHBoxLayout;
    levelRow->addWidget(levelBar_, 1);
    levelRow->addWidget(levelValue_);
    auto* colourRow = new QHBoxLayout;
    colourRow->addWidget(colourSample_, 1);
    colourRow->addWidget(coloursBtn_);
    auto* form = new QFormLayout;
    form->addRow(TaggedLabel(this, kTxtLongNameLabel), nameEdit_);
    form->addRow(TaggedLabel(this, kTxtShortNameLabel), shortNameEdit_);
    form->addRow(TaggedLabel(this, kTxtCoachLabel), coachEdit_);
    form->addRow(TaggedLabel(this, kTxtLevelLabel), levelRow);
    form->addRow(TaggedLabel(this, kTxtCountryLabel), countryBtn_);
    form->addRow(TaggedLabel(this, kTxtColoursLabel), colourRow);
    form->addRow(TaggedLabel(this, kTxtFileNameLabel), fileNameEdit_);

    okBtn_ = LayOutWithOkCancel(form, kTxtOK, kTxtCancel);
    ApplyTexts();

    nameEdit_->setText(ToQString(props.name));
    shortNameEdit_->setText(ToQString(props.shortName));
    coachEdit_->setText(ToQString(props.coachName));
    fileNameEdit_->setText(ToQString(props.fileNamePart));
    connect(levelBar_, &QSlider::valueChanged, levelValue_, [this](int v) { levelValue_->setNum(v); });
    levelBar_->setValue(std::clamp(props.level, 1, 20));
    levelValue_->setNum(levelBar_->value());
    connect(shortNameEdit_, &QLineEdit::textChanged, this, [this] { ShowColours(); });
    connect(countryBtn_, &QPushButton::clicked, this, [this] {
        std::string code = props_.country;
        if (PickCountry(code, gameDir_, this)) {
            props_.country = code;
            ShowCountry();
        }
    });
    connect(coloursBtn_, &QPushButton::clicked, this, [this] {
        TTeamColorDlg dlg(props_.color1, props_.color2, shortNameEdit_->text(), this);
        if (dlg.exec() == QDialog::Accepted) {
            props_.color1 = dlg.TextColor();
            props_.color2 = dlg.BackColor();
            ShowColours();
        }
    });
    ShowCountry();
    ShowColours();
}

void TteamPropertiesDlg::ShowCountry() {
    const TCountry* country = FindCountry(kFindByCode, props_.country);
    countryBtn_->setText(country ? ToQString(country->Name()) : ToQString(props_.country));
    countryBtn_->setIcon(QIcon(LoadFlag(gameDir_, props_.country)));
}

void TteamPropertiesDlg::ShowColours() {
    QPalette p = colourSample_->palette();
    p.setColor(QPalette::Window, ToQColor(props_.color2));
    p.setColor(QPalette::WindowText, ToQColor(props_.color1));
    colourSample_->setPalette(p);
    colourSample_->setText(shortNameEdit_->text());
}

void TteamPropertiesDlg::accept() {
    if (!CheckStorableTexts(this, {nameEdit_, shortNameEdit_, coachEdit_, fileNameEdit_})) return;
    props_.name = FromQString(nameEdit_->text());
    props_.shortName = FromQString(shortNameEdit_->text());
    props_.coachName = FromQString(coachEdit_->text());
    props_.level = levelBar_->value();
    props_.fileNamePart = FromQString(fileNameEdit_->text());
    TKolForm::accept();
}
