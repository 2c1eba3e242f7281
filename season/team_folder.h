#pragma once
// The team files of a new career, read once. The country selection counts the clubs of each country
// from them and the world is built from the same reading: each file is opened a single time however often
// the set-up walks the folder.
#include "datafiles/team_file.h"

#include <exception>
#include <string>
#include <vector>

class TCountry;

struct TScannedTeamFile {
    std::string path;
    TTeamFile file;            // the whole file, or its header and team record when the rest is damaged
    std::exception_ptr damage; // the error of a file whose squad or coach could not be read; raised when
                               // that club is chosen, as reading it then would
};

// The files with the extension "kbt" in `teamsDir` (regular files only), in file-name order, each read
// whole with the given data format. A file whose team record cannot be read raises its file error.
std::vector<TScannedTeamFile> ScanTeamFolder(const std::string& teamsDir, int version);

// The team folder as messages name it: its path, followed by the system's reason in brackets when the
// folder cannot be read (missing, not a folder, no access).
std::string DescribeTeamFolder(const std::string& teamsDir);

// Sets every country's wantedTeams to its number of files among `files` (files of unknown countries count
// for none) and returns the countries that have any, in the order their first file was found.
std::vector<TCountry*> CountTeamsByCountry(const std::vector<TScannedTeamFile>& files);
