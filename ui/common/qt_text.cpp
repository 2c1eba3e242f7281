#include "ui/common/qt_text.h"

#include "foundation/encoding.h"
#include "foundation/file_helpers.h"

#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QPalette>
#include <QWidget>

QString ToQString(std::string_view cp1252) {
    return QString::fromStdString(Cp1252ToUtf8(cp1252));
}

std::string FromQString(const QString& text) {
    return Utf8ToCp1252(text.toStdString());
}

QString PathToQt(const std::string& path) {
    return QFile::decodeName(QByteArray::fromStdString(ToNativePath(path)));
}

std::string PathFromQt(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

namespace {
// The system colour indexes the program meets; others fall back to the window text colour.
QColor SystemColor(int index) {
    const QPalette palette = QGuiApplication::palette();
    switch (index) {
    case 5:
        return palette.color(QPalette::Base); // window background
    case 8:
        return palette.color(QPalette::Text); // window text
    case 13:
        return palette.color(QPalette::Highlight); // selected item
    case 14:
        return palette.color(QPalette::HighlightedText);
    case 15:
        return palette.color(QPalette::Button); // button face
    case 18:
        return palette.color(QPalette::ButtonText);
    case 24:
        return palette.color(QPalette::ToolTipBase);
    case 23:
        return palette.color(QPalette::ToolTipText);
    default:
        return palette.color(QPalette::Text);
    }
}
} // namespace

QColor ToQColor(TColor color) {
    if (color < 0) return SystemColor(color & 0xFF);
    return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

TColor FromQColor(const QColor& color) {
    return static_cast<TColor>(color.red() | (color.green() << 8) | (color.blue() << 16));
}

void SetHeadingFont(QWidget* widget) {
    QFont big = widget->font();
    big.setPointSizeF(big.pointSizeF() * 1.4);
    big.setBold(true);
    widget->setFont(big);
}
