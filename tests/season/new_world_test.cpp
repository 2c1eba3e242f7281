// A new career's world from team files: the order of the clubs, the quotas of the countries, the start by
// place, the referee check, damaged files, the country selection and the human coaches' clubs.
#include "season_fixture.h"

#include "datafiles/countries.h"
#include "datafiles/record_fields.h"
#include "datafiles/referee_file.h"
#include "foundation/errors.h"
#include "foundation/kol_random.h"
#include "season/country_selection.h"
#include "season/new_world.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <system_error>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

class TeamFolder {
public:
    TeamFolder() {
        dir_ = fs::temp_directory_path() /
               ("kolbrin_season_" + std::to_string(getpid()) + "_" + std::to_string(counter_++));
        fs::create_directories(dir_ / "Teams");
        ResetCountries();
        for (const char* code : {"POR", "ESP", "ITA", "BRA", "ARG"})
            AllCountries().Add(std::make_unique<TCountry>(std::string("Land ") + code, code, code));
        Referees(30);
    }
    ~TeamFolder() {
        ResetCountries();
        std::error_code ec;
        fs::remove_all(dir_, ec);
    }

    // A club file of `country` and `level` with `players` players, the first of nationality
    // `firstNationality` (default: the club's country).
    void Team(const std::string& file, const std::string& country, int level, int players = 14,
              const std::string& firstNationality = "") {
        TTeamFile f;
        f.team.SetName(file);
        f.team.SetShortName(file);
        f.team.SetCountry(country);
        f.team.SetLevel(static_cast<std::uint8_t>(level));
        f.coach.SetName("Coach " + file);
        for (int i = 0; i < players; ++i) {
            TPlayerAttr p;
            p.SetName(file + " " + std::to_string(i));
            p.SetPosition(static_cast<std::uint8_t>(i < 2 ? 0 : 1 + i % 3));
            p.SetNationality(i == 0 && !firstNationality.empty() ? firstNationality : country);
            p.SetAge(20 + i);
            f.players.push_back(p);
        }
        f.WriteFile(TeamPath(file), kDataFormat2002);
    }
    std::string TeamPath(const std::string& file) const {
        return (dir_ / "Teams" / (file + ".kbt")).string();
    }
    // Cuts a file's last bytes off (inside the coach record).
    void Damage(const std::string& file) const {
        fs::resize_file(TeamPath(file), fs::file_size(TeamPath(file)) - 5);
    }

    void Referees(int n) {
        std::vector<TRefereeAttr> refs;
        for (int i = 0; i < n; ++i) refs.emplace_back("Referee " + std::to_string(i), "POR");
        WriteRefereeFilePath(RefereePath(), refs);
    }
    std::string RefereePath() const { return (dir_ / "referee.txe").string(); }

    // Scans the folder, selects the listed countries with their full quotas, and builds the world.
    void Build(TWorld& world, const std::vector<std::string>& countries, std::uint32_t seed = 1) {
        scan_ = ScanTeamFolder((dir_ / "Teams").string(), kDataFormat2002);
        found_ = CountTeamsByCountry(scan_);
        for (TCountry* c : found_)
            for (const std::string& code : countries)
                if (c->Code() == code) c->selected = true;
        Setup(world, seed);
    }
    void Setup(TWorld& world, std::uint32_t seed) {
        TNewWorldSetup setup;
        setup.teamFiles = &scan_;
        setup.refereeFile = RefereePath();
        setup.seed = seed;
        setup.year = 2002;
        BuildNewWorld(world, setup);
    }

    std::vector<TScannedTeamFile> scan_;
    std::vector<TCountry*> found_;

private:
    fs::path dir_;
    static inline int counter_ = 0;
};

std::string NameAt(const TWorld& world, int index) {
    return world.AllTeams[index]->ShortName();
}

char Buf[8];
std::string FileName(int i) {
    std::snprintf(Buf, sizeof Buf, "t%02d", i);
    return Buf;
}

} // namespace

TEST(NewWorld, ClubsComeByLevelThenFileOrderAndStartByTheirPlace) {
    TeamFolder folder;
    // Odd files have level 20, even ones 19: the odd ones come first, each group in file order.
    for (int i = 0; i < 45; ++i) folder.Team(FileName(i), "POR", i % 2 ? 20 : 19);
    TWorld world;
    folder.Build(world, {"POR"});
    ASSERT_EQ(world.AllTeams.Count(), 45);
    for (int k = 0; k < 45; ++k)
        EXPECT_EQ(NameAt(world, k), FileName(k < 22 ? 2 * k + 1 : 2 * (k - 22))) << k;
    for (int d = 0; d < 4; ++d) EXPECT_EQ(world.Divisions[d]->teams.Count(), 10);
    EXPECT_EQ(world.Divisions[4]->teams.Count(), 5);
    EXPECT_EQ(world.Divisions[1]->teams[0], world.AllTeams[10]);
    EXPECT_EQ(world.Divisions[4]->teams[0], world.AllTeams[40]);
    EXPECT_EQ(world.SeasonYear, 2002);
    EXPECT_FALSE(world.QuitRequested);

    // base: i = 0 -> 99, 1 -> 97, 2 -> 94, 20 -> 49, 30 -> 24, 40 -> 5, beyond 40 -> 1; money base x 50 000 x
    // 5, stadium max(1, round(0.17 base)).
    struct Start {
        int index, base, stadium;
    };
    for (const Start s : {Start{0, 99, 17}, Start{1, 97, 16}, Start{2, 94, 16}, Start{20, 49, 8},
                          Start{30, 24, 4}, Start{40, 5, 1}, Start{41, 1, 1}, Start{44, 1, 1}}) {
        SCOPED_TRACE(s.index);
        const TTeam& team = *world.AllTeams[s.index];
        EXPECT_EQ(team.balance(), s.base * 250000);
        EXPECT_EQ(team.stadium.size, s.stadium);
        for (const TPlayer* p : team.players) {
            EXPECT_GE(p->level(), std::max(s.base - 3, 1));
            EXPECT_LE(p->level(), s.base + 3);
        }
    }
    EXPECT_EQ(world.AllPlayers.Count(), 45 * 14);
    EXPECT_EQ(world.AllReferees.Count(), 30);
}

TEST(NewWorld, ACountryQuotaTakesItsBestClubsAndUnusedCountriesGo) {
    TeamFolder folder;
    for (int i = 0; i < 42; ++i) folder.Team(FileName(i), "POR", 10);
    folder.Team("esp_a", "ESP", 3);
    folder.Team("esp_b", "ESP", 7);
    folder.Team("esp_c", "ESP", 5);
    folder.Team("ita_a", "ITA", 9);
    folder.Team("zz_por", "POR", 1, 14, "BRA"); // chosen: its Brazilian player keeps Brazil
    folder.Team("arg_a", "ARG", 12);            // not selected
    folder.scan_ = ScanTeamFolder(fs::path(folder.TeamPath("x")).parent_path().string(), kDataFormat2002);
    folder.found_ = CountTeamsByCountry(folder.scan_);
    FindCountry(kFindByCode, "POR")->selected = true;
    FindCountry(kFindByCode, "ESP")->selected = true;
    FindCountry(kFindByCode, "ITA")->selected = true;
    EXPECT_EQ(FindCountry(kFindByCode, "ESP")->wantedTeams, 3);
    FindCountry(kFindByCode, "ESP")->wantedTeams = 1;
    FindCountry(kFindByCode, "ITA")->wantedTeams = 0;
    TWorld world;
    folder.Setup(world, 1);
    ASSERT_EQ(world.AllTeams.Count(), 44);
    int spanish = 0;
    for (const TTeam* t : world.AllTeams)
        if (t->Country() == "ESP") {
            ++spanish;
            EXPECT_EQ(t->ShortName(), "esp_b");
        }
    EXPECT_EQ(spanish, 1);
    EXPECT_EQ(NameAt(world, 42), "esp_b"); // level 7, after the 42 of level 10, before the one of level 1
    EXPECT_NE(FindCountry(kFindByCode, "BRA"), nullptr);
    EXPECT_EQ(FindCountry(kFindByCode, "ITA"), nullptr);
    EXPECT_EQ(FindCountry(kFindByCode, "ARG"), nullptr);
}

TEST(NewWorld, TooFewRefereesEndTheSetUp) {
    // 45 clubs need 45 div 2 + 1 = 23 referees.
    for (auto [referees, quits] : {std::pair{22, true}, std::pair{23, false}}) {
        TeamFolder folder;
        folder.Referees(referees);
        for (int i = 0; i < 45; ++i) folder.Team(FileName(i), "POR", 10);
        TWorld world;
        folder.Build(world, {"POR"});
        EXPECT_EQ(world.QuitRequested, quits) << referees;
        EXPECT_EQ(world.DefaultPort().Messages.empty(), !quits);
        if (quits) {
            ASSERT_EQ(world.DefaultPort().Messages.size(), 1u);
            EXPECT_EQ(world.DefaultPort().Messages[0], "Not enough referees in file (referee.txe)");
        }
    }
}

TEST(NewWorld, AMissingRefereeFileIsNamedWithTheSystemsReason) {
    TeamFolder folder;
    for (int i = 0; i < 42; ++i) folder.Team(FileName(i), "POR", 10);
    fs::remove(folder.RefereePath());
    TWorld world;
    folder.Build(world, {"POR"});
    EXPECT_TRUE(world.QuitRequested);
    ASSERT_EQ(world.DefaultPort().Messages.size(), 1u);
    const std::string& message = world.DefaultPort().Messages[0];
    EXPECT_EQ(message.rfind("Not enough referees in file (referee.txe)\n", 0), 0u) << message;
    EXPECT_NE(message.find(folder.RefereePath()), std::string::npos) << message;
    EXPECT_NE(message.find(std::make_error_code(std::errc::no_such_file_or_directory).message()),
              std::string::npos)
        << message;
}

TEST(NewWorld, ADamagedFileMattersOnlyWhenItsClubIsChosen) {
    for (bool chosen : {false, true}) {
        TeamFolder folder;
        for (int i = 0; i < 42; ++i) folder.Team(FileName(i), "POR", 10);
        folder.Team("esp_a", "ESP", 3);
        folder.Damage("esp_a");
        TWorld world;
        if (chosen) {
            EXPECT_THROW(folder.Build(world, {"POR", "ESP"}), EInOutError);
        } else {
            folder.Build(world, {"POR"});
            EXPECT_EQ(world.AllTeams.Count(), 42);
        }
    }
}

TEST(CountrySelection, BoundsAndTheTrimToTwoHundredFiftySix) {
    std::vector<std::unique_ptr<TCountry>> owned;
    std::vector<TCountry*> countries;
    for (auto [code, teams] : {std::pair{"AAA", 250}, std::pair{"BBB", 1}, std::pair{"CCC", 6},
                               std::pair{"DDD", 34}, std::pair{"EEE", 7}}) {
        owned.push_back(std::make_unique<TCountry>(code, code, code));
        owned.back()->wantedTeams = static_cast<std::int16_t>(teams);
        countries.push_back(owned.back().get());
    }
    TCountrySelection selection(countries);
    selection.Toggle(3);
    selection.Toggle(4); // 41
    EXPECT_FALSE(selection.CanConfirm());
    EXPECT_FALSE(selection.Confirm());
    selection.Toggle(1); // 42
    EXPECT_TRUE(selection.CanConfirm());
    EXPECT_TRUE(selection.Confirm());
    EXPECT_EQ(selection.SelectedTeams(), 42);
    selection.Toggle(3);
    selection.Toggle(4);
    selection.Toggle(1); // none
    selection.Toggle(0);
    selection.Toggle(1);
    selection.Toggle(2); // 257
    EXPECT_TRUE(selection.TooMany());
    SetRandSeed(31);
    EXPECT_TRUE(selection.Confirm());
    EXPECT_EQ(selection.SelectedTeams(), 256);
    EXPECT_EQ(countries[0]->wantedTeams + countries[1]->wantedTeams + countries[2]->wantedTeams, 256);
    EXPECT_EQ(countries[1]->wantedTeams, 1);  // a country keeps its last club while others can give
    EXPECT_EQ(countries[3]->wantedTeams, 34); // not selected: untouched
    selection.SelectAll();
    EXPECT_EQ(selection.SelectedTeams(), 249 + 1 + 6 + 34 + 7);
    EXPECT_EQ(selection.SelectedCountries(), 5);
}

TEST(CountrySelection, ACountryKeepsItsLastClubWhileOthersCanGive) {
    // 255 + 10 single clubs: the nine clubs too many all come from the big country, whatever the draws.
    for (std::uint32_t seed = 1; seed <= 10; ++seed) {
        std::vector<std::unique_ptr<TCountry>> owned;
        std::vector<TCountry*> countries;
        for (int i = 0; i <= 10; ++i) {
            const std::string code = "C" + std::to_string(i);
            owned.push_back(std::make_unique<TCountry>(code, code, code));
            owned.back()->wantedTeams = static_cast<std::int16_t>(i == 0 ? 255 : 1);
            countries.push_back(owned.back().get());
        }
        TCountrySelection selection(countries);
        selection.SelectAll();
        SetRandSeed(seed);
        ASSERT_TRUE(selection.Confirm());
        EXPECT_EQ(countries[0]->wantedTeams, 246) << seed;
        EXPECT_EQ(selection.SelectedCountries(), 11) << seed;
    }
}

TEST(HumanCoaches, EachTakesAWeakClubOfTheFourthLeague) {
    // Hand-run generator: seed 5 gives position 9 - 0 = 9, seed 6 gives 9 - 1 = 8.
    for (auto [seed, position] : {std::pair{5u, 9}, std::pair{6u, 8}}) {
        TWorld world;
        seasontest::LeagueWorld(world, 2);
        SetRandSeed(seed);
        TTeam& expected = *world.Divisions[3]->teams[position];
        TCoach* old = expected.coach;
        TTeam* club = EnrolHumanCoach(world, "Person");
        ASSERT_EQ(club, &expected) << seed;
        EXPECT_EQ(club->coach->Name(), "Person");
        EXPECT_EQ(club->coach->isHuman, 1);
        EXPECT_EQ(club->coach->CurrentClub(), club);
        EXPECT_EQ(old->CurrentClub(), nullptr);
        EXPECT_TRUE(world.AllCoaches.Contains(old));
    }
}

TEST(HumanCoaches, SixNeverShareAClubAndTakeTheSixWeakestPlaces) {
    SetRandSeed(77);
    TWorld world;
    seasontest::LeagueWorld(world, 2);
    world.DefaultPort().HumanCoachNames = {"A", "B", "", "C", "D", "E", "F"};
    EnrolHumanCoaches(world);
    std::set<TTeam*> clubs;
    for (const TCoach* c : world.AllCoaches)
        if (c->isHuman) clubs.insert(c->CurrentClub());
    EXPECT_EQ(clubs.size(), 6u);
    for (int p = 4; p <= 9; ++p) EXPECT_EQ(clubs.count(world.Divisions[3]->teams[p]), 1u) << p;
    EXPECT_EQ(EnrolHumanCoach(world, "G"), nullptr);

    CreateStartEvents(world);
    const TTeam& human = *world.Divisions[3]->teams[4];
    EXPECT_EQ(human.coach->events.Count(), 1);
    EXPECT_EQ(human.coach->events.Last()->kind, 5);
    EXPECT_EQ(human.coach->events.Last()->otherId, human.id);
}

TEST(HumanCoaches, NoNameEnrolsNobodyAndTheSetUpAsksAgain) {
    TWorld world;
    seasontest::LeagueWorld(world, 2);
    EnrolHumanCoaches(world); // the scripted port has no names: it gives up after one question
    EXPECT_EQ(world.DefaultPort().Calls, std::vector<std::string>{"EnrolHumanCoaches 0"});
}
