#pragma once
// The first question of a career: a new game or a saved one, and its file. The saved games of the folder
// "GAMES" are listed with their descriptions (the human coaches and the time of the save); the last game
// played (the setting "lastGame") is chosen when its file is still there. A new game proposes a free file
// name, which may be typed over or chosen with the file dialog. The dialog closes only by OK (when the
// choice can go on) or by Cancel (Escape), which stops the program.
#include "ui/common/kol_form.h"

#include <string>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class TSettingsStore;

class TselectGameDlg final : public TKolForm {
    Q_OBJECT
public:
    TselectGameDlg(TSettingsStore& store, std::string gamesDir, QWidget* parent = nullptr);

    // Shows the dialog. True: continue the saved game at GameFilePath(); false: a new game at
    // GameFilePath(), or nothing when Cancelled().
    bool Execute();
    const std::string& GameFilePath() const { return gameFilePath_; }
    bool Cancelled() const { return cancelled_; }

    QRadioButton* RadioNewGame() const { return radioNewGame_; }
    QRadioButton* RadioContinueGame() const { return radioContinueGame_; }
    QListWidget* ListOfGames() const { return listOfGames_; }
    QLineEdit* EditFileName() const { return editFileName_; }
    QLabel* TextDescription() const { return textDescription_; }
    QLabel* LabelWarning() const { return labelWarning_; }
    QPushButton* OKBtn() const { return okBtn_; }
    QPushButton* CancelBtn() const { return cancelBtn_; }

    // OK: a continued game needs a file that holds a game; a new one needs a name whose file can be
    // written (else the warning shows and the dialog stays).
    void accept() override;
    // Cancel (and Escape) stops the program; closing the window any other way is refused.
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void FillList();
    void RadioNewGameClick();
    void RadioContinueGameClick();
    void ListOfGamesClick();
    void BrowseBtnClick();
    void NameChanged();
    std::string TypedPath() const;

    std::string gamesDir_;
    std::string gameFilePath_;
    bool cancelled_ = false;
    bool closing_ = false;
    QRadioButton* radioNewGame_;
    QRadioButton* radioContinueGame_;
    QLabel* labelGames_;
    QListWidget* listOfGames_;
    QLineEdit* editFileName_;
    QPushButton* browseBtn_;
    QLabel* labelDescription_;
    QLabel* textDescription_;
    QLabel* labelWarning_;
    QPushButton* okBtn_;
    QPushButton* cancelBtn_;
};
