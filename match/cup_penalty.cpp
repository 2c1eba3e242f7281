#include "match/cup_penalty.h"

#include "foundation/row_markup.h"
#include "foundation/texts.h"
#include "world/player.h"

namespace {

constexpr int kKickTextBase = 304; // + the kick's code; the base itself stands for a kick not taken yet
constexpr std::size_t kNameLength = 12;
constexpr int kCellWidth = 108; // twelve characters and a gap before the next cell
constexpr int kSeparatorWidth = 16;

} // namespace

std::string TCupPenalty::GetListText(int /*mask*/) const {
    TRowMarkup row;
    for (std::size_t side = 0; side < 2; ++side) {
        const std::string placeholder = GetText(kKickTextBase);
        row.Cell(kCellWidth,
                 takers[side] != nullptr ? takers[side]->PlainName().substr(0, kNameLength) : placeholder);
        row.Cell(kCellWidth, GetText(kKickTextBase + results[side]));
        if (side == 0) row.Cell(kSeparatorWidth, "-");
    }
    return row.Text();
}
