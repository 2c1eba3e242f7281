#include "season/classification.h"

#include "foundation/format_text.h"
#include "foundation/texts.h"
#include "season/league_tables.h"
#include "world/world.h"

namespace {
constexpr int kFinalTableText = 35;
constexpr int kRoundTableText = 143;
} // namespace

void ShowClassification(TWorld& world, int round, bool autoClose) {
    SortLeagueTables(world, round);
    world.Port().ShowClassification(round, autoClose);
}

std::string ClassificationIcon(int tableStatus) {
    switch (tableStatus) {
    case 0:
        return "happy1_small.bmp";
    case 4:
        return "happy3_small.bmp";
    case 5:
        return "";
    case 1:
    case 3:
        return "happy2_small.bmp";
    default:
        return tableStatus > 4 || tableStatus == 2 ? "happy4_small.bmp" : "happy2_small.bmp";
    }
}

std::string ClassificationCaption(int round) {
    return round <= 0 ? GetText(kFinalTableText) : Format(GetText(kRoundTableText), {round});
}
