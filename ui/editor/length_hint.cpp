#include "ui/editor/length_hint.h"

#include <QEvent>
#include <QLineEdit>

TLengthHint::TLengthHint(QLineEdit* field) : QLabel(field), field_(field) {
    setObjectName(field->objectName() + QStringLiteral("LengthHint"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    QPalette p = palette();
    p.setColor(QPalette::WindowText, p.color(QPalette::Disabled, QPalette::Text));
    setPalette(p);
    QFont small = font();
    small.setPointSizeF(small.pointSizeF() * 0.8);
    setFont(small);
    connect(field, &QLineEdit::textChanged, this, [this] { Update(); });
    field->installEventFilter(this);
    Update();
}

void TLengthHint::Update() {
    setText(QStringLiteral("%1/%2").arg(field_->text().size()).arg(field_->maxLength()));
    Place();
}

// At the right edge, inside the frame; the text of the field stops short of it.
void TLengthHint::Place() {
    const QString widest = QStringLiteral("%1/%1").arg(field_->maxLength());
    const int width = fontMetrics().horizontalAdvance(widest) + 6;
    setGeometry(field_->width() - width - 4, 0, width, field_->height());
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QMargins margins = field_->textMargins();
    margins.setRight(width);
    field_->setTextMargins(margins);
}

bool TLengthHint::eventFilter(QObject* watched, QEvent* event) {
    if (watched == field_ && event->type() == QEvent::Resize) Place();
    return QLabel::eventFilter(watched, event);
}

void ShowLengthHints(std::initializer_list<QLineEdit*> fields) {
    for (QLineEdit* field : fields)
        if (field) new TLengthHint(field);
}
