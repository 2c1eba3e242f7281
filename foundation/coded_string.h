#pragma once
// The reversible byte coding of texts in the data files. One step adds every byte to the coded byte before
// it (the first to the length byte); the length byte itself never changes. A field coded "N times" has the
// step applied N times in succession; the file primitives apply it once.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// Applies the coding step `times` times (0 counts as once). The text is a short string: at most 255 bytes
// take part, longer texts are cut to 255.
std::string EncodeCodedString(std::string_view text, int times = 1);
std::string DecodeCodedString(std::string_view coded, int times = 1);

// The same steps on `length` bytes (at most 255) where they lie; the length byte is `length` itself.
void EncodeCodedBytes(std::uint8_t* bytes, std::size_t length, int times = 1);
// Decodes a short string where it lies (at most 255 bytes: a longer one is cut to 255 first).
void DecodeCodedStringInPlace(std::string& coded, int times = 1);
