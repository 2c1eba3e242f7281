#include "editor/team_analysis.h"

#include "editor/editor_model.h"

#include <algorithm>
#include <vector>

TAnalysisResult AnalyseDuplicates(TEditorModel& model, const TAnalysisProgress& progress) {
    TAnalysisResult result;

    // The search sorts its own copies of the lists: the user's order of the lists stays as it was.
    std::vector<const TEditorTeam*> teams;
    for (const TEditorTeam* t : model.Teams())
        if (t) teams.push_back(t);
    std::stable_sort(teams.begin(), teams.end(), [](const TEditorTeam* a, const TEditorTeam* b) {
        return a->attr.ShortName() < b->attr.ShortName();
    });
    const std::size_t teamCount = teams.size();
    for (std::size_t i = 0; i < teamCount;) {
        const TEditorTeam* first = teams[i];
        std::size_t j = i + 1;
        while (j < teamCount && teams[j]->attr.ShortName() == first->attr.ShortName()) ++j;
        if (j - i >= 2)
            result.teamLines.push_back("\tA equipa " + first->attr.ShortName() + " (" +
                                       first->currentFileName + ") " + std::to_string(j - i) + " vezes");
        if (progress) progress(0, static_cast<int>(j), static_cast<int>(teamCount));
        i = j;
    }

    std::vector<const TEditorPlayer*> players;
    for (const TEditorPlayer* p : model.Players())
        if (p) players.push_back(p);
    std::stable_sort(players.begin(), players.end(), [](const TEditorPlayer* a, const TEditorPlayer* b) {
        return a->attr.Name() < b->attr.Name();
    });
    const std::size_t playerCount = players.size();
    for (std::size_t i = 0; i < playerCount;) {
        std::size_t j = i + 1;
        while (j < playerCount && players[j]->attr.Name() == players[i]->attr.Name()) ++j;
        std::vector<const TEditorPlayer*> run;
        for (std::size_t k = i; k < j; ++k)
            if (players[k]->Team() && !players[k]->Team()->currentProvisory) run.push_back(players[k]);
        if (run.size() >= 2) {
            result.playerLines.push_back("\nO jogador " + players[i]->attr.Name() + " " +
                                         std::to_string(run.size()) + " vezes");
            for (const TEditorPlayer* p : run)
                result.playerLines.push_back("\t" + p->Team()->attr.ShortName() + " (" +
                                             p->Team()->currentFileName + ")");
        }
        if (progress) progress(1, static_cast<int>(j), static_cast<int>(playerCount));
        i = j;
    }
    return result;
}
