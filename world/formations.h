#pragma once
// The formations a coach can pick on the club screen: one goalkeeper and the numbers of defenders,
// midfielders and forwards, named by a three-digit code (442 is four defenders, four midfielders and two
// forwards). Some are offered as a menu command, some as a label of the selection page, most as both.
#include <array>
#include <cstdint>

struct TFormation {
    int code;
    int defenders;
    int midfielders;
    int forwards;
    bool inMenu;
    bool asLabel;
};

extern const std::array<TFormation, 13> formations;

// The formation with this code, or nullptr.
const TFormation* FormationByCode(int code);
