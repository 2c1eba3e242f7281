#pragma once
// The reversible byte coding of texts in the data files. One step adds every byte to the coded byte before
// it (the first to the length byte); the length byte itself never changes. A field coded "N times" has the
// step applied N times in succession; the file primitives apply it once.
#include <string>
#include <string_view>

// Applies the coding step `times` times (0 counts as once). The text is a short string: at most 255 bytes
// take part, longer texts are cut to 255.
std::string EncodeCodedString(std::string_view text, int times = 1);
std::string DecodeCodedString(std::string_view coded, int times = 1);
