#pragma once
// The one crossing between the core's texts (Windows-1252 byte strings) and Qt's Unicode strings, and
// between the core's Windows colour values (0x00BBGGRR) and QColor.
#include "foundation/kol_object.h"

#include <QColor>
#include <QString>
#include <string>
#include <string_view>

class QWidget;

QString ToQString(std::string_view cp1252);
// Characters Windows-1252 cannot hold become '?'.
std::string FromQString(const QString& text);

// Paths are not texts: the core holds them as the file system's own bytes (UTF-8 here), never as
// Windows-1252. These two are the one way a path crosses between Qt and the core, so a folder whose name
// holds letters outside ASCII works on every route.
QString PathToQt(const std::string& path);
std::string PathFromQt(const QString& path);

// A Windows colour value: red in the low byte, blue in the high byte. Negative values name the system's
// own colours (0x80000000 + index); they map to the application palette (window text, window, highlight...).
QColor ToQColor(TColor color);
TColor FromQColor(const QColor& color);

// A window's heading: its own font, bold and 1.4 times as large.
void SetHeadingFont(QWidget* widget);
