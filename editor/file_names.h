#pragma once
// The team-file names the editor builds when it loads a team.
#include <string>

// The allowed characters of a team-file name: "-", ".", "0"-"9", "A"-"Z", "_" and "a"-"z".
bool IsFileNameChar(char c);
// The name part (the text before the last ".") and the extension (after it; empty without a ".").
std::string FileNamePart(const std::string& fileName);
std::string FileExtensionPart(const std::string& fileName);
// Keeps only the allowed characters of the name part; "team" when nothing remains; then "." + extension.
std::string CorrectedFileName(const std::string& fileName, const std::string& extension);
// A name from the team's short name: blanks, "." and "\" dropped, every character after the first
// lower-cased, then "." + extension.
std::string FileNameFromShortName(const std::string& shortName, const std::string& extension);
