#pragma once
// A label that writes its text on a club's colours, behind the club's flag.
#include <QLabel>

class TTeam;

class TClubLabel final : public QLabel {
    Q_OBJECT
public:
    explicit TClubLabel(QWidget* parent = nullptr);
    // The club whose colours and flag the label shows (nullptr: a plain label).
    void SetClub(const TTeam* club);
    const TTeam* Club() const { return club_; }
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const TTeam* club_ = nullptr;
};
