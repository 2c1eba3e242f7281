#pragma once
// Texts inside the program are byte strings in Windows-1252, as in every file it reads and writes.
// These convert at the edges (readable UTF-8 sources, Qt, JSON).
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

std::string Cp1252ToUtf8(std::string_view text);
// Characters that Windows-1252 cannot hold become '?'. Malformed UTF-8 bytes are taken as Latin-1.
std::string Utf8ToCp1252(std::string_view text);

// A character of a UTF-8 text that Windows-1252 cannot hold.
struct TUnencodable {
    std::size_t offset = 0;      // its first byte in the UTF-8 text
    std::uint32_t codePoint = 0; // e.g. 0x0141 for "Ł"
    std::string character;       // the character itself, in UTF-8, for a message
};
// The first character of `utf8` that Utf8ToCp1252 would turn into '?', or nothing when every character
// fits. Malformed bytes are not reported here (Utf8ToCp1252 keeps them as Latin-1 bytes).
std::optional<TUnencodable> FirstNotInCp1252(std::string_view utf8);
// Upper-cases a Windows-1252 text (ASCII letters and the accented Latin letters).
std::string UpperCp1252(std::string_view text);
