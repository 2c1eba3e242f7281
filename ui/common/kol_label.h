#pragma once
// A label whose text stands out from the window: raised (lit from the top left), recessed (pressed into
// the surface) or with a drop shadow. It is a QLabel in every other respect, so forms give it its text like
// any label.
#include <QLabel>

class TKolLabel final : public QLabel {
    Q_OBJECT
public:
    enum class TStyle { Plain, Raised, Recessed, Shadowed };

    explicit TKolLabel(QWidget* parent = nullptr);
    TKolLabel(const QString& text, TStyle style, QWidget* parent = nullptr);

    void SetStyle(TStyle style);
    TStyle Style() const { return style_; }
    // The offset of the shadow or relief in pixels (1..8).
    void SetDepth(int depth);
    int Depth() const { return depth_; }
    // The shadow's colour (a dark grey by default).
    void SetShadowColor(const QColor& color);
    QColor ShadowColor() const { return shadow_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TStyle style_ = TStyle::Raised;
    int depth_ = 1;
    QColor shadow_{0x40, 0x40, 0x40, 170};
};
