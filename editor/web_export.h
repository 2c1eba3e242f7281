#pragma once
// The web export: a small static site in <webDirectory>/equipas that lists the effective teams by country
// and links every team to its file, written beside the pages. The pages are fixed Portuguese HTML.
#include "editor/editor_team.h"
#include "foundation/kol_list.h"

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

// The file date as the system shows dates and times.
using TFileDateFormatter = std::function<std::string(std::filesystem::file_time_type)>;

struct TWebExportResult {
    std::string folder;                 // <webDirectory>/equipas, as an absolute path
    std::vector<std::string> pages;     // the country pages in code order, then the index
    std::vector<std::string> teamFiles; // the team files written beside the pages
    std::vector<std::string> images;    // pictures written (existing ones are left alone)
};

// "dd-mm-yyyy hh:mm" in local time.
std::string DefaultFileDateText(std::filesystem::file_time_type date);

// Writes one page per country code (codes in order, each country's teams in list order, provisory teams
// left out) and the index of the countries, whatever order the list is in. Each team's file is written
// beside the pages in format `fileVersion`, as the editor holds the team, under its name part with that
// format's extension. The flags are copied from <dataDir>/flags (flags/<CODE>.BMP, as the pages name
// them); "bolafut.gif" and "../grama2.jpg" are drawn when they are missing. Paths in the pages use "/".
// EInOutError when a file cannot be written.
TWebExportResult ExportWebSite(const TKolList<TEditorTeam>& teams, const std::string& webDirectory,
                               const std::string& dataDir, int fileVersion,
                               const TFileDateFormatter& formatDate = {});
