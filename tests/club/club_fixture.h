#pragma once
// A small career for the market and money tests: clubs built by hand with squads of chosen positions,
// the first built-in currency (multiplier 5, money step 500 000), the default options but for the auction
// display, price level 2 and a scripted user port.
#include "datafiles/player_attr.h"
#include "datafiles/team_attr.h"
#include "foundation/currency.h"
#include "world/coach.h"
#include "world/player.h"
#include "world/team.h"
#include "world/user_port.h"
#include "world/world.h"

#include <string>

struct ClubWorld {
    TScriptedUserPort port;
    TWorld world;

    ClubWorld() {
        TGameOptions options;
        options.viewAuction = false;
        CopyCareerSettings(world, options, BuiltInCurrencies()[0]);
        world.PriceIndex = 2.0L;
        world.SetPort(port);
    }

    TPlayer& AddPlayer(TTeam& club, int position, int level = 49, const std::string& nationality = "POR",
                       int age = 25) {
        auto* player = new TPlayer(world);
        player->attr->SetPosition(static_cast<std::uint8_t>(position));
        player->attr->SetNationality(nationality);
        player->SetAge(age);
        player->SetLevel(level);
        world.AllPlayers.Add(player);
        club.AddPlayer(*player);
        return *player;
    }

    // A club of `country` with the given numbers of goalkeepers, defenders, midfielders and forwards, all
    // of its own nationality and of level 49.
    TTeam& AddClub(const std::string& shortName, int gk, int df, int mf, int fw, std::int32_t balance = 0,
                   bool human = false, const std::string& country = "POR") {
        auto* club = new TTeam(world);
        club->attr->SetName(shortName);
        club->attr->SetShortName(shortName);
        club->attr->SetCountry(country);
        club->SetBalance(balance);
        auto* coach = new TCoach(world);
        coach->isHuman = human ? 1 : 0;
        world.AllCoaches.Add(coach);
        club->coach = coach;
        coach->SetCurrentClub(club);
        world.AllTeams.Add(club);
        const int counts[4] = {gk, df, mf, fw};
        for (int p = 0; p < 4; ++p)
            for (int i = 0; i < counts[p]; ++i) AddPlayer(*club, p, 49, country);
        return *club;
    }

    // The first player of the club in the given position.
    static TPlayer& FirstAt(TTeam& club, int position) {
        for (TPlayer* p : club.players)
            if (p->position() == position) return *p;
        throw std::logic_error("no player in that position");
    }
};
