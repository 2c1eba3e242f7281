#include "ui/game/club/club_gauge.h"

#include "foundation/row_markup.h"
#include "ui/common/kol_form.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <algorithm>

QColor GaugeColour(TColor colour) {
    if (colour == kRowGreen) return QColor(0, 255, 0);
    if (colour == kRowYellow) return QColor(255, 255, 0);
    return QColor(255, 0, 0);
}

TClubGauge::TClubGauge(int labelTag, QWidget* parent) : QWidget(parent) {
    label_ = TaggedLabel(this, labelTag);
    bar_ = new QProgressBar(this);
    bar_->setTextVisible(true);
    bar_->setFormat("%v");
    bar_->setMinimumWidth(120);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(label_);
    layout->addWidget(bar_, 1);
}

void TClubGauge::SetValue(int progress, int maximum, TColor colour, const QString& hint) {
    colour_ = GaugeColour(colour);
    bar_->setRange(0, std::max({maximum, progress, 1}));
    bar_->setValue(std::max(0, progress));
    bar_->setStyleSheet(
        QString("QProgressBar { border: 1px solid #404040; background: #e8e8e8; color: black; "
                "text-align: center; } QProgressBar::chunk { background: %1; }")
            .arg(colour_.name()));
    if (!hint.isEmpty()) {
        bar_->setToolTip(hint);
        label_->setToolTip(hint);
    }
}

void TClubGauge::SetLabelWidth(int width) {
    label_->setFixedWidth(width);
}

int TClubGauge::LabelWidthNeeded() const {
    return label_->fontMetrics().horizontalAdvance(label_->text());
}

int TClubGauge::Progress() const {
    return bar_->value();
}
