#include "ui/game/start/select_game_dlg.h"

#include "foundation/format_text.h"
#include "foundation/kol_log.h"
#include "foundation/settings.h"
#include "foundation/texts.h"
#include "season/game_files.h"
#include "ui/common/qt_text.h"

#include <QCloseEvent>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {
constexpr int kNewGameText = 151;
constexpr int kContinueGameText = 152;
constexpr int kCannotCreateText = 154;
constexpr int kSaveDialogTitle = 422;
constexpr int kDescriptionText = 429;
constexpr int kFilterText = 430;
constexpr int kOpenDialogTitle = 431;
constexpr int kSavedGamesText = 740;
constexpr int kFileText = 743;
constexpr int kBrowseText = 744;
constexpr int kPathRole = Qt::UserRole + 1;

// The description as two readable parts: the coaches, then the time of the save.
QString ShownDescription(const std::string& description) {
    QString text = ToQString(description);
    text.replace('\r', QStringLiteral(" \u2014 "));
    return text;
}

// The labels file keeps the filter as "caption|*." for the extension to follow; the file dialog wants
// "caption (*.kbg)".
QString FileFilter() {
    const QString raw = ToQString(GetText(kFilterText)) + kGameFileExtension;
    const qsizetype bar = raw.indexOf('|');
    if (bar < 0) return raw;
    return raw.left(bar).trimmed() + " (" + raw.mid(bar + 1) + ")";
}
} // namespace

TselectGameDlg::TselectGameDlg(TSettingsStore& store, std::string gamesDir, QWidget* parent)
    : TKolForm(0, parent), gamesDir_(std::move(gamesDir)) {
    setObjectName("TselectGameDlg");
    radioNewGame_ = new QRadioButton(this);
    radioNewGame_->setObjectName("RadioNewGame");
    SetTextTag(radioNewGame_, kNewGameText);
    radioContinueGame_ = new QRadioButton(this);
    radioContinueGame_->setObjectName("RadioContinueGame");
    SetTextTag(radioContinueGame_, kContinueGameText);
    labelGames_ = new QLabel(this);
    labelGames_->setObjectName("labelGames");
    listOfGames_ = new QListWidget(this);
    listOfGames_->setObjectName("ListOfGames");
    listOfGames_->setMinimumSize(520, 220);
    listOfGames_->setAlternatingRowColors(true);
    auto* labelFile = TaggedLabel(this, kFileText);
    editFileName_ = new QLineEdit(this);
    editFileName_->setObjectName("editFileName");
    labelFile->setBuddy(editFileName_);
    browseBtn_ = new QPushButton(this);
    browseBtn_->setObjectName("browseBtn");
    SetTextTag(browseBtn_, kBrowseText);
    browseBtn_->setAutoDefault(false);
    labelDescription_ = TaggedLabel(this, kDescriptionText);
    labelDescription_->setObjectName("labelDescription");
    textDescription_ = new QLabel(this);
    textDescription_->setObjectName("textDescription");
    textDescription_->setWordWrap(true);
    labelWarning_ = TaggedLabel(this, kCannotCreateText);
    labelWarning_->setObjectName("labelWarning");
    labelWarning_->setStyleSheet("color: #b00000; font-weight: bold;");
    labelWarning_->setWordWrap(true);

    auto* content = new QVBoxLayout;
    content->addWidget(radioNewGame_);
    content->addWidget(radioContinueGame_);
    content->addSpacing(6);
    content->addWidget(labelGames_);
    content->addWidget(listOfGames_, 1);
    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(labelFile);
    fileRow->addWidget(editFileName_, 1);
    fileRow->addWidget(browseBtn_);
    content->addLayout(fileRow);
    auto* descriptionRow = new QHBoxLayout;
    descriptionRow->addWidget(labelDescription_, 0, Qt::AlignTop);
    descriptionRow->addWidget(textDescription_, 1);
    content->addLayout(descriptionRow);
    content->addWidget(labelWarning_);
    okBtn_ = LayOutWithOkCancel(content);
    okBtn_->setDefault(true);
    cancelBtn_ = findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel);
    cancelBtn_->setObjectName("CancelBtn");
    ApplyTexts();
    // The window's caption is the program's name in every language.
    setWindowTitle(QCoreApplication::applicationName());
    labelGames_->setText(ToQString(Format(GetText(kSavedGamesText), {kGamesFolder})));
    labelWarning_->hide();
    labelDescription_->hide();

    connect(radioNewGame_, &QRadioButton::clicked, this, &TselectGameDlg::RadioNewGameClick);
    connect(radioContinueGame_, &QRadioButton::clicked, this, &TselectGameDlg::RadioContinueGameClick);
    connect(listOfGames_, &QListWidget::itemClicked, this, &TselectGameDlg::ListOfGamesClick);
    connect(listOfGames_, &QListWidget::itemActivated, this, [this] {
        ListOfGamesClick();
        if (okBtn_->isEnabled()) accept();
    });
    connect(browseBtn_, &QPushButton::clicked, this, &TselectGameDlg::BrowseBtnClick);
    connect(editFileName_, &QLineEdit::textChanged, this, &TselectGameDlg::NameChanged);

    FillList();
    // The last game played is offered first while its file is there.
    const std::string last = ReadSetting(store, kSettingLastGame);
    if (!last.empty() && GameFileSize(last) > 0) {
        radioContinueGame_->setChecked(true);
        editFileName_->setText(PathToQt(last));
        for (int row = 0; row < listOfGames_->count(); ++row)
            if (listOfGames_->item(row)->data(kPathRole).toString() == PathToQt(last))
                listOfGames_->setCurrentRow(row);
    } else {
        radioNewGame_->setChecked(true);
        RadioNewGameClick();
    }
    NameChanged();
}

void TselectGameDlg::FillList() {
    listOfGames_->clear();
    for (const TGameFileEntry& entry : ListGameFiles(gamesDir_)) {
        QString text = PathToQt(entry.fileName);
        if (!entry.description.empty()) text += "   " + ShownDescription(entry.description);
        auto* item = new QListWidgetItem(text, listOfGames_);
        item->setData(kPathRole, PathToQt(entry.path));
        // A reserved file of a game never saved cannot be continued.
        if (entry.size == 0) item->setForeground(palette().color(QPalette::Disabled, QPalette::Text));
    }
}

std::string TselectGameDlg::TypedPath() const {
    return GameFilePathFor(gamesDir_, PathFromQt(editFileName_->text()));
}

void TselectGameDlg::RadioNewGameClick() {
    labelWarning_->hide();
    listOfGames_->clearSelection();
    editFileName_->setText(PathToQt(ProposeNewGameFile(gamesDir_)));
    NameChanged();
}

void TselectGameDlg::RadioContinueGameClick() {
    labelWarning_->hide();
    const QListWidgetItem* item = listOfGames_->currentItem();
    editFileName_->setText(item && item->isSelected() ? item->data(kPathRole).toString() : QString());
    NameChanged();
}

void TselectGameDlg::ListOfGamesClick() {
    const QListWidgetItem* item = listOfGames_->currentItem();
    if (!item) return;
    labelWarning_->hide();
    radioContinueGame_->setChecked(true);
    editFileName_->setText(item->data(kPathRole).toString());
    NameChanged();
}

void TselectGameDlg::BrowseBtnClick() {
    const QString folder = PathToQt(gamesDir_);
    QString chosen;
    if (radioNewGame_->isChecked())
        chosen = QFileDialog::getSaveFileName(this, ToQString(GetText(kSaveDialogTitle)), folder,
                                              FileFilter(), nullptr, QFileDialog::DontConfirmOverwrite);
    else
        chosen =
            QFileDialog::getOpenFileName(this, ToQString(GetText(kOpenDialogTitle)), folder, FileFilter());
    if (!chosen.isEmpty()) editFileName_->setText(chosen);
    NameChanged();
}

void TselectGameDlg::NameChanged() {
    const std::string path = TypedPath();
    const bool continuing = radioContinueGame_->isChecked();
    if (continuing) {
        const std::string description = ReadGameDescription(path);
        textDescription_->setText(ShownDescription(description));
        labelDescription_->setVisible(!description.empty());
        textDescription_->setVisible(!description.empty());
        okBtn_->setEnabled(GameFileSize(path) > 0);
    } else {
        textDescription_->clear();
        labelDescription_->hide();
        textDescription_->hide();
        okBtn_->setEnabled(!path.empty());
    }
}

void TselectGameDlg::accept() {
    if (!okBtn_->isEnabled()) return;
    gameFilePath_ = TypedPath();
    std::string reason;
    if (radioNewGame_->isChecked() && !PrepareNewGameFile(gameFilePath_, &reason)) {
        // The person is told where and why, and the log keeps it.
        WriteLog(GetText(kCannotCreateText) + " " + reason);
        labelWarning_->setText(ToQString(GetCaptionText(kCannotCreateText) + "\n" + reason));
        labelWarning_->show();
        return;
    }
    closing_ = true;
    QDialog::accept();
}

bool TselectGameDlg::Execute() {
    exec();
    return !cancelled_ && radioContinueGame_->isChecked();
}

void TselectGameDlg::reject() {
    cancelled_ = true;
    gameFilePath_.clear();
    closing_ = true;
    QDialog::reject();
}

void TselectGameDlg::closeEvent(QCloseEvent* event) {
    if (closing_)
        QDialog::closeEvent(event);
    else
        event->ignore();
}
