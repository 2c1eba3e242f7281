#pragma once
// The squad list of the club screen: one row per player of the club in the squad's own order, the
// player's row columns with the card column only while the coach shows cards, and a line under a player
// whose neighbour below plays in another position. A click reports the player; a release of the mouse
// near the list's left edge reports him as a line-up click (the screen cycles his role).
#include <QWidget>

class QListView;
class TObjectListView;
class TPlayer;
class TTeam;

class TSquadList final : public QWidget {
    Q_OBJECT
public:
    // How far from the left edge a release counts as a line-up click, in pixels.
    static constexpr int kLineupEdge = 20;

    TSquadList(TTeam& club, bool showCards, QWidget* parent = nullptr);

    // The column mask of the rows.
    int Mask() const;
    void SetShowCards(bool show);
    bool ShowCards() const { return showCards_; }
    // Reads the squad again (order, roles, prices).
    void Refresh();
    void Select(const TPlayer* player);
    void ClearSelection();

    TObjectListView* List() const { return list_; }
    QListView* View() const;
    // The player on a row, and the row's rectangle in the view's viewport (tests click there).
    TPlayer* PlayerAt(int row) const;
    int RowOf(const TPlayer* player) const;
    QRect RowRect(int row) const;

signals:
    void PlayerClicked(TPlayer* player);
    void LineupClicked(TPlayer* player);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Build();

    TTeam& club_;
    bool showCards_;
    TObjectListView* list_ = nullptr;
};
