#include "ui/game/market/player_heading.h"

#include "foundation/texts.h"
#include "world/player.h"
#include "world/world_texts.h"

std::string PlayerHeading(const TPlayer& player) {
    return player.DisplayName() + " - " + TPlayer::PositionLongName(player.position()) + ", " +
           GetText(kTxtColLevel) + " " + std::to_string(player.level()) + ", " + GetText(kTxtColAge) + " " +
           std::to_string(player.age());
}
