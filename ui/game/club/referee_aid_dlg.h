#pragma once
// The referee aid: how the referee of a game leans toward each club. Each club's name in its colours
// with a face that is the happier the more the referee favours it, and a pair of scales whose beam tips
// toward the favoured side and whose pans fill with each side's favour.
#include "ui/common/kol_form.h"

#include <string>

class QLabel;
class TGame;
class TTrevanButton;
class TWorld;

// The face shown for a club the referee favours by `favour`: "happy1.bmp" (10 and more) to "happy4.bmp"
// (below 4).
std::string FavourPicture(int favour);
// How full a pan of the scales is drawn, in per cent: favour × 100 ÷ 15, held to 0..100.
int PanFillPercent(int favour);

// The scales: beam, stand and two pans with the clubs' names under them.
class TRefereeScales final : public QWidget {
public:
    TRefereeScales(int homeFavour, int awayFavour, QString homeName, QString awayName, QWidget* parent);
    QSize sizeHint() const override { return QSize(300, 200); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int homeFavour_;
    int awayFavour_;
    QString homeName_;
    QString awayName_;
};

class TRefereeAidDlg final : public TKolForm {
    Q_OBJECT
public:
    // The faces come from the folder "Icons" of `gameDir`; a missing or damaged picture is left out.
    TRefereeAidDlg(TGame& game, const std::string& gameDir, QWidget* parent = nullptr);

    QLabel* LabelCaption() const { return labelCaption_; }
    QLabel* TextHomeTeam() const { return textHomeTeam_; }
    QLabel* TextAwayTeam() const { return textAwayTeam_; }
    QLabel* PictureHome() const { return pictureHome_; }
    QLabel* PictureAway() const { return pictureAway_; }
    TTrevanButton* CloseBtn() const { return closeBtn_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QLabel* labelCaption_;
    QLabel* textHomeTeam_;
    QLabel* textAwayTeam_;
    QLabel* pictureHome_;
    QLabel* pictureAway_;
    TRefereeScales* paintBoxLira_;
    TTrevanButton* closeBtn_;
};

// The referee aid of `game`, its faces taken from the game folder of the program's settings.
void ShowRefereeAid(TWorld& world, TGame& game, QWidget* parent);
