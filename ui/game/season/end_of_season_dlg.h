#pragma once
// The end of a season: the champion and the cup winner with their titles and coaches, the prizes paid, and
// the season's best scorers. The rules have paid the prizes and filled TSeasonHonours; the window only shows
// it. It closes by its button (Continue, Enter, Escape) or by itself at the 11th tick of its 1-second timer
// (scaled by the season pace, season_pace.h).
#include "ui/common/kol_form.h"

class QLabel;
class QListWidget;
class QPushButton;
class QTimer;
class TClubLabel;
class TSeasonHonours;

class TEndOfSeasonDlg final : public TKolForm {
    Q_OBJECT
public:
    static constexpr int kClosingTick = 11;

    explicit TEndOfSeasonDlg(const TSeasonHonours& honours, QWidget* parent = nullptr);

    TClubLabel* TextLeagueWinnerName() const { return textLeagueWinnerName_; }
    QLabel* TextLeagueWinnerTimes() const { return textLeagueWinnerTimes_; }
    QLabel* TextLeagueWinnerCoach() const { return textLeagueWinnerCoach_; }
    TClubLabel* TextCupWinnerName() const { return textCupWinnerName_; }
    QLabel* TextCupWinnerTimes() const { return textCupWinnerTimes_; }
    QLabel* TextCupWinnerCoach() const { return textCupWinnerCoach_; }
    QLabel* TextPrizeLeagueWinner() const { return textPrizeLeagueWinner_; }
    QLabel* TextPrizeLeagueSecond() const { return textPrizeLeagueSecond_; }
    QLabel* TextPrizeLeagueThird() const { return textPrizeLeagueThird_; }
    QLabel* TextPrizeCupWinner() const { return textPrizeCupWinner_; }
    QLabel* TextPrizeBestScorer() const { return textPrizeBestScorer_; }
    QLabel* LabelBestScorer() const { return labelBestScorer_; }
    QListWidget* ListBoxBestScorers() const { return listBoxBestScorers_; }
    QPushButton* OKBtn() const { return okBtn_; }
    QTimer* Timer() const { return timer_; }

    // One tick of the self-closing timer.
    void Tick();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    int ticks_ = 0;
    TClubLabel* textLeagueWinnerName_;
    QLabel* textLeagueWinnerTimes_;
    QLabel* textLeagueWinnerCoach_;
    TClubLabel* textCupWinnerName_;
    QLabel* textCupWinnerTimes_;
    QLabel* textCupWinnerCoach_;
    QLabel* textPrizeLeagueWinner_;
    QLabel* textPrizeLeagueSecond_;
    QLabel* textPrizeLeagueThird_;
    QLabel* textPrizeCupWinner_;
    QLabel* textPrizeBestScorer_;
    QLabel* labelBestScorer_;
    QListWidget* listBoxBestScorers_;
    QPushButton* okBtn_;
    QTimer* timer_;
};

// Shows the end of the season modally over `parent`.
void ShowEndOfSeasonDialog(const TSeasonHonours& honours, QWidget* parent);
