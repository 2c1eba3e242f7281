#pragma once
// The auction window (TsellPlayerDlg): the player on offer, his base price and the salary he asks, and
// the clubs' turns paced by a timer that asks the core's auction for its next bidder (computer clubs bid
// before it opens). When a human club's turn comes the offer panel shows in that club's colours with the
// coach's name and cash; the typed offer (in thousands, hidden as "X" when the coach wants it) goes to the
// auction, and the timer goes on. After the close the result stays about a second and the window closes
// itself; it cannot be closed otherwise. The rules are the auction's own: the window only paces and asks.
#include "ui/common/kol_form.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QStackedLayout;
class QTimer;
class QWidget;
class TAuction;

class TsellPlayerDlg final : public TKolForm {
    Q_OBJECT
public:
    // Ticks after the close before the window closes itself.
    static constexpr int kClosingTicks = 50;

    TsellPlayerDlg(TAuction& auction, QWidget* parent = nullptr);

    // 20 ms by default.
    void SetTickInterval(int milliseconds);
    // One tick of the timer: the next club's turn, or the countdown after the close.
    void TimerTick();

    QWidget* PanelHumanOffer() const { return panelHumanOffer_; }
    QLabel* TextCoachName() const { return textCoachName_; }
    QLabel* TextCash() const { return textCash_; }
    QLineEdit* TextHumanOffer() const { return textHumanOffer_; }
    QPushButton* OfferBtn() const { return offerBtn_; }
    QPushButton* WithdrawBtn() const { return withdrawBtn_; }
    QLabel* TextTransferred() const { return textTransferred_; }
    QLabel* TextPlayer() const { return textPlayer_; }
    // The auction the window paces, for a caller that reads its state (who leads, for how much).
    const TAuction& ShownAuction() const { return auction_; }

    // Hands the typed offer to the auction (a non-number withdraws) and hides the panel.
    void OfferBtnClick();
    void WithdrawBtnClick();

    // Closing is refused until the auction is over.
    void reject() override;

private:
    void ShowOfferPanel();

    TAuction& auction_;
    int closingTicks_ = 0;
    QTimer* timer1_;
    QLabel* textPlayer_;
    QLabel* textFlag_;
    QLabel* textPrices_;
    QStackedLayout* offerBox_; // the offer panel or the result line
    QWidget* panelHumanOffer_;
    QLabel* textCoachName_;
    QLabel* textCash_;
    QLabel* labelOffer_;
    QLineEdit* textHumanOffer_;
    QPushButton* offerBtn_;
    QPushButton* withdrawBtn_;
    QLabel* textTransferred_;
};

// The tick of every auction window opened from now on (20 ms unless set; a test sets 1).
void SetAuctionTickInterval(int milliseconds);

// Runs a shown auction in the window until it closes.
void RunAuctionWindow(TAuction& auction, QWidget* parent);
