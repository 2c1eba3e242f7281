#pragma once
// The game folder as the program finds it (--data-dir DIR, else the program's own folder): where the
// windows find the flags.
#include <string>

std::string GameFolderOfProgram();
