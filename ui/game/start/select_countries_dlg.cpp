#include "ui/game/start/select_countries_dlg.h"

#include "datafiles/country.h"
#include "foundation/format_text.h"
#include "foundation/kol_log.h"
#include "foundation/texts.h"
#include "season/country_selection.h"
#include "season/team_folder.h"
#include "ui/common/country_row_delegate.h"
#include "ui/common/qt_text.h"

#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <filesystem>

namespace {
constexpr int kSelectText = 265;
constexpr int kTooFewFilesText = 266;
constexpr int kTooManyText = 267;
constexpr int kAllText = 517;
constexpr int kTeamFilesText = 741;
constexpr int kCountriesText = 742;
constexpr int kChosenText = 745;
} // namespace

TselectCountriesDlg::TselectCountriesDlg(TCountrySelection& selection, const std::string& gameDir,
                                         QWidget* parent)
    : TKolForm(0, parent), selection_(selection),
      // The warning names the folder the team files come from, and why it cannot be read.
      teamsFolder_(DescribeTeamFolder((std::filesystem::path(gameDir) / "Teams").string())) {
    setObjectName("TselectCountriesDlg");
    labelSelect_ = new QLabel(this);
    labelSelect_->setObjectName("labelSelect");
    QFont big = labelSelect_->font();
    big.setPointSizeF(big.pointSizeF() * 1.3);
    big.setBold(true);
    labelSelect_->setFont(big);
    textAvailableTeams_ = new QLabel(this);
    textAvailableTeams_->setObjectName("textAvailableTeams");
    textAvailableCountries_ = new QLabel(this);
    textAvailableCountries_->setObjectName("textAvailableCountries");
    textSelected_ = new QLabel(this);
    textSelected_->setObjectName("textSelected");
    textSelected_->setFont(big);
    labelWarning_ = new QLabel(this);
    labelWarning_->setObjectName("labelWarning");
    labelWarning_->setStyleSheet("color: #b00000; font-weight: bold;");
    labelWarning_->setWordWrap(true);
    listOfCountries_ = new QListWidget(this);
    listOfCountries_->setObjectName("ListOfCountries");
    listOfCountries_->setItemDelegate(new TCountryRowDelegate(gameDir, true, listOfCountries_));
    // Columns of countries across the screen.
    listOfCountries_->setFlow(QListView::TopToBottom);
    listOfCountries_->setWrapping(true);
    listOfCountries_->setResizeMode(QListView::Adjust);
    listOfCountries_->setUniformItemSizes(true);
    listOfCountries_->setSpacing(2);
    listOfCountries_->installEventFilter(this);
    selectAllBtn_ = new QPushButton(this);
    selectAllBtn_->setObjectName("selectAllBtn");
    SetTextTag(selectAllBtn_, kAllText);
    selectAllBtn_->setAutoDefault(false);

    auto* content = new QVBoxLayout;
    content->addWidget(labelSelect_);
    auto* counts = new QHBoxLayout;
    counts->addWidget(textAvailableTeams_);
    counts->addSpacing(24);
    counts->addWidget(textAvailableCountries_);
    counts->addStretch();
    counts->addWidget(selectAllBtn_);
    content->addLayout(counts);
    content->addWidget(listOfCountries_, 1);
    content->addWidget(textSelected_);
    content->addWidget(labelWarning_);
    okBtn_ = LayOutWithOkCancel(content);
    okBtn_->setDefault(true);
    findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel)->setObjectName("CancelBtn");
    ApplyTexts();
    setWindowTitle(QCoreApplication::applicationName());

    int files = 0;
    for (const TCountry* country : selection_.Countries()) {
        files += country->wantedTeams;
        listOfCountries_->addItem(ToQString(country->Name()));
    }
    textAvailableTeams_->setText(ToQString(Format(GetText(kTeamFilesText), {files})));
    textAvailableCountries_->setText(
        ToQString(Format(GetText(kCountriesText), {static_cast<int>(selection_.Countries().size())})));
    if (files >= TCountrySelection::kMinTeams)
        labelSelect_->setText(ToQString(Format(GetText(kSelectText), {TCountrySelection::kMinTeams})));
    connect(listOfCountries_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { CountryClick(listOfCountries_->row(item)); });
    connect(selectAllBtn_, &QPushButton::clicked, this, &TselectCountriesDlg::SelectAllBtnClick);

    // Full screen: the whole free area of the screen (or of the parent's screen).
    const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    if (screen) setGeometry(screen->availableGeometry());
    Update();
    // Too few team files to start: the log keeps where they were looked for.
    if (files < TCountrySelection::kMinTeams) WriteLog(FromQString(labelWarning_->text()));
}

void TselectCountriesDlg::CountryClick(int row) {
    if (row < 0 || row >= static_cast<int>(selection_.Countries().size())) return;
    selection_.Toggle(row);
    Update();
}

void TselectCountriesDlg::SelectAllBtnClick() {
    selection_.SelectAll();
    Update();
}

void TselectCountriesDlg::Update() {
    textSelected_->setText(ToQString(
        Format(GetText(kChosenText), {selection_.SelectedTeams(), selection_.SelectedCountries()})));
    okBtn_->setEnabled(selection_.CanConfirm());
    int files = 0;
    for (const TCountry* country : selection_.Countries()) files += country->wantedTeams;
    if (files < TCountrySelection::kMinTeams)
        labelWarning_->setText(
            ToQString(Format(GetText(kTooFewFilesText), {TCountrySelection::kMinTeams, teamsFolder_})));
    else if (selection_.TooMany())
        labelWarning_->setText(ToQString(Format(GetText(kTooManyText), {TCountrySelection::kMaxTeams})));
    else
        labelWarning_->clear();
    listOfCountries_->viewport()->update();
}

void TselectCountriesDlg::accept() {
    if (!selection_.CanConfirm() || !selection_.Confirm()) return;
    QDialog::accept();
}

bool TselectCountriesDlg::eventFilter(QObject* watched, QEvent* event) {
    // Space chooses or drops the country under the cursor, as a click does.
    if (watched == listOfCountries_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Space) {
        CountryClick(listOfCountries_->currentRow());
        return true;
    }
    return TKolForm::eventFilter(watched, event);
}

bool SelectCountries(TCountrySelection& selection, const std::string& gameDir, QWidget* parent) {
    TselectCountriesDlg dialog(selection, gameDir, parent);
    return dialog.exec() == QDialog::Accepted;
}
