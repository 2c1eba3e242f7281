// Loading the two team folders: which files are read, in which order, with which extension, the star
// allowance and the file-name rules, and damaged files.
#include "editor_test_support.h"

#include "foundation/binary_file.h"

#include <fstream>
#include <system_error>

TEST_F(EditorTestBase, LoadsEffectiveThenProvisoryAndSortsTheTeams) {
    Write(false, "b.kbt", MakeTeam("Bravo"));
    Write(false, "a.kbt", MakeTeam("Zulu"));
    Write(true, "c.kbt", MakeTeam("Alfa"));
    Write(false, "notes.txt", MakeTeam("Ignored"));
    TEditorModel m(options_);
    EXPECT_EQ(m.LoadFolder(false), 2);
    EXPECT_EQ(m.LoadFolder(true), 1);
    // Before the final sort the directory order holds: effective folder by name, then provisory.
    ASSERT_EQ(m.Teams().Count(), 3);
    EXPECT_EQ(m.Teams()[0]->attr.ShortName(), "Zulu");
    EXPECT_EQ(m.Teams()[1]->attr.ShortName(), "Bravo");
    EXPECT_EQ(m.Teams()[2]->attr.ShortName(), "Alfa");
    EXPECT_TRUE(m.Teams()[2]->loadedProvisory);
    EXPECT_EQ(m.Players().Count(), 3 * 14);
    EXPECT_EQ(m.Players()[0]->Team(), m.Teams()[0]);

    TEditorModel sorted(options_);
    sorted.LoadTeams();
    EXPECT_EQ(sorted.Teams()[0]->attr.ShortName(), "Alfa");
    EXPECT_EQ(sorted.Teams()[2]->attr.ShortName(), "Zulu");
    for (TEditorTeam* t : sorted.Teams()) {
        EXPECT_TRUE(t->valid) << t->attr.ShortName() << " flags " << t->checkFlags;
        EXPECT_FALSE(t->modified);
        EXPECT_TRUE(t->hasFileDate);
        EXPECT_EQ(t->currentFileName, t->loadedFileName);
    }
}

TEST_F(EditorTestBase, EmptyOrMissingFoldersLoadNothing) {
    std::filesystem::remove_all(dir_ / kProvisoryFolder);
    TEditorModel m(options_);
    m.LoadTeams();
    EXPECT_EQ(m.Teams().Count(), 0);
    EXPECT_EQ(m.Players().Count(), 0);
    EXPECT_TRUE(m.LoadProblems().empty());
}

TEST_F(EditorTestBase, ATeamFolderThatCannotBeReadIsToldWithTheSystemsReason) {
    // Provisory folder missing: nothing to tell. Effective folder missing, then a file in its place.
    std::filesystem::remove_all(dir_ / kProvisoryFolder);
    TEditorModel m(options_);
    m.LoadTeams();
    EXPECT_EQ(m.TeamFolderProblem(), "");
    const std::string teams = (dir_ / kEffectiveFolder).string();
    std::filesystem::remove_all(teams);
    m.LoadTeams();
    EXPECT_EQ(m.TeamFolderProblem(),
              m.FolderPath(false) + ": " +
                  std::make_error_code(std::errc::no_such_file_or_directory).message());
    WriteWholeFile(teams, {'x'});
    m.LoadTeams();
    EXPECT_EQ(m.TeamFolderProblem(),
              m.FolderPath(false) + ": " + std::make_error_code(std::errc::not_a_directory).message());
    EXPECT_EQ(std::filesystem::file_size(teams), 1u);
    EXPECT_EQ(m.Teams().Count(), 0);
}

TEST_F(EditorTestBase, TheLoadVersionChoosesExtensionAndFormat) {
    Write(false, "new.kbt", MakeTeam("Novo"), 2002);
    Write(false, "old.kot", MakeTeam("Velho"), 98);
    options_.loadVersion = 98;
    TEditorModel old(options_);
    old.LoadTeams();
    ASSERT_EQ(old.Teams().Count(), 1);
    EXPECT_EQ(old.Teams()[0]->attr.ShortName(), "Velho");
    EXPECT_EQ(old.LoadExtension(), "kot");

    options_.loadVersion = 2002;
    TEditorModel current(options_);
    current.LoadTeams();
    ASSERT_EQ(current.Teams().Count(), 1);
    EXPECT_EQ(current.Teams()[0]->attr.ShortName(), "Novo");
    const TTeamFile written = MakeTeam("Novo");
    for (const TEditorPlayer* p : current.Players())
        for (const TPlayerAttr& w : written.players)
            if (w.Name() == p->attr.Name()) {
                EXPECT_EQ(p->attr.Age(), w.Age());
            }
}

TEST_F(EditorTestBase, TheStarAllowanceKeepsTheFirstStarsInFileOrder) {
    TTeamFile f = MakeTeam("Estrelas", "POR", 8);
    Write(false, "e.kbt", f);
    {
        TEditorModel m(options_);
        m.LoadTeams();
        int stars = 0;
        for (TEditorPlayer* p : m.Players()) stars += p->attr.IsStar();
        EXPECT_EQ(stars, 8);
        EXPECT_EQ(m.Teams()[0]->checkFlags & tcTooManyStars, static_cast<std::uint32_t>(tcTooManyStars));
    }
    options_.limitStarPlayers = true;
    TEditorModel m(options_);
    m.LoadTeams();
    for (TEditorPlayer* p : m.Players()) {
        int fileIndex = -1;
        for (std::size_t i = 0; i < f.players.size(); ++i)
            if (f.players[i].Name() == p->attr.Name()) fileIndex = static_cast<int>(i);
        ASSERT_GE(fileIndex, 0);
        EXPECT_EQ(p->attr.IsStar(), fileIndex < 5) << p->attr.Name();
    }
    EXPECT_TRUE(m.Teams()[0]->valid);
}

TEST_F(EditorTestBase, PlayersAreSortedByPositionThenName) {
    Write(false, "s.kbt", MakeTeam("Ordem"));
    TEditorModel m(options_);
    m.LoadTeams();
    const TEditorTeam* t = m.Teams()[0];
    EXPECT_EQ(t->players[0]->attr.Position(), 0);
    for (int i = 1; i < t->players.Count(); ++i) {
        const TPlayerAttr& a = t->players[i - 1]->attr;
        const TPlayerAttr& b = t->players[i]->attr;
        EXPECT_TRUE(a.Position() < b.Position() || (a.Position() == b.Position() && a.Name() <= b.Name()));
    }
}

TEST_F(EditorTestBase, FileNameRulesCorrectTheNameAndMarkTheTeamModified) {
    Write(false, "Bad name!.kbt", MakeTeam("Clube da Vila"));
    Write(false, "ok.kbt", MakeTeam("Sporting S.C."));
    Write(true, "###.kbt", MakeTeam("Vazio"));
    {
        TEditorModel plain(options_);
        plain.LoadTeams();
        TEditorTeam* bad = FindTeam(plain, "Clube da Vila");
        EXPECT_EQ(bad->currentFileName, "Bad name!.kbt");
        EXPECT_FALSE(bad->modified);
        EXPECT_EQ(bad->checkFlags & tcBadFileName, static_cast<std::uint32_t>(tcBadFileName));
    }
    options_.autoCorrectFileNames = true;
    {
        TEditorModel m(options_);
        m.LoadTeams();
        EXPECT_EQ(FindTeam(m, "Clube da Vila")->currentFileName, "Badname.kbt");
        EXPECT_TRUE(FindTeam(m, "Clube da Vila")->modified);
        EXPECT_TRUE(FindTeam(m, "Clube da Vila")->valid);
        EXPECT_EQ(FindTeam(m, "Sporting S.C.")->currentFileName, "ok.kbt");
        EXPECT_FALSE(FindTeam(m, "Sporting S.C.")->modified);
        EXPECT_EQ(FindTeam(m, "Vazio")->currentFileName, "team.kbt");
    }
    options_.autoCorrectFileNames = false;
    options_.fileNamesAsTeamNames = true;
    TEditorModel m(options_);
    m.LoadTeams();
    EXPECT_EQ(FindTeam(m, "Clube da Vila")->currentFileName, "Clubedavila.kbt");
    EXPECT_EQ(FindTeam(m, "Sporting S.C.")->currentFileName, "Sportingsc.kbt");
    EXPECT_TRUE(FindTeam(m, "Sporting S.C.")->modified);
    EXPECT_EQ(FindTeam(m, "Vazio")->currentFileName, "Vazio.kbt");
}

TEST_F(EditorTestBase, ConvertToNewVersionMarksEveryTeamModified) {
    Write(false, "a.kbt", MakeTeam("Alfa"));
    options_.convertToNewVersion = true;
    TEditorModel m(options_);
    m.LoadTeams();
    EXPECT_TRUE(m.Teams()[0]->modified);
}

TEST_F(EditorTestBase, ADamagedFileIsReportedKeptAndItsNameStaysTaken) {
    Write(false, "a.kbt", MakeTeam("Alfa"));
    const std::vector<std::uint8_t> good = MakeTeam("Beta").Write(2002);
    WriteWholeFile(PathOf(false, "b.kbt"), std::vector<std::uint8_t>(good.begin(), good.begin() + 90));
    Write(false, "c.kbt", MakeTeam("Gama"));
    Write(true, "b.kbt", MakeTeam("Delta"));
    TEditorModel m(options_);
    m.LoadTeams();
    // The scan goes past the damaged file.
    EXPECT_EQ(m.Teams().Count(), 3);
    ASSERT_EQ(m.LoadProblems().size(), 1u);
    EXPECT_EQ(m.LoadProblems()[0].path, PathOf(false, "b.kbt"));
    EXPECT_FALSE(m.LoadProblems()[0].message.empty());
    // A team may not take the damaged file's name: saving it would destroy that file.
    EXPECT_EQ(FindTeam(m, "Delta")->checkFlags, static_cast<std::uint32_t>(tcDuplicateFileName));
    EXPECT_EQ(std::filesystem::file_size(PathOf(false, "b.kbt")), 90u);
}

TEST_F(EditorTestBase, TheRefereeFileIsReadOrItsProblemReported) {
    TEditorModel missing(options_);
    EXPECT_FALSE(missing.LoadReferees());
    EXPECT_FALSE(missing.RefereeProblem().empty());

    std::ofstream(dir_ / "referee.txe", std::ios::binary) << "garbage";
    TEditorModel damaged(options_);
    EXPECT_FALSE(damaged.LoadReferees());
    EXPECT_EQ(damaged.Referees().Count(), 0);
}
