#pragma once
// One line of a shoot-out: a pair of kicks, the home side's and the away side's.
#include "foundation/kol_object.h"

#include <array>
#include <cstdint>

class TPlayer;

class TCupPenalty : public TKolObject {
public:
    std::array<TPlayer*, 2> takers{};      // home, away; nullptr until the kick is taken
    std::array<std::uint8_t, 2> results{}; // the kicks' codes (1 a goal, 2..6 a miss); 0 not taken yet

    // For each side the taker's name (its first twelve characters) and the kick's text (text 304 + code; text
    // 304 itself, "...", until the kick is taken), with a separator cell after the home half.
    std::string GetListText(int mask) const override;
};
