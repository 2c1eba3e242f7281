#include "foundation/money_format.h"

#include "foundation/numeric.h"
#include "foundation/texts.h"

#include <limits>

namespace {
// The negative mark and the "one million" word are kept with their blank in a field of 21 characters, so a
// long word loses its end (and its blank) rather than pushing the amount away.
std::string Cut21(std::string s) {
    return s.substr(0, 21);
}

std::string InWords(std::int64_t amount, std::string_view symbol) {
    const std::string sym(symbol);
    if (amount == 0) return SlotText(190);
    if (amount < 0) {
        if (amount == std::numeric_limits<std::int64_t>::min()) ++amount; // its opposite does not exist
        return Cut21(SlotText(191) + " ") + InWords(-amount, symbol);
    }
    if (amount >= 1000 && amount <= 1999) return SlotText(192) + sym;
    // Below a thousand this says "0 thousand": the game's amounts are whole thousands.
    if (amount <= 999999) return std::to_string(amount / 1000) + " " + SlotText(192) + sym;
    if (amount == 1000000) return SlotText(193) + sym;
    if (amount < 2000000) return Cut21(SlotText(194) + " ") + InWords(amount % 1000000, symbol);
    std::string text = std::to_string(amount / 1000000) + " " + SlotText(195);
    if (amount % 1000000 != 0) return text + " " + SlotText(197) + " " + InWords(amount % 1000000, symbol);
    return text + " " + SlotText(196) + sym;
}
} // namespace

std::string FormatMoney(std::int64_t amount, std::string_view symbol) {
    const std::string style = SlotText(189);
    if (style.empty() || style.front() != 'A') {
        // A currency's suffix comes with its own leading blank; a bare symbol gets one.
        const bool blank = !symbol.empty() && symbol.front() == ' ';
        return FormatThousands(amount, ' ') + (blank ? "" : " ") + std::string(symbol);
    }
    return InWords(amount, symbol);
}
