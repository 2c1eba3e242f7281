#pragma once
// The club screen: the hub a human coach sees before every match of his club. It shows the club (season,
// name in its colours, division, coach, flag, the morale, performance and finance gauges), the squad, and
// nine pages: the game (earlier meetings, referee, opponent, league table), the selected player, the
// finances, the selection (formations, automatic and best choice, the play button), the opponent, the
// sale and the contract of a player, the messages, and the cup. From its buttons and menus the coach
// reaches the market, money, stadium, history, options, saving and stopping.
//
// The screen holds no rule: every choice goes through the core (the selection, the sale, the renewal, the
// save); it shows what they return. Only the play button lets the career go on: every other way of closing
// the screen (the window's close command included) leaves QuitRequested set and ends the career.
#include "ui/common/kol_form.h"

#include <memory>

class QAction;
class QLabel;
class QMenu;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTabWidget;
class QToolButton;
class TClubGauge;
class TDivision;
class TGame;
class TObjectListView;
class TPlayer;
class TSquadList;
class TTeam;
class TThreeBalances;
class TTrevanButton;
class TWorld;
struct TSelectionCheck;

class TprepareGameDlg final : public TKolForm {
    Q_OBJECT
public:
    // The notebook's pages, in order.
    enum TPage {
        pgGame,
        pgPlayer,
        pgFinances,
        pgSelection,
        pgOpponent,
        pgSell,
        pgContract,
        pgMessage,
        pgCup,
        kPageCount
    };

    // The screen of `club` for its game of the round in the world's RoundGames.
    TprepareGameDlg(TWorld& world, TTeam& club, QWidget* parent = nullptr);
    ~TprepareGameDlg() override;

    // QuitRequested := true, then the screen modally; only the play button clears the flag.
    void Execute();

    // ---- Picking the team ----
    void SelectPlayers(int goalkeepers, int defenders, int midfielders, int forwards, bool withBench,
                       bool clearFirst);
    // Checks the selection: the play button follows it, the reason it may not be played is shown.
    void CheckSelection();
    void Automtico1Click();
    void Melhores1Click();
    void MenuSelectClick(int formationCode);

    // ---- Closing ----
    void OKBtnClick();
    void Sairsemgravar1Click();
    // Saves without closing; true when the game file was written.
    bool saveBtnClick();
    void stopBtnClick();

    // ---- Players ----
    void SelectPlayer(TPlayer* player);
    void LineupClick(TPlayer* player);
    void Vender1Click();
    void sellBtnClick();
    void cancelSellBtnClick();
    void ChangeSalaryBtnClick();
    void newSalaryBtnClick();
    void ShowCardsBtnClick();

    void ShowPage(int page);
    int Page() const;
    TPlayer* SelectedPlayer() const { return selectedPlayer_; }
    TTeam& Club() const { return club_; }
    TTeam* Opponent() const { return opponent_; }
    TGame* Game() const { return game_; }
    bool PlaysAway() const { return playsAway_ != 0; }

    // Components the tests read and click.
    TClubGauge* GaugeMoral() const { return gaugeMoral_; }
    TClubGauge* GaugeCoachPerformance() const { return gaugeCoachPerformance_; }
    TClubGauge* GaugeFinances() const { return gaugeFinances_; }
    TClubGauge* GaugeOpponentMoral() const { return gaugeOpponentMoral_; }
    TSquadList* ListBoxOfPlayers() const { return squad_; }
    QPushButton* PlayButton() const { return okBtn_; }
    QLabel* TextOpponent() const { return textOpponent_; }
    QLabel* TextMessage() const { return textMessage_; }
    QLabel* SelectionMessage() const { return selectionMessage_; }
    TObjectListView* ListBoxClassification() const { return classification_; }
    TObjectListView* ListBoxLastResults() const { return lastResults_; }
    QSpinBox* PriceEditor() const { return priceEdit_; }
    QRadioButton* HowToSell(int saleMode) const { return howToSell_[saleMode]; }
    QSpinBox* NewSalaryEditor() const { return newSalaryEdit_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildHeader(class QBoxLayout* layout);
    void BuildButtonBar(class QBoxLayout* layout);
    QWidget* BuildGamePage();
    QWidget* BuildPlayerPage();
    QWidget* BuildFinancesPage();
    QWidget* BuildSelectionPage();
    QWidget* BuildOpponentPage();
    QWidget* BuildSellPage();
    QWidget* BuildContractPage();
    QWidget* BuildMessagePage();
    QWidget* BuildCupPage();
    void BuildMenus();
    void SetColours();
    void ShowMessage(const QString& text);
    void ShowSelectionCheck(const TSelectionCheck& check);

    // Refreshing what the state holds.
    void RefreshAll();
    void RefreshHeader();
    void RefreshPlayerPage();
    void RefreshFinancesPage();
    void RefreshOpponentPage();
    void RefreshCupPage();

    // Doors to the windows of the other groups.
    void ShowSquadOf(TTeam* club);
    void ShowCalendarOf(TTeam* club);
    void ShowBalance();
    void ShowLoan();
    void ShowStadium();
    void ShowRefereeAid();
    void ShowClassification();
    void ShowCoachManager();
    void ShowCoachProfile();
    void ShowCoachHistory();
    void ShowClubHistory();
    void ShowAcquisitions();
    void ShowTopScorers(bool allTime);
    void ShowOptions();

    TWorld& world_;
    TTeam& club_;
    TGame* game_ = nullptr;
    TTeam* opponent_ = nullptr;
    std::int16_t playsAway_ = 0;
    TPlayer* selectedPlayer_ = nullptr;
    TDivision* opponentDivision_ = nullptr;
    std::unique_ptr<TThreeBalances> balances_;
    TTeam* cupOpponent_ = nullptr;

    QWidget* content_;
    QLabel* textSeason_;
    QLabel* labelTeamName_;
    QLabel* textMyDivision_;
    QLabel* textCoachName_;
    QLabel* bitmapTeamCountry_;
    TClubGauge* gaugeCoachPerformance_;
    TClubGauge* gaugeMoral_;
    TClubGauge* gaugeFinances_;
    TSquadList* squad_;
    QTabWidget* notebook_;

    // Jogo
    TObjectListView* lastResults_ = nullptr;
    QLabel* textLastResult_ = nullptr;
    QPushButton* textReferee_ = nullptr;
    QLabel* textOpponent_ = nullptr;
    TObjectListView* classification_ = nullptr;
    QLabel* textMoney2_ = nullptr;
    // Jogador
    QLabel* playerName_ = nullptr;
    QLabel* playerFlag_ = nullptr;
    QLabel* playerCountry_ = nullptr;
    QLabel* playerForeign_ = nullptr;
    QLabel* playerAbsence_ = nullptr;
    QLabel* playerSalary_ = nullptr;
    QLabel* playerBehaviour_ = nullptr;
    QLabel* playerGoals_ = nullptr;
    QLabel* playerYellows_ = nullptr;
    QLabel* playerCareer_ = nullptr;
    // Finanças
    QLabel* textTicketPrice_ = nullptr;
    QPushButton* textLoanInterest_ = nullptr;
    QPushButton* textWages_ = nullptr;
    QLabel* textCash_ = nullptr;
    class QListWidget* listBoxBalance_ = nullptr;
    // Selecção
    QPushButton* okBtn_ = nullptr;
    QLabel* selectionMessage_ = nullptr;
    // Adversário
    QLabel* opponentName_ = nullptr;
    QLabel* opponentCoach_ = nullptr;
    TClubGauge* gaugeOpponentMoral_ = nullptr;
    // Vender
    QLabel* sellPlayerName_ = nullptr;
    QSpinBox* priceEdit_ = nullptr;
    QRadioButton* howToSell_[3] = {};
    QLabel* marketValue_ = nullptr;
    // Contrato
    QLabel* contractPlayerName_ = nullptr;
    QSpinBox* newSalaryEdit_ = nullptr;
    // Mensagem
    QLabel* textMessage_ = nullptr;
    // Taça
    QPushButton* textCupOpponent_ = nullptr;
    QLabel* cupState_ = nullptr;

    QMenu* playerMenu_ = nullptr;
    QAction* acquisitions_ = nullptr;
    QAction* observed_ = nullptr;
    QToolButton* showCardsBtn_ = nullptr;
};

// The club screen of a human coach's club for its game of the round (ComputerRound opens it through the
// user port); returns when the coach has played or left the career.
void RunClubScreen(TWorld& world, TTeam& club, QWidget* parent);
