#include "season/retired_players.h"

#include "foundation/kol_list.h"
#include "foundation/kol_random.h"
#include "world/world.h"

namespace {

constexpr int kFirstFillSize = 9;
constexpr int kLastFillSize = 28;

// The first free player of the club's nationality, else the first of the list.
void GiveFreePlayer(TTeam& team, TKolList<TPlayer>& free) {
    int chosen = 0;
    const std::string country = team.Country();
    for (int i = 0; i < free.Count(); ++i)
        if (free[i]->nationality() == country) {
            chosen = i;
            break;
        }
    TPlayer* player = free.Extract(chosen);
    team.AddPlayerPriced(*player);
}

} // namespace

void RecycleRetiredPlayers(TWorld& world) {
    TKolList<TPlayer> free(false);
    world.AllTeams.Pack();
    for (TTeam* team : world.AllTeams) {
        for (int i = team->players.Count() - 1; i >= 0; --i) {
            TPlayer* player = team->players[i];
            if (player == nullptr || !player->retiring) continue;
            team->RemovePlayer(*player);
            player->Rejuvenate();
            for (TCoach* coach : world.AllCoaches)
                if (coach != nullptr) coach->RemoveObserved(*player);
            free.Add(player);
        }
    }

    ShuffleList(free);
    ShuffleList(world.AllTeams);

    for (int size = kFirstFillSize; size <= kLastFillSize; ++size)
        for (TTeam* team : world.AllTeams)
            while (team->players.Count() < size && !free.Empty()) GiveFreePlayer(*team, free);
    if (world.AllTeams.Empty()) return; // no club to give them to; they stay in AllPlayers
    while (!free.Empty()) GiveFreePlayer(*world.AllTeams[Random(world.AllTeams.Count())], free);
}
