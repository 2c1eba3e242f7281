#pragma once
// A gauge of the club screen: a captioned bar whose length is a value times ten and whose colour tells
// how good it is (green, yellow, red). The screen reads the value and the colour from the club; the gauge
// only draws them.
#include "foundation/kol_object.h"

#include <QColor>
#include <QWidget>

class QLabel;
class QProgressBar;

class TClubGauge final : public QWidget {
    Q_OBJECT
public:
    // `labelTag`: the text number of the caption.
    TClubGauge(int labelTag, QWidget* parent = nullptr);

    // The bar shows `progress` of `maximum` (the maximum grows to the progress) in the club's colour code
    // (a green, yellow or red of the row markup); `hint` explains the number.
    void SetValue(int progress, int maximum, TColor colour, const QString& hint = QString());
    // The bars of the header share one left edge: every caption takes this width.
    void SetLabelWidth(int width);
    int LabelWidthNeeded() const;

    int Progress() const;
    // The colour the bar is drawn in: pure green, yellow or red.
    QColor Colour() const { return colour_; }
    QLabel* Label() const { return label_; }
    QProgressBar* Bar() const { return bar_; }

private:
    QLabel* label_;
    QProgressBar* bar_;
    QColor colour_;
};

// The bar colour of a colour code: the row markup's green is drawn as pure green (0, 255, 0).
QColor GaugeColour(TColor colour);
