#pragma once
// The league tables after a round: the four leagues, ten clubs each, in the order the rules sorted them,
// each row with the face of its table status, the club's flag, name and record on its colours. A
// double-click (or Enter) on a club opens its squad view, the self-closing timer stopped meanwhile. With
// auto-close on, the dialog closes itself at the 10th tick of its 1-second timer (scaled by the season
// pace, season_pace.h); Close (or Escape) closes it at any time. The dialog only shows the tables: it
// sorts nothing.
#include "ui/common/kol_form.h"

#include <array>

class QLabel;
class QListView;
class QPushButton;
class QTimer;
class TObjectListModel;
class TTeam;
class TWorld;

class TclassificationDlg final : public TKolForm {
    Q_OBJECT
public:
    static constexpr int kLeagues = 4;
    static constexpr int kAutoCloseTicks = 10;

    // `viewerClub` is the club the squad view treats as the viewer's own (nullptr: none).
    TclassificationDlg(TWorld& world, int round, bool autoClose, TTeam* viewerClub,
                       QWidget* parent = nullptr);

    QLabel* LabelCaption() const { return labelCaption_; }
    QListView* ListBoxDivision(int league) const { return lists_.at(static_cast<std::size_t>(league)); }
    QPushButton* OKBtn() const { return okBtn_; }
    QTimer* Timer() const { return timer_; }
    int Ticks() const { return ticks_; }
    // The club on `row` of league `league`, or nullptr.
    TTeam* ClubAt(int league, int row) const;

    // One tick of the self-closing timer.
    void Tick();
    // Opens the squad view of `club`; the self-closing timer waits meanwhile.
    void OpenSquadView(TTeam& club);

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TWorld& world_;
    TTeam* viewerClub_;
    bool autoClose_;
    int ticks_ = 0;
    QLabel* labelCaption_;
    std::array<QListView*, kLeagues> lists_{};
    std::array<TObjectListModel*, kLeagues> models_{};
    QPushButton* okBtn_;
    QTimer* timer_;
};

// The classification dialog after `round` (the final table's caption for round 0 or less), modal over
// `parent`.
void ShowClassificationDialog(TWorld& world, int round, bool autoClose, QWidget* parent,
                              TTeam* viewerClub = nullptr);
