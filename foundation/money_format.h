#pragma once
// Amounts of money as the language shows them: as digits with blanks between the thousands and the currency's
// symbol, or, when the language's text 189 begins with "A", in words (texts 189 to 197, for example
// "2 million and 500 thousand"). The texts come from the start-up text slots.
#include <cstdint>
#include <string>
#include <string_view>

std::string FormatMoney(std::int64_t amount, std::string_view symbol);
