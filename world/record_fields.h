#pragma once
// Field helpers shared by the saved-game records of the world (divisions, games, calendars).
#include "foundation/binary_file.h"

#include <cstddef>
#include <cstdint>
#include <string>

// A text field of fixed width: a length byte, then `width` bytes of which the first `length` hold the text
// and the rest are written as zeros. A longer text is cut to the width.
void WriteFixedText(TBinaryWriter& out, const std::string& text, std::size_t width);
// A length above the width raises EInvalidFile saying "<what> longer than its field".
std::string ReadFixedText(TBinaryReader& in, std::size_t width, const std::string& what);

// A list as an i16 count of its entries, then each entry; the empty cells of the list are left out.
template <class List, class WriteOne>
void WriteCountedList(TBinaryWriter& out, const List& list, WriteOne write) {
    std::int16_t count = 0;
    for (const auto* item : list)
        if (item) ++count;
    out.I16(count);
    for (const auto* item : list)
        if (item) write(out, *item);
}
// The i16 count in front of a list; a negative count raises EInvalidFile with `message`.
int ReadCount(TBinaryReader& in, const std::string& message);
