// Saving on exit: only the teams that need it are written, a moved or renamed team's new file is written
// before its old file goes, a pure move keeps the file date, and a failed write leaves every original.
#include "editor_test_support.h"

#include "datafiles/referee_file.h"
#include "editor/save_plan.h"
#include "foundation/binary_file.h"
#include "foundation/file_system.h"
#include "tests/support/faulty_file_system.h"

#include <algorithm>
#include <cctype>
#include <chrono>
#include <map>

namespace fs = std::filesystem;

class EditorSave : public EditorTestBase {
protected:
    void SetUp() override {
        EditorTestBase::SetUp();
        Write(false, "alfa.kbt", MakeTeam("Alfa"));
        Write(false, "beta.kbt", MakeTeam("Beta"));
        // In the squad order the editor keeps, so that an unchanged team is written byte for byte.
        TTeamFile gama = MakeTeam("Gama");
        std::stable_sort(
            gama.players.begin(), gama.players.end(), [](const TPlayerAttr& a, const TPlayerAttr& b) {
                return a.Position() != b.Position() ? a.Position() < b.Position() : a.Name() < b.Name();
            });
        Write(true, "gama.kbt", gama);
        // Old dates make a rewrite visible and let a kept date be told from "now".
        for (auto [prov, name] : {std::pair{false, "alfa.kbt"}, {false, "beta.kbt"}, {true, "gama.kbt"}})
            fs::last_write_time(PathOf(prov, name), kOldDate);
        WriteRefereeFilePath((dir_ / "referee.txe").string(), {TRefereeAttr("Um Arbitro", "POR")});
        model_ = std::make_unique<TEditorModel>(options_);
        model_->LoadTeams();
        model_->LoadReferees();
    }
    std::vector<std::uint8_t> Bytes(bool provisory, const std::string& name) const {
        return ReadWholeFile(PathOf(provisory, name));
    }
    static inline const fs::file_time_type kOldDate =
        fs::file_time_type::clock::now() - std::chrono::hours(24 * 400);
    std::unique_ptr<TEditorModel> model_;
};

TEST_F(EditorSave, OnlyChangedTeamsAreWritten) {
    const auto betaBefore = Bytes(false, "beta.kbt");
    model_->ToggleStar(*FindTeam(*model_, "Alfa")->players[2]);
    std::string message;
    ASSERT_TRUE(model_->SaveAll(message)) << message;
    EXPECT_NE(fs::last_write_time(PathOf(false, "alfa.kbt")), kOldDate);
    EXPECT_EQ(fs::last_write_time(PathOf(false, "beta.kbt")), kOldDate);
    EXPECT_EQ(fs::last_write_time(PathOf(true, "gama.kbt")), kOldDate);
    EXPECT_EQ(Bytes(false, "beta.kbt"), betaBefore);
    const TTeamFile alfa = TTeamFile::ReadFile(PathOf(false, "alfa.kbt"), 2002);
    int stars = 0;
    for (const TPlayerAttr& p : alfa.players) stars += p.IsStar();
    EXPECT_EQ(stars, 1);
    EXPECT_FALSE(FindTeam(*model_, "Alfa")->modified);
    // No temporary file is left behind.
    int files = 0;
    for (const auto& e : fs::directory_iterator(dir_ / kEffectiveFolder)) files += e.is_regular_file();
    EXPECT_EQ(files, 2);
}

TEST_F(EditorSave, AMoveFromProvisoryToEffectiveDeletesTheOldFileAndKeepsItsDate) {
    const auto before = Bytes(true, "gama.kbt");
    model_->SetProvisory(*FindTeam(*model_, "Gama"), false);
    std::string message;
    ASSERT_TRUE(model_->SaveAll(message)) << message;
    EXPECT_FALSE(Exists(true, "gama.kbt"));
    ASSERT_TRUE(Exists(false, "gama.kbt"));
    EXPECT_EQ(fs::last_write_time(PathOf(false, "gama.kbt")), kOldDate);
    // Nothing but the place changed: the file is the same, header included.
    EXPECT_EQ(Bytes(false, "gama.kbt"), before);
    TEditorTeam* gama = FindTeam(*model_, "Gama");
    EXPECT_FALSE(gama->loadedProvisory);
    EXPECT_FALSE(gama->NeedsWriting());
}

TEST_F(EditorSave, TwoTeamsThatSwapTheirNamesBothSurvive) {
    TEditorTeam* alfa = FindTeam(*model_, "Alfa");
    TEditorTeam* beta = FindTeam(*model_, "Beta");
    model_->SetFileNamePart(*alfa, "beta");
    model_->SetFileNamePart(*beta, "alfa");
    EXPECT_EQ(model_->FirstInvalidTeam(), nullptr);
    std::string message;
    ASSERT_TRUE(model_->SaveAll(message)) << message;
    EXPECT_EQ(TTeamFile::ReadFile(PathOf(false, "beta.kbt"), 2002).team.ShortName(), "Alfa");
    EXPECT_EQ(TTeamFile::ReadFile(PathOf(false, "alfa.kbt"), 2002).team.ShortName(), "Beta");
}

TEST_F(EditorSave, AFailedWriteLeavesEveryOriginalFileInPlace) {
    const auto alfaBefore = Bytes(false, "alfa.kbt");
    const auto gamaBefore = Bytes(true, "gama.kbt");
    model_->ToggleStar(*FindTeam(*model_, "Alfa")->players[2]);
    model_->SetProvisory(*FindTeam(*model_, "Gama"), false);
    model_->SetFileNamePart(*FindTeam(*model_, "Beta"), "delta");
    // The new file of the last team cannot be written: a folder blocks its name.
    fs::create_directories(PathOf(false, "gama.kbt.saving") + "/blocker");
    std::string message;
    EXPECT_FALSE(model_->SaveAll(message));
    EXPECT_FALSE(message.empty());
    EXPECT_EQ(Bytes(false, "alfa.kbt"), alfaBefore);
    EXPECT_EQ(Bytes(true, "gama.kbt"), gamaBefore);
    EXPECT_TRUE(Exists(false, "beta.kbt"));
    EXPECT_FALSE(Exists(false, "delta.kbt"));
    EXPECT_FALSE(Exists(false, "alfa.kbt.saving"));
    EXPECT_FALSE(Exists(false, "delta.kbt.saving"));
    // The teams keep their state, so the save can be tried again once the way is clear.
    EXPECT_TRUE(FindTeam(*model_, "Alfa")->modified);
    fs::remove_all(PathOf(false, "gama.kbt.saving"));
    ASSERT_TRUE(model_->SaveAll(message)) << message;
    EXPECT_FALSE(Exists(true, "gama.kbt"));
    EXPECT_FALSE(Exists(false, "beta.kbt"));
    EXPECT_TRUE(Exists(false, "delta.kbt"));
}

TEST_F(EditorSave, ADiskThatRefusesWritesStopsTheSaveWithoutLosingFiles) {
    const auto gamaBefore = Bytes(true, "gama.kbt");
    model_->SetProvisory(*FindTeam(*model_, "Gama"), false);
    model_->ToggleStar(*FindTeam(*model_, "Alfa")->players[2]);
    const struct {
        const char* name;
        void (*set)(TFaultyFileSystem&);
        const char* reason;
    } faults[] = {
        {"create", [](TFaultyFileSystem& f) { f.createError = EACCES; }, "Permission denied"},
        {"full disk", [](TFaultyFileSystem& f) { f.writeLimit = 100; }, "No space left on device"},
        {"sync", [](TFaultyFileSystem& f) { f.syncError = EIO; }, "Input/output error"},
        {"rename", [](TFaultyFileSystem& f) { f.renameError = EROFS; }, "Read-only file system"},
    };
    for (const auto& fault : faults) {
        SCOPED_TRACE(fault.name);
        TFaultyFileSystem disk;
        fault.set(disk);
        disk.onlyPathsWith = "gama.kbt";
        std::string message;
        {
            TFileSystemOverride use(disk);
            EXPECT_FALSE(model_->SaveAll(message));
        }
        EXPECT_NE(message.find(PathOf(false, "gama.kbt") + ": " + fault.reason), std::string::npos)
            << message;
        if (fault.set != faults[3].set) {
            // Nothing on disk changed before the plan was written.
            EXPECT_EQ(Bytes(true, "gama.kbt"), gamaBefore);
            EXPECT_FALSE(Exists(false, "gama.kbt"));
        }
    }
    // The teams kept their state: the same save succeeds once the disk does, and leaves nothing behind.
    std::string message;
    ASSERT_TRUE(model_->SaveAll(message)) << message;
    EXPECT_EQ(Bytes(false, "gama.kbt"), gamaBefore);
    EXPECT_FALSE(Exists(true, "gama.kbt"));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_ / kEffectiveFolder), fs::directory_iterator()), 3);
    EXPECT_FALSE(fs::exists(dir_ / kSavePlanFileName));
}

// The pool as the files on disk: relative path -> contents.
using TSnapshot = std::map<std::string, std::vector<std::uint8_t>>;

TSnapshot Snapshot(const fs::path& dir, bool teamsOnly) {
    TSnapshot files;
    for (const auto& e : fs::recursive_directory_iterator(dir)) {
        if (!e.is_regular_file()) continue;
        const std::string rel = fs::relative(e.path(), dir).string();
        const bool isTeam = rel.rfind(kEffectiveFolder + std::string("/"), 0) == 0 ||
                            rel.rfind(kProvisoryFolder + std::string("/"), 0) == 0;
        if (isTeam == teamsOnly) files[rel] = ReadWholeFile(e.path().string());
    }
    return files;
}

// A save killed after each of its changes of the disk, over a pool with renamed, moved, edited, new and
// removed clubs and two clubs that swap their names: the next start finds every club exactly once, the
// whole pool as it was or as it was saved, no staged file or temporary, and no plan.
class EditorSaveKill : public EditorTestBase {
protected:
    void MakePool() {
        fs::remove_all(dir_);
        fs::create_directories(dir_ / kEffectiveFolder);
        fs::create_directories(dir_ / kProvisoryFolder);
        for (const char* name : {"Alfa", "Beta", "Delta", "Zeta"})
            Write(false, Lower(name) + ".kbt", MakeTeam(name));
        for (const char* name : {"Gama", "Epsilon"}) Write(true, Lower(name) + ".kbt", MakeTeam(name));
        WriteRefereeFilePath((dir_ / "referee.txe").string(), {TRefereeAttr("Um Arbitro", "POR")});
    }
    static std::string Lower(std::string s) {
        for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return s;
    }
    std::unique_ptr<TEditorModel> EditedModel() {
        auto m = std::make_unique<TEditorModel>(options_);
        m->LoadTeams();
        m->LoadReferees();
        m->SetFileNamePart(*FindTeam(*m, "Alfa"), "alfa2"); // renamed
        m->SetProvisory(*FindTeam(*m, "Gama"), false);      // moved
        m->ToggleStar(*FindTeam(*m, "Beta")->players[3]);   // edited
        m->SetFileNamePart(*FindTeam(*m, "Delta"), "zeta"); // the two swap their names
        m->SetFileNamePart(*FindTeam(*m, "Zeta"), "delta");
        std::string failed;
        m->RemoveTeam(FindTeam(*m, "Epsilon"), failed); // removed
        TTeamFile novo = MakeTeam("Novo");              // new
        auto team = m->CreateTeam();
        TTeamProperties props = m->PropertiesOf(*team);
        props.name = "Novo Clube";
        props.shortName = "Novo";
        props.coachName = "Coach Novo";
        props.country = "POR";
        props.fileNamePart = "novo";
        m->ApplyTeamProperties(*team, props);
        TEditorTeam* added = m->AddTeam(std::move(team));
        for (const TPlayerAttr& p : novo.players) {
            auto player = m->CreatePlayer(*added);
            player->attr = p;
            m->AddPlayer(*added, std::move(player));
        }
        m->AddReferee("Outro Arbitro", "ESP");
        return m;
    }
};

TEST_F(EditorSaveKill, EveryClubOnceWithItsOldOrNewContentAfterAKillAtAnyStep) {
    // Syncs are skipped throughout: what is tested is the order of the changes, not the disk's speed.
    TFaultyFileSystem fast;
    fast.skipSyncs = true;
    TFileSystemOverride useFast(fast);
    MakePool();
    const TSnapshot oldTeams = Snapshot(dir_, true), oldOthers = Snapshot(dir_, false);
    TFaultyFileSystem counter;
    counter.skipSyncs = true;
    {
        auto m = EditedModel();
        TFileSystemOverride use(counter);
        std::string message;
        ASSERT_TRUE(m->SaveAll(message)) << message;
    }
    const TSnapshot newTeams = Snapshot(dir_, true), newOthers = Snapshot(dir_, false);
    ASSERT_NE(oldTeams, newTeams);
    const int steps = counter.changes;
    int endedOld = 0, endedNew = 0;
    for (int k = 0; k < steps; ++k) {
        SCOPED_TRACE("killed after " + std::to_string(k) + " of " + std::to_string(steps) + " changes");
        MakePool();
        {
            auto m = EditedModel();
            TFaultyFileSystem disk;
            disk.killAfter = k;
            disk.skipSyncs = true;
            TFileSystemOverride use(disk);
            std::string message;
            EXPECT_THROW(m->SaveAll(message), TSimulatedKill);
        }
        TEditorModel restarted(options_);
        restarted.LoadTeams();
        EXPECT_TRUE(restarted.RecoveryProblems().empty());
        EXPECT_TRUE(restarted.LoadProblems().empty());
        const TSnapshot teams = Snapshot(dir_, true), others = Snapshot(dir_, false);
        EXPECT_TRUE(teams == oldTeams || teams == newTeams);
        EXPECT_TRUE(others == oldOthers || others == newOthers);
        endedOld += teams == oldTeams;
        endedNew += teams == newTeams;
        std::map<std::string, int> clubs;
        for (const TEditorTeam* t : restarted.Teams()) ++clubs[t->attr.ShortName()];
        for (const char* name : {"Alfa", "Beta", "Gama", "Delta", "Zeta"}) EXPECT_EQ(clubs[name], 1) << name;
        EXPECT_EQ(clubs["Epsilon"] + clubs["Novo"], 1) << "the removed club goes when the new one comes";
        EXPECT_FALSE(fs::exists(dir_ / kSavePlanFileName));
    }
    // Kills fell on both sides of the plan.
    EXPECT_GT(endedOld, 0);
    EXPECT_GT(endedNew, 0);
}

TEST_F(EditorSave, TheSaveVersionChoosesTheExtensionAndOldFilesOfRenamedTeamsGo) {
    options_.saveVersion = 98;
    TEditorModel m(options_);
    m.LoadTeams();
    TEditorTeam* alfa = FindTeam(m, "Alfa");
    m.SetFileNamePart(*alfa, "omega");
    std::string message;
    ASSERT_TRUE(m.SaveAll(message)) << message;
    EXPECT_TRUE(Exists(false, "omega.kot"));
    EXPECT_FALSE(Exists(false, "alfa.kbt"));
    EXPECT_EQ(TTeamFile::ReadFile(PathOf(false, "omega.kot"), 98).team.ShortName(), "Alfa");
}

TEST_F(EditorSave, TheRefereeFileIsRewrittenInListOrderButNeverEmptiedUnread) {
    model_->AddReferee("Outro Arbitro", "ESP");
    std::string message;
    ASSERT_TRUE(model_->SaveAll(message)) << message;
    const auto refs = ReadRefereeFilePath((dir_ / "referee.txe").string());
    ASSERT_EQ(refs.size(), 2u);
    EXPECT_EQ(refs[0].Name(), "Um Arbitro");
    EXPECT_EQ(refs[1].Country(), "ESP");

    options_.loadReferees = false;
    TEditorModel unread(options_);
    ASSERT_TRUE(unread.SaveAll(message)) << message;
    EXPECT_EQ(ReadRefereeFilePath((dir_ / "referee.txe").string()).size(), 2u);
}
