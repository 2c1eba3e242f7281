#pragma once
// The game files a career can be continued from or started in: the saved games of the folder "GAMES"
// (extension "kbg"), each with the description its header begins with (the human coaches and the time of
// the save), and the checks the game selection makes before it lets a choice go on.
#include <cstdint>
#include <string>
#include <vector>

inline constexpr const char* kGamesFolder = "GAMES";
inline constexpr const char* kGameFileExtension = "kbg";

struct TGameFileEntry {
    std::string path;        // the folder and the file name
    std::string fileName;    // without the folder
    std::uintmax_t size = 0; // 0: an empty file (a new game never saved), which cannot be continued
    std::string description; // the header's first text; empty when the file is empty or unreadable
};

// The regular files of `gamesDir` whose extension is "kbg" (any letter case), by file name. A missing
// folder gives none.
std::vector<TGameFileEntry> ListGameFiles(const std::string& gamesDir);

// The description at the start of a game file (Windows-1252), or empty when the file cannot be opened, is
// not a regular file, or is too short to hold it.
std::string ReadGameDescription(const std::string& path);

// The size of a regular file, 0 when it is missing, empty or no regular file: a saved game can be
// continued only when this is above 0.
std::uintmax_t GameFileSize(const std::string& path);

// The path a typed name stands for: a name without a folder goes into `gamesDir`, and a name without an
// extension gets ".kbg". Blanks around the name are dropped; an empty name stays empty.
std::string GameFilePathFor(const std::string& gamesDir, const std::string& typed);

// A name for a new game that no file of `gamesDir` has yet: "game1.kbg", "game2.kbg", ...
std::string ProposeNewGameFile(const std::string& gamesDir);

// Makes sure a new game can be written at `path` (its folder is created when missing). A missing file is
// created empty, as the game selection reserves its name; an existing file is left as it is, so the career
// it holds is replaced only when the new career is saved over it in one piece. False when the file cannot
// be created or written, and then `reason` (when given) names the file or folder and the system's reason.
bool PrepareNewGameFile(const std::string& path, std::string* reason = nullptr);

// Gives back the name a new game reserved when the career ends before its first save (its countries were
// not chosen, or the world could not be built): the file goes only while it is still empty, so a saved
// career is never touched. Nothing happens to a missing path or to anything but a regular file.
void ReleaseReservedGameFile(const std::string& path);
