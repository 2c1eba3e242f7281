#include "editor/team_analysis.h"

#include "editor/editor_model.h"
#include "editor/list_sort.h"

TAnalysisResult AnalyseDuplicates(TEditorModel& model, const TAnalysisProgress& progress) {
    TAnalysisResult result;

    TKolList<TEditorTeam>& teams = model.Teams();
    teams.Pack();
    StableSortList(teams, [](const TEditorTeam* a, const TEditorTeam* b) {
        return a->attr.ShortName() <= b->attr.ShortName();
    });
    const int teamCount = teams.Count();
    for (int i = 0; i < teamCount;) {
        int j = i + 1;
        while (j < teamCount && teams[j]->attr.ShortName() == teams[i]->attr.ShortName()) ++j;
        if (j - i >= 2)
            result.teamLines.push_back("\tA equipa " + teams[i]->attr.ShortName() + " (" +
                                       teams[i]->currentFileName + ") " + std::to_string(j - i) + " vezes");
        if (progress) progress(0, j, teamCount);
        i = j;
    }

    TKolList<TEditorPlayer>& players = model.Players();
    players.Pack();
    StableSortList(players, [](const TEditorPlayer* a, const TEditorPlayer* b) {
        return a->attr.Name() <= b->attr.Name();
    });
    const int playerCount = players.Count();
    for (int i = 0; i < playerCount;) {
        int j = i + 1;
        while (j < playerCount && players[j]->attr.Name() == players[i]->attr.Name()) ++j;
        std::vector<const TEditorPlayer*> run;
        for (int k = i; k < j; ++k)
            if (players[k]->Team() && !players[k]->Team()->currentProvisory) run.push_back(players[k]);
        if (run.size() >= 2) {
            result.playerLines.push_back("\nO jogador " + players[i]->attr.Name() + " " +
                                         std::to_string(run.size()) + " vezes");
            for (const TEditorPlayer* p : run)
                result.playerLines.push_back("\t" + p->Team()->attr.ShortName() + " (" +
                                             p->Team()->currentFileName + ")");
        }
        if (progress) progress(1, j, playerCount);
        i = j;
    }
    return result;
}
