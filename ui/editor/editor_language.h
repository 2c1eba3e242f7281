#pragma once
// The editor's language: its labels file and text slots, and the locale its windows write dates and
// numbers in, which is the chosen language's and not the system's.
#include <string>

// Opens the language `code` of the data folder (EFileNotFound / EInvalidFile as StartLanguage) and makes
// its locale the program's.
void StartEditorLanguage(const std::string& dataDir, const std::string& code);
