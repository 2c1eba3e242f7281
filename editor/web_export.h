#pragma once
// The web export: a small static site in <webDirectory>/equipas that lists the effective teams by country
// and links every team to its file. The pages are fixed Portuguese HTML.
#include "editor/editor_team.h"
#include "foundation/kol_list.h"

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

// The file date as the system shows dates and times.
using TFileDateFormatter = std::function<std::string(std::filesystem::file_time_type)>;

struct TWebExportResult {
    std::string folder;              // <webDirectory>/equipas
    std::vector<std::string> pages;  // every page write in order (a country met twice is written twice)
    std::vector<std::string> images; // pictures written (existing ones are left alone)
};

// "dd-mm-yyyy hh:mm" in local time.
std::string DefaultFileDateText(std::filesystem::file_time_type date);

// Writes the pages of the teams in list order, skipping provisory teams. The flags are copied from
// <dataDir>/flags (flags/<CODE>.BMP, as the pages name them); "bolafut.gif" and "../grama2.jpg" are drawn
// when they are missing. Paths in the pages use "/". EInOutError when a file cannot be written.
TWebExportResult ExportWebSite(const TKolList<TEditorTeam>& teams, const std::string& webDirectory,
                               const std::string& dataDir, const TFileDateFormatter& formatDate = {});
