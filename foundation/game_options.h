#pragma once
// The game's options (the "Options" values of the settings store): the one type for them. The program's
// settings hold them between careers (TGameSettings); a career's world holds the copy its rules read,
// taken at a new game and at a load (CopyCareerSettings in world/). The fields start at their defaults,
// which are the settings' defaults (settings.h checks that they agree).
struct TGameOptions {
    // 1 save before every matchday, 2 on the first and every third, otherwise only on the first.
    int saveGameWhen = 2;
    bool sound = true;
    bool halfTimeSubstitutions = true;
    // Coach-change news: 0 never, 1 when a human coach is involved, 2 always.
    int viewPsychologicalLashes = 1;
    bool viewComputerPenalties = true;
    // Show every auction, not only those with a human seller or bidder.
    bool viewAuction = true;
    int gameTimeProfile = 2;
    int viewGetTeams = 1;
    bool viewWallpapers = true;

    bool operator==(const TGameOptions&) const = default;
};
