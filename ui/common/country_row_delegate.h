#pragma once
// One country drawn into a list or combo box row: its flag at the left edge, its name 44 pixels in, and,
// when counts are shown, how many of its teams are still wanted with the word "club"/"clubs". A row whose
// text is no country name shows just that text.
#include <QHash>
#include <QPixmap>
#include <QStyledItemDelegate>
#include <string>

class TCountryRowDelegate final : public QStyledItemDelegate {
    Q_OBJECT
public:
    static constexpr int kRowHeight = 31;
    static constexpr int kNameLeft = 44;
    static constexpr int kCountEdge = 254; // the count ends here, the word starts here
    static constexpr int kTextTop = 5;

    // `gameDir` holds the "flags" folder.
    TCountryRowDelegate(std::string gameDir, bool showCounts, QObject* parent = nullptr);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

    // Draws the row of `text` into `rect` (also used for the closed combo box).
    void PaintRow(QPainter& painter, const QRect& rect, const QString& text, bool current) const;
    // The flag of a country, or a null pixmap when its file is missing or fails its checksum.
    QPixmap Flag(const std::string& code) const;

private:
    std::string gameDir_;
    bool showCounts_;
    mutable QHash<QString, QPixmap> flags_;
};
