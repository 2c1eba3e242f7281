#include "ui/editor/analysis_dlg.h"

#include "editor/editor_model.h"
#include "editor/editor_texts.h"
#include "editor/team_analysis.h"
#include "ui/common/qt_text.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

TAnalysisDlg::TAnalysisDlg(TEditorModel& model, QWidget* parent)
    : TKolForm(kTxtAnalysisCaption, parent), model_(model) {
    setObjectName("AnalysisDlg");
    progress_ = new QProgressBar(this);
    progress_->setObjectName("progress");
    tabs_ = new QTabWidget(this);
    teams_ = new QPlainTextEdit(this);
    teams_->setObjectName("teamsPage");
    teams_->setReadOnly(true);
    players_ = new QPlainTextEdit(this);
    players_->setObjectName("playersPage");
    players_->setReadOnly(true);
    // Tab titles are text numbers, replaced by ApplyTexts.
    tabs_->addTab(teams_, QString::number(kTxtPageTeams));
    tabs_->addTab(players_, QString::number(kTxtPageAllPlayers));
    auto* buttons = new QDialogButtonBox(this);
    auto* ok = buttons->addButton(QDialogButtonBox::Ok);
    SetTextTag(ok, kTxtOK);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(progress_);
    layout->addWidget(tabs_, 1);
    layout->addWidget(buttons);
    resize(620, 460);
    ApplyTexts();
}

void TAnalysisDlg::showEvent(QShowEvent* event) {
    TKolForm::showEvent(event);
    if (!done_) QTimer::singleShot(0, this, &TAnalysisDlg::Run);
}

void TAnalysisDlg::Run() {
    if (done_) return;
    done_ = true;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const TAnalysisResult result = AnalyseDuplicates(model_, [this](int, int done, int count) {
        progress_->setMaximum(std::max(1, count));
        progress_->setValue(done);
    });
    QApplication::restoreOverrideCursor();
    QStringList teams, players;
    for (const std::string& line : result.teamLines) teams << ToQString(line);
    for (const std::string& line : result.playerLines) players << ToQString(line);
    teams_->setPlainText(teams.join('\n'));
    players_->setPlainText(players.join('\n'));
}
