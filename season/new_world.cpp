#include "season/new_world.h"

#include "datafiles/countries.h"
#include "datafiles/referee_file.h"
#include "foundation/kol_log.h"
#include "foundation/kol_random.h"
#include "foundation/numeric.h"
#include "foundation/texts.h"
#include "world/world.h"

#include <algorithm>

namespace {

constexpr int kReadTeamsText = 521;
constexpr int kTopLevel = 20;
constexpr int kStartEvent = 5;

// Each level walks the files in folder order; a file is taken while its country is selected and still
// wants clubs.
void ReadTeamFiles(TWorld& world, const std::vector<TScannedTeamFile>& files) {
    TUserPort& port = world.Port();
    port.ProgressStart(GetText(kReadTeamsText), kTopLevel);
    for (int level = kTopLevel; level >= 1; --level) {
        port.ProgressPosition(kTopLevel - level, "");
        for (const TScannedTeamFile& scanned : files) {
            if (scanned.file.team.Level() != level) continue;
            Trace(1, "Open file %s", scanned.path);
            TCountry* country = FindCountry(kFindByCode, scanned.file.team.Country());
            if (country == nullptr || !country->selected || country->wantedTeams <= 0) continue;
            if (scanned.damage) std::rethrow_exception(scanned.damage);
            --country->wantedTeams;
            auto team = TTeam::CreateFromTeamFile(world, scanned.file);
            country->used = true;
            for (const TPlayer* player : team->players)
                if (player->nationality() != team->Country()) MarkCountryUsed(player->nationality());
            world.AllTeams.Add(team.release());
        }
    }
    port.ProgressDone();
}

class TWorldEnrolment : public THumanEnrolment {
public:
    explicit TWorldEnrolment(TWorld& world) : world_(world) {}
    std::vector<TTeam*> Enrol(const std::vector<std::string>& names) override {
        std::vector<TTeam*> clubs;
        for (const std::string& name : names)
            if (!name.empty()) clubs.push_back(EnrolHumanCoach(world_, name));
        return clubs;
    }

private:
    TWorld& world_;
};

bool AnyHumanWithClub(const TWorld& world) {
    for (const TCoach* coach : world.AllCoaches)
        if (coach != nullptr && coach->isHuman && coach->CurrentClub() != nullptr) return true;
    return false;
}

} // namespace

void AssignDivisions(TWorld& world) {
    for (int i = 0; i < world.AllTeams.Count(); ++i)
        world.Divisions[std::min(i / 10, TDivision::kDivisionCount - 1)]->teams.Add(world.AllTeams[i]);
}

void SetInitialStrengths(TWorld& world) {
    for (int i = 0; i < world.AllTeams.Count(); ++i) {
        TTeam& team = *world.AllTeams[i];
        const int a = static_cast<int>(nearest((1 - i * 0.025L) * 100));
        const int base = i <= 40 ? std::max(a - 1, 5) : 1;
        for (TPlayer* player : team.players) {
            const int level = std::max(base + 3 - Random(7), 1);
            player->SetLevel(std::min(level, 100));
            player->SetSalary(player->MarketValue(team.priceFactor));
        }
        team.SetBalance(base * 50000 * world.MoneyMultiplier());
        team.stadium.size = static_cast<std::uint8_t>(std::max<std::int64_t>(1, nearest(base * 0.17L)));
    }
}

void BuildNewWorld(TWorld& world, const TNewWorldSetup& setup) {
    SetRandSeed(setup.seed);
    CreateDivisions(world);
    bool refereeError = false;
    std::string refereeProblem;
    for (const TRefereeAttr& attr : LoadRefereeFile(setup.refereeFile, refereeError, &refereeProblem))
        world.AllReferees.Add(new TReferee(world.NewObjectId(), std::make_unique<TRefereeAttr>(attr)));

    if (!world.StopRequested) {
        static const std::vector<TScannedTeamFile> kNoFiles;
        ReadTeamFiles(world, setup.teamFiles != nullptr ? *setup.teamFiles : kNoFiles);
        DropUnusedCountries();
        world.AllPlayers.Pack();
        world.SeasonYear = setup.year;
        AssignDivisions(world);
        SetInitialStrengths(world);
        for (TDivision* division : world.Divisions) division->ComputeTotalBalance();
    }

    if (world.AllReferees.Count() < world.AllTeams.Count() / 2 + 1) {
        // A file that could not be read at all adds where and why, so the person can mend it.
        const std::string message = std::string("Not enough referees in file (referee.txe)") +
                                    (refereeError ? "\n" + refereeProblem : std::string());
        WriteLog(message);
        world.Port().MessageBox(message, "Error");
        world.QuitRequested = true;
    }
}

TTeam* EnrolHumanCoach(TWorld& world, const std::string& name) {
    if (world.Divisions.Count() < TDivision::kLeagueCount) return nullptr;
    TDivision& fourth = *world.Divisions[TDivision::kLeagueCount - 1];
    if (fourth.teams.Count() < 10) return nullptr;
    // Places 5 to 10 of the fourth league: its six weakest clubs by file order.
    bool anyFree = false;
    for (int p = 4; p <= 9; ++p)
        if (fourth.teams[p]->coach == nullptr || !fourth.teams[p]->coach->isHuman) anyFree = true;
    if (!anyFree) return nullptr;

    TTeam* team = nullptr;
    do {
        team = fourth.teams[9 - Random(6)];
    } while (team->coach != nullptr && team->coach->isHuman);

    auto coach = std::make_unique<TCoach>(world);
    coach->isHuman = 1;
    coach->SetName(name);
    TCoach* old = team->coach;
    team->coach = coach.get();
    coach->SetCurrentClub(team);
    if (old != nullptr) old->SetCurrentClub(nullptr);
    world.AllCoaches.Add(coach.release());
    return team;
}

void EnrolHumanCoaches(TWorld& world) {
    TWorldEnrolment enrolment(world);
    while (!AnyHumanWithClub(world))
        if (!world.Port().EnrolHumanCoaches(enrolment)) break;
}

void CreateStartEvents(TWorld& world) {
    for (TTeam* team : world.AllTeams)
        if (team != nullptr && team->coach != nullptr) team->coach->AddEvent(kStartEvent, team->id);
}
