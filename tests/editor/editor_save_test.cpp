// Saving on exit: only the teams that need it are written, a moved or renamed team's new file is written
// before its old file goes, a pure move keeps the file date, and a failed write leaves every original.
#include "editor_test_support.h"

#include "datafiles/referee_file.h"
#include "foundation/binary_file.h"

#include <algorithm>
#include <chrono>

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

TEST_F(EditorSave, AReadOnlyFolderStopsTheSaveWithoutLosingFiles) {
    if (geteuid() == 0) GTEST_SKIP() << "the super-user writes into read-only folders";
    const auto gamaBefore = Bytes(true, "gama.kbt");
    model_->SetProvisory(*FindTeam(*model_, "Gama"), false);
    fs::permissions(dir_ / kEffectiveFolder,
                    fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    std::string message;
    EXPECT_FALSE(model_->SaveAll(message));
    EXPECT_EQ(Bytes(true, "gama.kbt"), gamaBefore);
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
