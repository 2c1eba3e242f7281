#pragma once
// Texts inside the program are byte strings in Windows-1252, as in every file it reads and writes.
// These convert at the edges (readable UTF-8 sources, Qt, JSON).
#include <string>
#include <string_view>

std::string Cp1252ToUtf8(std::string_view text);
// Characters that Windows-1252 cannot hold become '?'. Malformed UTF-8 bytes are taken as Latin-1.
std::string Utf8ToCp1252(std::string_view text);
// Upper-cases a Windows-1252 text (ASCII letters and the accented Latin letters).
std::string UpperCp1252(std::string_view text);
