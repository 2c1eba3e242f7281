// The editor's operations and the team check they keep up to date: duplicate names across the folders,
// properties, players moved and removed, teams removed, referees, and the duplicate analysis.
#include "editor_test_support.h"

#include "editor/list_sort.h"
#include "editor/save_plan.h"
#include "editor/team_analysis.h"

class EditorOperations : public EditorTestBase {
protected:
    void SetUp() override {
        EditorTestBase::SetUp();
        Write(false, "alfa.kbt", MakeTeam("Alfa"));
        Write(false, "beta.kbt", MakeTeam("Beta", "ESP"));
        Write(true, "gama.kbt", MakeTeam("Gama"));
        model_ = std::make_unique<TEditorModel>(options_);
        model_->LoadTeams();
        alfa_ = FindTeam(*model_, "Alfa");
        beta_ = FindTeam(*model_, "Beta");
        gama_ = FindTeam(*model_, "Gama");
    }
    std::unique_ptr<TEditorModel> model_;
    TEditorTeam* alfa_ = nullptr;
    TEditorTeam* beta_ = nullptr;
    TEditorTeam* gama_ = nullptr;
};

TEST_F(EditorOperations, FileNamesCollideAcrossFoldersAndIgnoringCase) {
    model_->SetFileNamePart(*gama_, "ALFA");
    EXPECT_EQ(gama_->currentFileName, "ALFA.kbt");
    EXPECT_EQ(gama_->checkFlags, static_cast<std::uint32_t>(tcDuplicateFileName));
    EXPECT_EQ(alfa_->checkFlags, static_cast<std::uint32_t>(tcDuplicateFileName));
    EXPECT_EQ(model_->FirstInvalidTeam(), alfa_);
    // A bad name hides the duplicate bit.
    model_->SetFileNamePart(*gama_, "alfa.x");
    EXPECT_EQ(gama_->checkFlags, static_cast<std::uint32_t>(tcBadFileName));
    EXPECT_TRUE(alfa_->valid);
    model_->SetFileNamePart(*gama_, "gama2");
    EXPECT_EQ(model_->FirstInvalidTeam(), nullptr);
    // A new name alone is written because of the name, not as an edit of the contents.
    EXPECT_FALSE(gama_->modified);
    EXPECT_TRUE(gama_->NeedsWriting());
}

TEST_F(EditorOperations, PropertiesMarkTheTeamModifiedOnlyWhenSomethingChanged) {
    TTeamProperties p = model_->PropertiesOf(*alfa_);
    EXPECT_EQ(p.fileNamePart, "alfa");
    EXPECT_FALSE(model_->ApplyTeamProperties(*alfa_, p));
    EXPECT_FALSE(alfa_->modified);
    EXPECT_EQ(alfa_->currentFileName, "alfa.kbt");
    p.coachName = "";
    EXPECT_TRUE(model_->ApplyTeamProperties(*alfa_, p));
    EXPECT_TRUE(alfa_->modified);
    EXPECT_EQ(alfa_->checkFlags, static_cast<std::uint32_t>(tcNoCoach));
    p.coachName = "Novo";
    p.level = 40;
    p.fileNamePart = "a_very_long_file_name_that_is_cut";
    model_->ApplyTeamProperties(*alfa_, p);
    EXPECT_EQ(alfa_->attr.Level(), 20);
    EXPECT_EQ(alfa_->currentFileName, "a_very_long_file_nam.kbt");
    EXPECT_TRUE(alfa_->valid);
}

TEST_F(EditorOperations, ANewTeamStartsWithUnknownCountryAndJoinsTheListOnlyWhenAdded) {
    std::unique_ptr<TEditorTeam> t = model_->CreateTeam();
    EXPECT_EQ(t->attr.Country(), "###");
    TTeamProperties p = model_->PropertiesOf(*t);
    p.name = "Nova Equipa";
    p.shortName = "Nova";
    p.coachName = "Treinador";
    p.fileNamePart = "beta";
    EXPECT_TRUE(model_->ApplyTeamProperties(*t, p));
    EXPECT_EQ(t->checkFlags & (tcUnknownCountry | tcDuplicateFileName | tcTooFewPlayers),
              static_cast<std::uint32_t>(tcUnknownCountry | tcDuplicateFileName | tcTooFewPlayers));
    EXPECT_EQ(model_->Teams().Count(), 3);
    TEditorTeam* added = model_->AddTeam(std::move(t));
    EXPECT_EQ(model_->Teams().Last(), added);
    EXPECT_EQ(beta_->checkFlags, static_cast<std::uint32_t>(tcDuplicateFileName));
}

TEST_F(EditorOperations, MovingAPlayerChangesBothTeamsAndTheirChecks) {
    TEditorPlayer* keeper = alfa_->players[0];
    ASSERT_EQ(keeper->attr.Position(), 0);
    EXPECT_FALSE(model_->MovePlayer(keeper, alfa_));
    EXPECT_TRUE(model_->MovePlayer(keeper, beta_));
    EXPECT_EQ(keeper->Team(), beta_);
    EXPECT_EQ(alfa_->players.Count(), 13);
    EXPECT_EQ(beta_->players.Count(), 15);
    EXPECT_FALSE(alfa_->players.Contains(keeper));
    EXPECT_TRUE(alfa_->modified && beta_->modified);
    EXPECT_EQ(alfa_->checkFlags, static_cast<std::uint32_t>(tcTooFewPlayers | tcNoGoalkeeper));
    // The receiving squad is sorted again: its two goalkeepers lead.
    EXPECT_EQ(beta_->players[0]->attr.Position(), 0);
    EXPECT_EQ(beta_->players[1]->attr.Position(), 0);
    EXPECT_TRUE(beta_->valid);
    EXPECT_EQ(model_->Players().Count(), 42);
}

TEST_F(EditorOperations, RemovingAPlayerSelectsItsNeighbour) {
    TEditorPlayer* second = alfa_->players[1];
    TEditorPlayer* third = alfa_->players[2];
    EXPECT_EQ(model_->RemovePlayer(second), third);
    EXPECT_EQ(model_->Players().Count(), 41);
    EXPECT_TRUE(alfa_->modified);
    TEditorPlayer* last = alfa_->players.Last();
    TEditorPlayer* beforeLast = alfa_->players[alfa_->players.Count() - 2];
    EXPECT_EQ(model_->RemovePlayer(last), beforeLast);
    EXPECT_EQ(alfa_->checkFlags, static_cast<std::uint32_t>(tcTooFewPlayers));
}

TEST_F(EditorOperations, NewPlayersTakeTheTeamsCountryAndTheLastPosition) {
    auto p = model_->CreatePlayer(*beta_);
    EXPECT_EQ(p->attr.Nationality(), "ESP");
    TPlayerAttr attr = p->attr;
    attr.SetName("Novo Jogador");
    attr.SetPosition(3);
    p->attr = attr;
    model_->AddPlayer(*beta_, std::move(p));
    EXPECT_EQ(model_->CreatePlayer(*alfa_)->attr.Position(), 3);
    EXPECT_EQ(beta_->players.Count(), 15);
    EXPECT_EQ(model_->Players().Last()->Team(), beta_);
    EXPECT_FALSE(TEditorModel::IsAcceptablePlayerName(""));
    EXPECT_FALSE(TEditorModel::IsAcceptablePlayerName("Star*"));
    EXPECT_TRUE(TEditorModel::IsAcceptablePlayerName("Ze"));
}

TEST_F(EditorOperations, EditingAndStarringAPlayerMarkOnlyRealChanges) {
    TEditorPlayer* p = beta_->players[4];
    EXPECT_FALSE(model_->ApplyPlayer(*p, p->attr));
    EXPECT_FALSE(beta_->modified);
    for (int i = 0; i < 6; ++i) model_->ToggleStar(*beta_->players[i]);
    EXPECT_TRUE(beta_->modified);
    EXPECT_EQ(beta_->checkFlags, static_cast<std::uint32_t>(tcTooManyStars));
    model_->ToggleStar(*beta_->players[0]);
    EXPECT_TRUE(beta_->valid);
    // Seven players from a country outside both groups make the squad too foreign.
    for (int i = 1; i <= 7; ++i) {
        TPlayerAttr a = beta_->players[i]->attr;
        a.SetNationality("BRA");
        model_->ApplyPlayer(*beta_->players[i], a);
        EXPECT_EQ(beta_->valid, i <= 6) << i;
    }
}

TEST_F(EditorOperations, ARemovedTeamsFileGoesOnlyWhenTheEditorSaves) {
    std::string failed;
    EXPECT_TRUE(model_->RemoveTeam(gama_, failed));
    EXPECT_TRUE(Exists(true, "gama.kbt"));
    EXPECT_EQ(model_->Teams().Count(), 2);
    EXPECT_EQ(model_->Players().Count(), 28);
    for (TEditorPlayer* p : model_->Players()) EXPECT_NE(p->Team(), nullptr);
    std::string message;
    ASSERT_TRUE(model_->SaveAll(message)) << message;
    EXPECT_FALSE(Exists(true, "gama.kbt"));
    EXPECT_TRUE(model_->PendingRemovals().empty());
}

TEST_F(EditorOperations, ANewTeamUnderARemovedTeamsNameIsNotDeletedWithIt) {
    std::string failed;
    model_->RemoveTeam(gama_, failed);
    auto team = model_->CreateTeam();
    TTeamProperties props = model_->PropertiesOf(*team);
    props.name = "Nova Gama";
    props.shortName = "Nova";
    props.fileNamePart = "gama";
    model_->ApplyTeamProperties(*team, props);
    model_->SetProvisory(*model_->AddTeam(std::move(team)), true);
    std::string message;
    ASSERT_TRUE(model_->SaveAll(message)) << message;
    ASSERT_TRUE(Exists(true, "gama.kbt"));
    EXPECT_EQ(TTeamFile::ReadFile(PathOf(true, "gama.kbt"), 2002).team.ShortName(), "Nova");
}

TEST_F(EditorOperations, AFailedDeletionIsReportedByTheSaveAndFinishedAtTheNextStart) {
    std::string failed;
    EXPECT_TRUE(model_->RemoveTeam(gama_, failed));
    // A folder standing where the file was cannot be removed as a file, by any user.
    std::filesystem::remove(PathOf(true, "gama.kbt"));
    std::filesystem::create_directories(PathOf(true, "gama.kbt") + "/inside");
    std::string message;
    EXPECT_FALSE(model_->SaveAll(message));
    EXPECT_NE(message.find(PathOf(true, "gama.kbt") + ": "), std::string::npos) << message;
    EXPECT_EQ(model_->Teams().Count(), 2);
    // The plan stays; once the way is clear the next start finishes the deletion.
    EXPECT_TRUE(std::filesystem::exists(dir_ / kSavePlanFileName));
    std::filesystem::remove_all(PathOf(true, "gama.kbt"));
    Write(true, "gama.kbt", MakeTeam("Gama"));
    TEditorModel next(options_);
    next.LoadTeams();
    EXPECT_TRUE(next.RecoveryProblems().empty());
    EXPECT_FALSE(Exists(true, "gama.kbt"));
    EXPECT_FALSE(std::filesystem::exists(dir_ / kSavePlanFileName));
    EXPECT_EQ(next.Teams().Count(), 2);
}

TEST_F(EditorOperations, RefereesAreAddedEditedAndDeleted) {
    TEditorReferee* a = model_->AddReferee("Arbitro Um", "POR");
    TEditorReferee* b = model_->AddReferee("Arbitro Dois", "ESP");
    EXPECT_TRUE(model_->RefereesModified());
    model_->EditReferee(*a, "Arbitro Primeiro", "PORTUGAL");
    EXPECT_EQ(a->Name(), "Arbitro Primeiro");
    EXPECT_EQ(a->Country(), "POR");
    model_->DeleteReferee(b);
    ASSERT_EQ(model_->Referees().Count(), 1);
    EXPECT_EQ(model_->Referees()[0], a);
}

TEST_F(EditorOperations, TheAnalysisReportsRunsOfTeamsAndOfPlayersInEffectiveTeams) {
    Write(false, "alfa2.kbt", MakeTeam("Alfa"));
    TEditorModel m(options_);
    m.LoadTeams();
    // The user's order: reversed from the loaded one, which the search must leave alone.
    StableSortList(m.Teams(), [](const TEditorTeam* a, const TEditorTeam* b) {
        return a->attr.ShortName() >= b->attr.ShortName();
    });
    std::vector<const TEditorTeam*> teamOrder(m.Teams().begin(), m.Teams().end());
    std::vector<const TEditorPlayer*> playerOrder(m.Players().begin(), m.Players().end());
    TEditorTeam* beta = FindTeam(m, "Beta");
    TEditorTeam* gama = FindTeam(m, "Gama");
    TPlayerAttr a = beta->players[5]->attr;
    a.SetName("Repetido");
    m.ApplyPlayer(*beta->players[5], a);
    m.ApplyPlayer(*gama->players[5], a); // provisory: not counted
    int calls = 0;
    const TAnalysisResult r = AnalyseDuplicates(m, [&](int, int, int) { ++calls; });
    EXPECT_GT(calls, 0);
    ASSERT_EQ(r.teamLines.size(), 1u);
    EXPECT_EQ(r.teamLines[0].rfind("\tA equipa Alfa", 0), 0u) << r.teamLines[0];
    EXPECT_NE(r.teamLines[0].find(" 2 vezes"), std::string::npos);
    // The two Alfa teams share every player name: 14 runs, each a heading and two team lines.
    EXPECT_EQ(r.playerLines.size(), 14u * 3);
    for (const std::string& line : r.playerLines) EXPECT_EQ(line.find("Repetido"), std::string::npos);
    EXPECT_EQ(r.playerLines[0].rfind("\nO jogador ", 0), 0u);
    // Both lists keep the user's order.
    EXPECT_EQ(std::vector<const TEditorTeam*>(m.Teams().begin(), m.Teams().end()), teamOrder);
    EXPECT_EQ(std::vector<const TEditorPlayer*>(m.Players().begin(), m.Players().end()), playerOrder);
}
