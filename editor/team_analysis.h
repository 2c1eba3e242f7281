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

// Reports every run of two or more teams with the same short name and of players with the same name; the
// runs come in name order. The model's lists keep their order.
TAnalysisResult AnalyseDuplicates(TEditorModel& model, const TAnalysisProgress& progress = {});
