#pragma once
// The sale order of a human club for one of its players: the asking price in thousands and how to sell
// (not for sale, auction now, listed at the price). OK hands the order to the club's rules (HumanSell):
// a refused order shows why and the window stays; an auction runs at once (its window shows it); a
// listing waits for a buyer until the round ends.
#include "ui/common/kol_form.h"

class QButtonGroup;
class QLabel;
class QPushButton;
class QSpinBox;
class TPlayer;
class TTeam;
class TWorld;

class TsaleOrderDlg final : public TKolForm {
    Q_OBJECT
public:
    TsaleOrderDlg(TTeam& club, TPlayer& player, QWidget* parent = nullptr);

    QSpinBox* SpinSellPrice() const { return spinSellPrice_; }
    // The items of the choice: 0 not for sale, 1 auction now, 2 listed at the price (the player's saleMode).
    QButtonGroup* RadioHowToSell() const { return radioHowToSell_; }
    QLabel* TextMessage() const { return textMessage_; }
    QPushButton* OKBtn() const { return okBtn_; }
    // The answer of the club's rules to the last order: 0 accepted, else the reason it was refused
    // (-1 before any order).
    int Reason() const { return reason_; }

    // Hands the order to the rules; closes when it was accepted. OK and Enter do this.
    void sellBtnClick();
    void accept() override;

private:
    TTeam& club_;
    TPlayer& player_;
    int reason_ = -1;
    QSpinBox* spinSellPrice_;
    QButtonGroup* radioHowToSell_;
    QLabel* textMessage_;
    QPushButton* okBtn_;
};

// Shows the sale order window for `player` of `club`: the rules' answer to the order given (0 accepted,
// 1..7 the reason the last order was refused), or -1 when the window was closed before any order.
int ShowSellPlayer(TWorld& world, TTeam& club, TPlayer& player, QWidget* parent);
