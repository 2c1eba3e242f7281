// The whole game file: a small file against golden bytes written from the layout, a world built from
// team files saved and loaded back, the description, and damaged files refused with the section named.
#include "career_world.h"
#include "labels_fixture.h"
#include "saved_game_bytes.h"

#include "datafiles/countries.h"
#include "datafiles/referee_attr.h"
#include "foundation/binary_file.h"
#include "foundation/kol_random.h"
#include "world/calendar.h"
#include "world/saved_game.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <unistd.h>

using namespace savetest;
using namespace worldtest;

namespace {

// A small career: one coach, one referee, one club with one player, five divisions, a heading row.
void BuildSmallWorld(TWorld& w) {
    w.Description = "\r01-02-2003 04:05";
    w.CurrentRound = 7;
    w.ReservedHeaderByte = 0x5A;
    w.LeagueRoundDone = true;
    w.SeasonYear = 2003;
    w.PriceIndex = 2.0L;
    w.TransferPriceFactor = 1.0L;
    CurrencyRecord c;
    c.name = "Oro";
    c.suffix = " o";
    c.subUnit = "";
    c.moneyStep = 500000;
    c.priceBandUnit = 100000;
    c.moneyMultiplier = 5;
    c.ticketPriceScale = 1;
    c.prizeChampion = 1;
    c.prizeSecond = 2;
    c.prizeThird = 3;
    c.prizeCup = 4;
    c.bonusSemiFinal = 5;
    c.bonusQuarterFinal = 6;
    c.reserved = 7;
    c.prizeBestScorer = 8;
    c.ticketPriceUnit = 2.0L;
    w.CurrencyRecord = c;

    auto* coach = new TCoach(w, 10);
    coach->SetName("Ze");
    w.AllCoaches.Add(coach);
    w.AllReferees.Add(new TReferee(20, std::make_unique<TRefereeAttr>("Rui Sol", "POR")));
    auto* club = new TTeam(w);
    club->id = 30;
    club->attr->SetName("Alto");
    club->attr->SetShortName("Al");
    club->attr->SetCountry("ESP");
    club->coach = coach;
    club->stadium.SetFillRatio(0.75L);
    w.AllTeams.Add(club);
    auto* player = new TPlayer(w, 40);
    player->attr->SetName("Bo");
    player->attr->SetNationality("ESP");
    player->SetAge(20);
    w.AllPlayers.Add(player);
    club->players.Add(player);
    w.CupTeams.Add(club);
    CreateDivisions(w);
    for (int i = 0; i < 5; ++i) w.Divisions[i]->name = "D" + std::to_string(i);
    w.Divisions[4]->teams.Add(club);
    w.RoundGames.Add(new TGame(w, gkHeading, 0, 0, 0, 1.0L, "Cup", nullptr, nullptr));
    coach->observedPlayers.push_back(player);
    auto* winners = new TLastWinners(w);
    winners->season = 2002;
    winners->championId = 30;
    winners->championCoachId = 10;
    w.LastWinnersList.Add(winners);
    auto* transfer = new TLastTransfer(w);
    transfer->player = player;
    transfer->buyerId = 30;
    transfer->price = 9;
    w.LastTransfersList.Add(transfer);
    w.ResumeTeam = 30;
    w.NextObjectId = 300;
}

Bytes GoldenSmallFile() {
    ByteBuilder g;
    // header
    g.Coded("\r01-02-2003 04:05", 2).I16(7).U8(0x5A).I16(30).U8(1).I16(300).I32(2003);
    g.Raw(kExtended2).Raw(kExtended1);
    g.Fixed("Oro", 20).Fixed(" o", 20).Fixed("", 20).U8(0);
    g.I32(500000).I32(100000).I32(5).I32(1).I32(1).I32(2).I32(3).I32(4).I32(5).I32(6).I32(7).I32(8);
    g.Raw(kExtended2).Zeros(2);
    EXPECT_EQ(g.b.size(), 18u + 2 + 1 + 2 + 1 + 2 + 4 + 20 + 124);
    // coaches: id, name, isHuman, onHoliday, weeks, prestige 0 held as 11, titles, profile, showCards, events
    g.I16(1).I16(10).Coded("Ze").U8(0).U8(0).I16(0).I32(11).I32(0).I32(0).Zeros(5).U8(0).I16(0);
    // referees
    g.I16(1).I16(20).U8(1).Coded("POR Rui Sol", 2);
    // clubs
    g.I16(1).I16(30);
    g.Raw({'K', 'B', 'a'}).Zeros(47).Coded("Alto").Coded("Al").I32(0).I32(0xFFFFFF).Coded("ESP").U8(10);
    g.I32(11).Zeros(80).Zeros(20).Raw({0x81, 0, 0, 0, 0, 0}).I16(10).Zeros(56);
    g.I32(0)
        .I32(0)
        .I32(1)
        .Zeros(4)
        .Raw(kExtended1)
        .Zeros(6)
        .I32(0)
        .I32(0)
        .Zeros(6)
        .Raw(kExtended1)
        .I16(0)
        .Zeros(2);
    g.I16(1).I16(40).Coded("ESP").Coded("Bo").U8(0).U8(0).U8(0).U8(0).I32(0); // its player
    g.I16(3).I16(0).I16(3).Zeros(16).Zeros(12).Zeros(8).I32(13).U8(0).I16(0).Zeros(20).I32(0).I16(0);
    g.U8(20 - 103 + 256).U8(0);
    g.I16(0).I16(0).I16(0).U8(1).Raw(kReal48_0_75); // events, last results, calendar, stadium
    // cup clubs
    g.I16(1).I16(30);
    // divisions: winPrestige, totalBalance, referenceLevel, name, clubs
    g.I16(5);
    for (int i = 0; i < 5; ++i) {
        g.I32(8 - 2 * i).I32(0).I16(110 - 30 * i).Fixed("D" + std::to_string(i), 20);
        if (i < 4)
            g.I16(0);
        else
            g.I16(1).I16(30);
    }
    // round games: the heading row with ids 0
    g.I16(1)
        .I32(0)
        .U8(2)
        .Fixed("Cup", 40)
        .I16(0)
        .I16(0)
        .Raw(kExtended1)
        .I32(0)
        .I32(0)
        .I16(0)
        .I16(0)
        .I16(0)
        .U8(0);
    g.I32(0).U8(0);
    // observed players, ended by 0
    g.I16(10).I16(1).I16(40).I16(0);
    // last winners, last transfers
    g.I16(1).I16(2002).I16(30).I16(10).I16(0).I16(0);
    g.I16(1).I16(40).I16(0).I16(30).I32(9).I16(0).U8(0).U8(1).U8(0);
    return g.b;
}

// Where each section starts in a written file: a sink that notes the size at every top-level entry.
class SectionStarts : public TBinaryFieldSink {
public:
    explicit SectionStarts(TBinaryWriter& w) : TBinaryFieldSink(w), w_(w) {}
    std::vector<std::size_t> starts;
    void BeginList(const char* name, int count) override {
        Note();
        ++depth_;
        TBinaryFieldSink::BeginList(name, count);
    }
    void EndList() override { --depth_; }
    void BeginOpenList(const char*) override {
        Note();
        ++depth_;
    }
    void EndOpenList() override {
        --depth_;
        TBinaryFieldSink::EndOpenList();
    }
    void BeginRecord(const char*) override {
        Note();
        ++depth_;
    }
    void EndRecord() override { --depth_; }

private:
    void Note() {
        if (depth_ == 0) starts.push_back(w_.Size());
    }
    TBinaryWriter& w_;
    int depth_ = 0;
};

// A world from team files with some of everything a career gathers: a round's games, cup slots, events,
// results, observed players, winners and transfers.
std::unique_ptr<TWorld> CareerWorld() {
    SetRandSeed(4242);
    auto world = std::make_unique<TWorld>();
    BuildCareerWorld(*world, CareerTeamFiles(40));
    TWorld& w = *world;
    w.Description = "Person\r07-12-2026 10:00";
    for (TTeam* t : w.AllTeams) w.CupTeams.Add(t);
    for (int d = 0; d < 4; ++d) w.Divisions[d]->GenerateRound(1);
    w.CurrentRound = 3;
    w.AllReferees.Add(new TReferee(900, std::make_unique<TRefereeAttr>("Ana Paz", "ESP")));
    w.RoundGames[1]->referee = w.AllReferees[0];
    for (int i = 0; i < w.AllTeams.Count(); ++i) {
        TTeam& t = *w.AllTeams[i];
        t.cupSlot = static_cast<std::int16_t>(i % 7);
        t.events.Add(new TTeamEvent(w, 1 + i % 7, 2001, t.coach->id));
        auto* r = new TLastResult(w);
        r->season = 2001;
        r->opponentId = w.AllTeams[(i + 1) % w.AllTeams.Count()]->id;
        r->homeGoals = static_cast<std::uint8_t>(i % 4);
        t.lastResults.Add(r);
        t.coach->events.Add(new TCoachEvent(w, 5, 2002, t.id));
    }
    TCoach& human = *w.AllCoaches.Last();
    human.observedPlayers = {w.AllPlayers[5], w.AllPlayers[77]};
    for (int s = 0; s < 60; ++s) { // more than the 50 kept: the oldest went
        auto* win = new TLastWinners(w);
        win->season = static_cast<std::int16_t>(1950 + s);
        win->championId = w.AllTeams[s % 10]->id;
        w.LastWinnersList.Add(win);
    }
    auto* transfer = new TLastTransfer(w);
    transfer->player = w.AllPlayers[12];
    transfer->sellerId = w.AllTeams[0]->id;
    transfer->buyerId = w.AllTeams[1]->id;
    transfer->price = 1250000;
    w.LastTransfersList.Add(transfer);
    w.ResumeTeam = w.Divisions[3]->teams[7]->id;
    // A player who changed clubs, and clubs in another order than at the start (an auction sorts them):
    // AllPlayers no longer follows the clubs.
    TPlayer& moved = *w.AllTeams[0]->players[0];
    w.AllTeams[0]->RemovePlayer(moved);
    w.AllTeams.Last()->AddPlayer(moved);
    w.AllTeams.Exchange(1, 2);
    return world;
}

// The references of a loaded world point into its own lists, as in the world that was saved.
void ExpectSameReferences(const TWorld& a, const TWorld& b) {
    ASSERT_EQ(a.AllTeams.Count(), b.AllTeams.Count());
    ASSERT_EQ(a.AllPlayers.Count(), b.AllPlayers.Count());
    std::map<const TPlayer*, int> playerIndex;
    for (int i = 0; i < b.AllPlayers.Count(); ++i) playerIndex[b.AllPlayers[i]] = i;
    for (int i = 0; i < a.AllTeams.Count(); ++i) {
        const TTeam& ta = *a.AllTeams[i];
        const TTeam& tb = *b.AllTeams[i];
        EXPECT_EQ(tb.id, ta.id);
        EXPECT_EQ(b.AllCoaches.IndexOf(tb.coach), a.AllCoaches.IndexOf(ta.coach));
        EXPECT_EQ(tb.coach->CurrentClub(), &tb);
        ASSERT_EQ(tb.players.Count(), ta.players.Count());
        for (int p = 0; p < ta.players.Count(); ++p) {
            EXPECT_EQ(playerIndex.at(tb.players[p]), a.AllPlayers.IndexOf(ta.players[p]));
            EXPECT_EQ(tb.players[p]->age(), ta.players[p]->age());
            EXPECT_EQ(tb.players[p]->salary(), ta.players[p]->salary());
            EXPECT_EQ(tb.players[p]->attr->Name(), ta.players[p]->attr->Name());
        }
        EXPECT_EQ(tb.balance(), ta.balance());
        EXPECT_EQ(tb.supportFactor(), ta.supportFactor());
        EXPECT_EQ(tb.priceFactor, ta.priceFactor);
        EXPECT_EQ(tb.squadSize, ta.squadSize);
        EXPECT_EQ(tb.calendar->Count(), ta.calendar->Count());
    }
    ASSERT_EQ(b.CupTeams.Count(), a.CupTeams.Count());
    for (int i = 0; i < a.CupTeams.Count(); ++i)
        EXPECT_EQ(b.AllTeams.IndexOf(b.CupTeams[i]), a.AllTeams.IndexOf(a.CupTeams[i]));
    ASSERT_EQ(b.Divisions.Count(), 5);
    for (int d = 0; d < 5; ++d) {
        ASSERT_EQ(b.Divisions[d]->teams.Count(), a.Divisions[d]->teams.Count());
        for (int i = 0; i < a.Divisions[d]->teams.Count(); ++i)
            EXPECT_EQ(b.AllTeams.IndexOf(b.Divisions[d]->teams[i]),
                      a.AllTeams.IndexOf(a.Divisions[d]->teams[i]));
    }
    ASSERT_EQ(b.RoundGames.Count(), a.RoundGames.Count());
    for (int i = 0; i < a.RoundGames.Count(); ++i) {
        EXPECT_EQ(b.AllTeams.IndexOf(b.RoundGames[i]->homeTeam),
                  a.AllTeams.IndexOf(a.RoundGames[i]->homeTeam));
        EXPECT_EQ(b.AllTeams.IndexOf(b.RoundGames[i]->awayTeam),
                  a.AllTeams.IndexOf(a.RoundGames[i]->awayTeam));
        EXPECT_EQ(b.AllReferees.IndexOf(b.RoundGames[i]->referee),
                  a.AllReferees.IndexOf(a.RoundGames[i]->referee));
    }
    for (int c = 0; c < a.AllCoaches.Count(); ++c) {
        const auto& oa = a.AllCoaches[c]->observedPlayers;
        const auto& ob = b.AllCoaches[c]->observedPlayers;
        ASSERT_EQ(ob.size(), oa.size());
        for (std::size_t i = 0; i < oa.size(); ++i)
            EXPECT_EQ(playerIndex.at(ob[i]), a.AllPlayers.IndexOf(oa[i]));
    }
    ASSERT_EQ(b.LastTransfersList.Count(), a.LastTransfersList.Count());
    for (int i = 0; i < a.LastTransfersList.Count(); ++i)
        EXPECT_EQ(playerIndex.at(b.LastTransfersList[i]->player),
                  a.AllPlayers.IndexOf(a.LastTransfersList[i]->player));
    EXPECT_EQ(b.ResumeTeam, a.ResumeTeam);
    EXPECT_EQ(b.PriceIndex, a.PriceIndex);
    EXPECT_EQ(b.CurrencyRecord, a.CurrencyRecord);
    EXPECT_TRUE(b.RoundMessages.Empty());
}

} // namespace

TEST(SavedGame, SmallFileGoldenBytesAndBack) {
    TWorld world;
    BuildSmallWorld(world);
    const Bytes golden = GoldenSmallFile();
    EXPECT_EQ(world.SaveGameBytes(), golden);

    const auto loaded = TWorld::LoadGameBytes(golden);
    EXPECT_EQ(loaded->SaveGameBytes(), golden);
    EXPECT_EQ(loaded->StartRound, 7);
    EXPECT_EQ(loaded->CurrentRound, 7);
    EXPECT_TRUE(loaded->LeagueRoundDone);
    EXPECT_EQ(loaded->ResumeTeam, 30);
    EXPECT_EQ(loaded->CupTeams[0], loaded->AllTeams[0]);
    EXPECT_EQ(loaded->AllCoaches[0]->observedPlayers.at(0), loaded->AllPlayers[0]);
    EXPECT_EQ(loaded->LastTransfersList[0]->player, loaded->AllPlayers[0]);
    EXPECT_EQ(loaded->RoundGames[0]->homeTeam, nullptr);
    // The counter goes on from the saved value, whatever the clubs took while they were read.
    EXPECT_EQ(loaded->NextObjectId, 300);
    TPlayer next(*loaded);
    EXPECT_EQ(next.id, 300);
}

TEST(SavedGame, DescriptionNamesTheHumanCoaches) {
    TestLabels labels({{276, "and"}});
    std::tm when{};
    when.tm_mday = 7;
    when.tm_mon = 11;
    when.tm_year = 126;
    when.tm_hour = 9;
    when.tm_min = 5;
    TWorld world;
    EXPECT_EQ(SavedGameDescription(world, when), "\r07-12-2026 09:05");
    for (const char* name : {"Ann", "Computer", "Bob", "Cidalia Cristina Cunha"}) {
        auto* coach = new TCoach(world);
        coach->SetName(name);
        coach->isHuman = std::string(name) == "Computer" ? 0 : 1;
        coach->onHoliday = std::string(name) == "Bob" ? 1 : 0; // on holiday, still a person
        world.AllCoaches.Add(coach);
    }
    EXPECT_EQ(SavedGameDescription(world, when), "Ann, Bob and Cidalia Cristina Cun\r07-12-2026 09:05");
    world.AllCoaches.Delete(3);
    world.AllCoaches.Delete(2);
    EXPECT_EQ(SavedGameDescription(world, when), "Ann\r07-12-2026 09:05");
}

TEST(SavedGame, CareerWorldSavesAndLoadsToAnEqualWorld) {
    const auto world = CareerWorld();
    ASSERT_EQ(world->LastWinnersList.Count(), 50);
    const Bytes file = world->SaveGameBytes();
    const auto first = TWorld::LoadGameBytes(file);
    const auto second = TWorld::LoadGameBytes(file);
    ExpectSameReferences(*world, *first);
    EXPECT_EQ(first->SaveGameBytes(), file);
    EXPECT_EQ(second->SaveGameBytes(), file);
    EXPECT_EQ(first->LastWinnersList[0]->season, 1960);
    EXPECT_EQ(first->NextObjectId, world->NextObjectId);
}

// A file cut at the start of a section is refused naming that section; cut anywhere else or with a byte
// changed, it is refused naming one of the sections, or (a changed value that is still valid) loaded.
TEST(SavedGame, DamagedFilesAreRefusedWithTheSectionNamed) {
    const auto world = CareerWorld();
    TBinaryWriter writer;
    SectionStarts sink(writer);
    world->WriteGame(sink);
    const Bytes file = writer.Data();
    const std::vector<std::string>& sections = SavedGameSections();
    ASSERT_EQ(sink.starts.size(), sections.size());
    for (std::size_t s = 1; s < sections.size(); ++s) {
        SCOPED_TRACE(sections[s]);
        try {
            TWorld::LoadGameBytes(Bytes(file.begin(), file.begin() + static_cast<long>(sink.starts[s])));
            ADD_FAILURE() << "a cut file was loaded";
        } catch (const ESavedGameError& e) {
            EXPECT_EQ(e.Section(), sections[s]);
            EXPECT_EQ(e.Offset(), sink.starts[s]);
        }
    }
    const std::set<std::string> known(sections.begin(), sections.end());
    SetRandSeed(77);
    for (int i = 0; i < 200; ++i) {
        const auto cut = static_cast<std::size_t>(Random(static_cast<std::int32_t>(file.size())));
        try {
            TWorld::LoadGameBytes(Bytes(file.begin(), file.begin() + static_cast<long>(cut)));
            ADD_FAILURE() << "a file cut at " << cut << " was loaded";
        } catch (const ESavedGameError& e) {
            EXPECT_TRUE(known.count(e.Section())) << e.what();
            EXPECT_LE(e.Offset(), cut);
        }
        Bytes flipped = file;
        for (int k = 0; k < 4; ++k)
            flipped[static_cast<std::size_t>(Random(static_cast<std::int32_t>(file.size())))] ^=
                static_cast<std::uint8_t>(1 + Random(255));
        try {
            TWorld::LoadGameBytes(flipped);
        } catch (const ESavedGameError& e) {
            EXPECT_TRUE(known.count(e.Section())) << e.what();
        }
    }
    // A file longer than its sections is not a game file either.
    Bytes longer = file;
    longer.push_back(0);
    EXPECT_THROW(TWorld::LoadGameBytes(longer), ESavedGameError);
}

// A save that cannot be written is shown to the person with the path and the reason; the career goes on
// unchanged (still unsaved this round, the club screen to resume kept), and a later save works.
TEST(SavedGame, FailedSaveIsReportedAndTheCareerGoesOn) {
    TWorld world;
    BuildSmallWorld(world);
    const std::filesystem::path dir = std::filesystem::temp_directory_path() / "kolbrin_saved_game_test";
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    const std::filesystem::path notAFolder = dir / "plain";
    { std::ofstream(notAFolder) << "x"; }
    const std::string bad = (notAFolder / "career.kbg").string();
    EXPECT_FALSE(world.SaveGame(bad));
    ASSERT_EQ(world.DefaultPort().Messages.size(), 1u);
    EXPECT_NE(world.DefaultPort().Messages[0].find(bad), std::string::npos);
    EXPECT_FALSE(world.SavedThisRound);
    EXPECT_EQ(world.ResumeTeam, 30);
    EXPECT_EQ(world.Description, "\r01-02-2003 04:05");

    const std::string good = (dir / "career.kbg").string();
    EXPECT_TRUE(world.SaveGame(good));
    EXPECT_TRUE(world.SavedThisRound);
    EXPECT_EQ(world.ResumeTeam, 0);
    const auto loaded = TWorld::LoadGame(good);
    EXPECT_EQ(loaded->Description.front(), '\r'); // no human coach: the names part is empty
    EXPECT_EQ(loaded->ResumeTeam, 30);            // written as it stood: the club screen was open
    std::filesystem::remove_all(dir);
}

// The progress of a save runs over the size of the file it writes: at the first save of a new file (no old
// file to measure) and when it replaces a shorter one.
TEST(SavedGame, SaveProgressRunsOverTheFileWritten) {
    TWorld world;
    BuildSmallWorld(world);
    const std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("kolbrin_save_progress_" + std::to_string(getpid()));
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    const std::filesystem::path path = dir / "career.kbg";
    for (const bool replacing : {false, true}) {
        if (replacing) std::ofstream(path) << "short";
        world.DefaultPort().Calls.clear();
        ASSERT_TRUE(world.SaveGame(path.string()));
        std::vector<std::string> starts;
        for (const std::string& call : world.DefaultPort().Calls)
            if (call.rfind("ProgressStart ", 0) == 0) starts.push_back(call);
        ASSERT_EQ(starts.size(), 1u);
        const auto size = std::filesystem::file_size(path);
        ASSERT_GT(size, 100u);
        EXPECT_EQ(starts[0].substr(starts[0].rfind(' ') + 1), std::to_string(size)) << replacing;
    }
    std::filesystem::remove_all(dir);
}

// A game file is refused for its size before it is read, at the limit of game files: 65 MB is refused as
// too large; 17 MB (beyond the limit of the other data files) is read, and refused as a damaged header.
TEST(SavedGame, AFileLargerThanAnyGameIsRefusedUnread) {
    const std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("kolbrin_oversized_game_" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    for (const auto& [megabytes, refusedForSize] : {std::pair{65u, true}, {17u, false}}) {
        SCOPED_TRACE(std::to_string(megabytes) + " MB");
        const std::string path = (dir / "large.kbg").string();
        { std::ofstream create(path); }
        std::filesystem::resize_file(path, std::uintmax_t{megabytes} << 20); // sparse: no disk used
        try {
            TWorld::LoadGame(path);
            ADD_FAILURE() << "loaded";
        } catch (const ESavedGameError& e) {
            EXPECT_EQ(e.Section(), "header");
            EXPECT_EQ(std::string(e.what()).find("more than any real file") != std::string::npos,
                      refusedForSize)
                << e.what();
        }
    }
    std::filesystem::remove_all(dir);
}

// After a load the countries of the clubs and of the players from elsewhere stay; the others go. Nothing is
// marked before the whole file has been read, so a refused file leaves the countries as they were.
TEST(SavedGame, LoadKeepsOnlyTheCountriesInUse) {
    ResetCountries();
    for (const char* code : {"ESP", "POR", "ITA", "BRA"}) AddFallbackCountry(code, code);
    TWorld world;
    BuildSmallWorld(world);
    world.AllTeams[0]->players[0]->attr->SetNationality("BRA");
    const Bytes file = world.SaveGameBytes();
    EXPECT_THROW(TWorld::LoadGameBytes(Bytes(file.begin(), file.end() - 1)), ESavedGameError);
    EXPECT_EQ(AllCountries().Count(), 4);
    TWorld::LoadGameBytes(file);
    std::set<std::string> left;
    for (const TCountry* c : AllCountries())
        if (c) left.insert(c->Code());
    EXPECT_EQ(left, (std::set<std::string>{"ESP", "BRA"}));
    ResetCountries();
}
