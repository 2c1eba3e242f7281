#pragma once
// The team check over a whole folder of team files, as `kolbrin-data team check` runs it: every file whose
// extension is "kbt" or "kot" is read and checked against the others' names. An entry that cannot be a
// team file (a folder, a pipe, a link that leads nowhere or in a loop) is reported on its own line and the
// rest are still checked.
#include <cstdint>
#include <string>
#include <vector>

struct TTeamFolderResult {
    std::string name;        // the file name in the folder
    std::uint32_t flags = 0; // TeamCheckFlags of a file that was read
    std::string problem;     // non-empty: the entry is not a readable team file, and why
};

// Throws std::runtime_error naming the folder when it is missing, not a folder or cannot be listed.
// The results are in file-name order; a file whose check passes is listed with flags 0. Duplicate names
// (letter case ignored) are found through a set of folded names, not by comparing every pair.
std::vector<TTeamFolderResult> CheckTeamFolder(const std::string& folder);
