#pragma once
// Small file and text helpers used across the program. Paths are byte strings in the system's own file
// name encoding; both "\" and "/" are accepted as folder separators in every path the program stores.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

// The files of `directory` whose extension is `extension` (without the dot, case-insensitive), counted in
// file-name order; none gives an empty text. Otherwise one is picked with draw(count) and the result is
// directory + "/" + file name. The caller always gives the draw: a picture only decorates the screen, so
// the interface draws from a generator of its own and looking at pictures never moves a career's draws.
// An empty draw takes the first file.
std::string PickRandomFile(const std::string& directory, const std::string& extension,
                           const std::function<std::int32_t(std::int32_t)>& draw);

// The directory part of a path: the text before the last "\" or "/" (empty when there is none).
std::string ExtractDirPart(std::string_view path);
// The file name part: the text after the last "\" or "/".
std::string ExtractNamePart(std::string_view path);
// The path with every "\" turned into "/", so a path stored on another system opens here.
std::string ToNativePath(std::string_view path);

// Splits a file name at its first "." into the name and the extension (without the dot), each cut to its
// maximum length. No dot: the whole text is the name and the extension is empty.
void SplitFileName(std::string_view fileName, std::string& name, std::string& extension, std::size_t maxName,
                   std::size_t maxExtension);

// The first text when count is 1, the second otherwise.
const std::string& SingularPlural(std::int64_t count, const std::string& singular, const std::string& plural);

// The system's asterisk beep, when the sound option is on. The core only calls PlayBeep; the program sets
// the sound (the ui: the application's beep) and the question whether the sound option is on.
void SetBeepHandler(std::function<void()> beep, std::function<bool()> soundOn);
void PlayBeep();
