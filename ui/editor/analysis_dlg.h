#pragma once
// The duplicate analysis: teams that share a short name and players of effective teams that share a
// name, on two pages, with a progress bar over the list being scanned.
#include "ui/common/kol_form.h"

class QPlainTextEdit;
class QProgressBar;
class QTabWidget;
class TEditorModel;

class TAnalysisDlg final : public TKolForm {
    Q_OBJECT
public:
    explicit TAnalysisDlg(TEditorModel& model, QWidget* parent = nullptr);

    // Runs the search (the dialog runs it when it opens).
    void Run();

    QPlainTextEdit* TeamsPage() const { return teams_; }
    QPlainTextEdit* PlayersPage() const { return players_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    TEditorModel& model_;
    bool done_ = false;
    QProgressBar* progress_;
    QTabWidget* tabs_;
    QPlainTextEdit* teams_;
    QPlainTextEdit* players_;
};
