#pragma once
// A caption in a club's colours: its shirt colour behind, its text colour on it, bold, with a margin, so
// the club a money window belongs to shows at a glance.
class QLabel;
class TTeam;

void ShowInClubColours(QLabel* label, const TTeam& club);
