#pragma once
// The duplicate search of the editor: teams that share a short name and players of effective teams that
// share a name. Its lines are fixed Portuguese texts.
#include <functional>
#include <string>
#include <vector>

class TEditorModel;

struct TAnalysisResult {
    std::vector<std::string> teamLines;
    std::vector<std::string> playerLines;
};

// Progress of one scan: the list being scanned (0 teams, 1 players), items done and the item count.
using TAnalysisProgress = std::function<void(int scan, int done, int count)>;

// Sorts the all-teams list by short name and the all-players list by name (as the search leaves them),
// then reports every run of two or more.
TAnalysisResult AnalyseDuplicates(TEditorModel& model, const TAnalysisProgress& progress = {});
