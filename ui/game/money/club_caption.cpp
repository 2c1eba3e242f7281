#include "ui/game/money/club_caption.h"

#include "ui/common/qt_text.h"
#include "world/team.h"

#include <QLabel>
#include <QPalette>

void ShowInClubColours(QLabel* label, const TTeam& club) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, ToQColor(club.BackColor()));
    palette.setColor(QPalette::WindowText, ToQColor(club.TextColor()));
    label->setPalette(palette);
    label->setAutoFillBackground(true);
    label->setMargin(6);
    QFont font = label->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.2);
    label->setFont(font);
}
