#pragma once
// The rows of the editor's lists: the shared row painter, a selection frame that shows on any club colour,
// and, in the team list, each country's flag in front of its code.
#include "ui/common/row_delegate.h"

#include <QHash>
#include <QPixmap>
#include <functional>
#include <string>

class TObjectRowDelegate final : public TRowDelegate {
    Q_OBJECT
public:
    explicit TObjectRowDelegate(QObject* parent = nullptr);

    // Draws the flag of the row's country in the column that starts `left` pixels into the row and is
    // `width` wide; `countryOf` gives the row object's country code.
    void ShowFlags(const std::string& dataDir, int left, int width,
                   std::function<std::string(const TKolObject*)> countryOf);

    // Rows whose object `marked` picks are painted on light yellow, unless the object has colours of its own.
    void MarkRows(std::function<bool(const TKolObject*)> marked) { marked_ = std::move(marked); }

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

    // The frame a selected row gets: a dark and a light ring, one of which stands out on any background.
    static void PaintSelectionFrame(QPainter& painter, const QRect& rect, const QColor& highlight);

private:
    QPixmap Flag(const std::string& code, int height) const;

    std::string dataDir_;
    int flagLeft_ = -1;
    int flagWidth_ = 0;
    std::function<std::string(const TKolObject*)> countryOf_;
    std::function<bool(const TKolObject*)> marked_;
    mutable QHash<QString, QPixmap> flags_;
};
