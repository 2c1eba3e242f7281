#pragma once
// The team editor's main window: the list of all teams on the left; on the right the team page (the
// selected team with its colours, flag, in-place edits and squad), the list of all players and the list of
// referees; menus and shortcuts for every operation; the status bar with the counts and the file date.
// It holds no rule: every change goes through the editor model.
#include "editor/editor_model.h"

#include <QMainWindow>
#include <memory>
#include <string>

class QAction;
class QLabel;
class QLineEdit;
class QListView;
class QSlider;
class QTabWidget;
class QToolButton;
class QFrame;
class QPushButton;
class TObjectListView;

class TeditorMain final : public QMainWindow {
    Q_OBJECT
public:
    // Loads the team folders and the referee file as the options say.
    explicit TeditorMain(TEditorOptions options, QWidget* parent = nullptr);
    ~TeditorMain() override;

    TEditorModel& Model() { return *model_; }

    TEditorTeam* SelectedTeam() const { return selectedTeam_; }
    TEditorPlayer* SelectedPlayer() const { return selectedPlayer_; }
    TEditorReferee* SelectedReferee() const { return selectedReferee_; }
    void SelectTeam(TEditorTeam* team);
    void SelectPlayer(TEditorPlayer* player);
    void SelectReferee(TEditorReferee* referee);

    // ---- the operations, as the menus, buttons and shortcuts call them ----
    void menuTeamNewClick();
    void menuTeamPropertiesClick();
    void menuTeamProvisoryClick();
    void menuTeamEfectiveClick();
    void menuTeamRemoveClick();
    void menuTeamDisplayErrorsClick();
    void Reordenar1Click();
    void MenuPlayerNewClick();
    void menuPlayerEditClick();
    void menuPlayerStarClick();
    void MenuPlayerRemoveClick();
    void menuNewRefereeClick();
    void menuEditRefereeClick();
    void menuDeleteRefereeClick();
    void analyseBtnClick();
    void webSiteBuildBtnClick();
    // A player dropped on a team of the all-teams list: moved there. False when nothing moved.
    bool ListBoxOfTeamsDragDrop(TEditorPlayer* player, TEditorTeam* team);
    // Checks every team (the first invalid one is shown and stops the exit), saves, and closes the
    // window. False when the exit was refused or the save failed; the window then stays open.
    bool exitBtnMouseDown();
    // Closes the window without writing anything; asks first when something was changed. False when the
    // user chose to stay.
    bool exitWithoutSavingClick();
    // Whether anything would be written by a save: a changed, renamed, moved or removed team, or the
    // referees.
    bool HasUnsavedChanges() const;

    // Sorting by a click on a header section.
    void hcAllTeamsSectionClick(int section);
    void hcTeamPlayersSectionClick(int section);
    void hcAllPlayersSectionClick(int section);
    void hcAllRefereesSectionClick(int section);

    // For tests and screenshots.
    QListView* TeamsView() const;
    QListView* TeamPlayersView() const;
    QListView* AllPlayersView() const;
    QListView* RefereesView() const;
    QTabWidget* Pages() const { return pages_; }
    QLabel* StatusPanel(int index) const { return status_[index]; }
    QFrame* TeamPanel() const { return teamPanel_; }
    QAction* Action(const char* objectName) const;
    // Where the window keeps its size between sessions (the program's settings unless a test names a file).
    static void SetGeometryStore(const QString& iniPath);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildMenus();
    void BuildPages();
    void ApplyTeamPage();
    void RefreshLists();
    void RefreshStatus();
    void UpdateActions();
    void ShowLoadProblems();
    // Asks a yes/no question over the window; No is the default. True for Yes.
    bool Confirm(const QString& question);
    // Sorts one list by a header click: the first click on a column sorts by it, a second click reverses,
    // the header shows which column and which way, and the list scrolls to its top.
    template <class T> void SortByHeader(TObjectListView* list, TKolList<T>& items, int section);
    // Checks the names typed on the team page; a character the files cannot hold is refused by name and
    // the field shows the stored value again. False when refused.
    bool TeamPageTextsStorable();
    void RestoreGeometry();
    void SaveGeometry() const;
    std::string DataDir() const { return model_->Options().dataDir; }
    QString FileDateText(const TEditorTeam& team) const;

    std::unique_ptr<TEditorModel> model_;
    TEditorTeam* selectedTeam_ = nullptr;
    TEditorPlayer* selectedPlayer_ = nullptr;
    TEditorReferee* selectedReferee_ = nullptr;
    std::string lastRefereeCountry_;
    bool updating_ = false;
    bool saved_ = false;
    bool discard_ = false;
    bool teamRemoved_ = false;

    TObjectListView* teams_ = nullptr;
    TObjectListView* teamPlayers_ = nullptr;
    TObjectListView* allPlayers_ = nullptr;
    TObjectListView* referees_ = nullptr;
    QTabWidget* pages_ = nullptr;
    QFrame* teamPanel_ = nullptr;
    QToolButton* flagBtn_ = nullptr;
    QLineEdit* nameEdit_ = nullptr;
    QLineEdit* shortNameEdit_ = nullptr;
    QLineEdit* coachEdit_ = nullptr;
    QLineEdit* fileNameEdit_ = nullptr;
    QLabel* countryLabel_ = nullptr;
    QLabel* folderLabel_ = nullptr;
    QLabel* levelValue_ = nullptr;
    QLabel* errorsLabel_ = nullptr;
    QSlider* levelBar_ = nullptr;
    QPushButton* errorsBtn_ = nullptr;
    QLabel* status_[4] = {nullptr, nullptr, nullptr, nullptr};
};
