#include "season/cup_round.h"

#include "foundation/currency.h"
#include "foundation/format_text.h"
#include "foundation/numeric.h"
#include "foundation/texts.h"

#include <cmath>

namespace {
constexpr int kFinalText = 25;
constexpr int kSemiFinalText = 26;
constexpr int kQuarterFinalText = 27;
constexpr int kNumberedRoundText = 275;
} // namespace

bool CupPlaysInRound(int allTeams, int round) {
    const int k = (18 - round) / 2;
    return static_cast<long double>(allTeams) > nearest(std::pow(2.0L, k));
}

TCupRoundShape CupRoundShape(int cupTeams, int allTeams, const CurrencyRecord& currency) {
    TCupRoundShape shape;
    int d = 1;
    while (cupTeams * 0.5L > d) d *= 2;
    shape.teamsAfter = d;
    shape.games = cupTeams - d;
    if (d == 1) {
        shape.nameText = kFinalText;
    } else if (d <= 3) {
        shape.nameText = kSemiFinalText;
        shape.bonus = currency.bonusSemiFinal;
    } else if (d <= 7) {
        shape.nameText = kQuarterFinalText;
        shape.bonus = currency.bonusQuarterFinal;
    } else {
        shape.nameText = kNumberedRoundText;
        // The first i >= 1 with cupTeams >= allTeams / 2^(i-1): the first round is 1, each halving one more.
        int i = 1;
        while (static_cast<long double>(cupTeams) < allTeams / std::pow(2.0L, i - 1)) ++i;
        shape.roundNumber = i;
    }
    return shape;
}

std::string CupRoundName(const TCupRoundShape& shape) {
    if (shape.nameText == kNumberedRoundText) return Format(GetText(kNumberedRoundText), {shape.roundNumber});
    return GetText(shape.nameText);
}
