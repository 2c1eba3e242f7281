#pragma once
// The team editor's model: every team file of the two team folders, every player of those teams and every
// referee, with the operations of the editor's window and the saving on exit. Several models may live side
// by side (tests make one per case); the country list is the program's global one.
#include "editor/editor_options.h"
#include "editor/editor_referee.h"
#include "editor/editor_team.h"
#include "foundation/kol_list.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

inline constexpr const char* kEffectiveFolder = "Teams";
inline constexpr const char* kProvisoryFolder = "Provisory Teams";

// A team file that could not be read: it stays on disk untouched, and its name stays taken.
struct TLoadProblem {
    std::string path;
    std::string message;
    std::string fileName;
    bool provisory = false;
};

// What the team properties dialog edits.
struct TTeamProperties {
    std::string name;
    std::string shortName;
    std::string coachName;
    int level = 10;
    std::string country;
    std::int32_t color1 = 0;
    std::int32_t color2 = 0xFFFFFF;
    std::string fileNamePart; // without extension, at most 20 characters
};

class TEditorModel {
public:
    static constexpr int kStarAllowance = 20;
    static constexpr int kLimitedStarAllowance = 5;
    static constexpr std::size_t kFileNamePartWidth = 20;

    explicit TEditorModel(TEditorOptions options);
    ~TEditorModel();
    TEditorModel(const TEditorModel&) = delete;
    TEditorModel& operator=(const TEditorModel&) = delete;

    const TEditorOptions& Options() const { return options_; }
    TKolList<TEditorTeam>& Teams() { return teams_; }
    TKolList<TEditorPlayer>& Players() { return players_; }
    TKolList<TEditorReferee>& Referees() { return referees_; }

    // ---- paths: "\" and "/" are both accepted in the data folder and in stored names ----
    std::string FolderPath(bool provisory) const;
    std::string LoadExtension() const;
    std::string SaveExtension() const;
    // Where the team was read from; empty for a team made in the editor.
    std::string LoadedPath(const TEditorTeam& team) const;
    // Where the team will be written: its folder, its name part and the save extension.
    std::string TargetPath(const TEditorTeam& team) const;

    // ---- loading ----
    // Finishes or undoes an interrupted save (RecoverInterruptedSave), then reads the effective folder, then
    // the provisory one, then sorts the teams. A file that cannot be read is listed in LoadProblems() and
    // the scan goes on; a problem of the recovery is listed in RecoveryProblems().
    void LoadTeams();
    const std::vector<std::string>& RecoveryProblems() const { return recoveryProblems_; }
    // One folder; the number of teams read.
    int LoadFolder(bool provisory);
    const std::vector<TLoadProblem>& LoadProblems() const { return problems_; }
    // After LoadTeams: the effective folder and the system's reason when it could not be read (missing, not
    // a folder); empty when it was read.
    const std::string& TeamFolderProblem() const { return teamFolderProblem_; }
    // Reads the team from `path` with the loading rules (star allowance, file-name rules, modified flag).
    // EInOutError / EInvalidFile for a damaged file. The team is not added.
    std::unique_ptr<TEditorTeam> ReadTeam(const std::string& path, const std::string& fileName,
                                          bool provisory) const;
    // Reads "referee.txe"; false and RefereeProblem() when it is missing or damaged (the list stays empty
    // and the file is not rewritten unless the referees are edited).
    bool LoadReferees();
    bool RefereesLoaded() const { return refereesLoaded_; }
    const std::string& RefereeProblem() const { return refereeProblem_; }

    // ---- the team check ----
    std::uint32_t CheckFlags(const TEditorTeam& team) const;
    // Recomputes every team's flags (a name change can make another team valid or invalid).
    void RecheckAll();
    // The first invalid team in list order, or nullptr.
    TEditorTeam* FirstInvalidTeam();

    // ---- teams ----
    // An empty team with country "###" (not in the list yet).
    std::unique_ptr<TEditorTeam> CreateTeam() const;
    TTeamProperties PropertiesOf(const TEditorTeam& team) const;
    // Stores the dialog's values; marks the team modified only when something changed. The team need not
    // be in the list yet. Returns whether something changed.
    bool ApplyTeamProperties(TEditorTeam& team, const TTeamProperties& props);
    TEditorTeam* AddTeam(std::unique_ptr<TEditorTeam> team);
    void SetProvisory(TEditorTeam& team, bool provisory);
    // Single in-place edits of the team page; each marks the team modified when the value changes.
    void SetLevel(TEditorTeam& team, int level);
    void SetCountry(TEditorTeam& team, const std::string& code);
    void SetFileNamePart(TEditorTeam& team, const std::string& namePart);
    void SetNames(TEditorTeam& team, const std::string& name, const std::string& shortName,
                  const std::string& coachName);
    // Drops the team with its players. Its file is deleted by the next save, as every other change is
    // written then; until then it stays on disk. Returns true (failedPath is not touched): a file that
    // cannot be deleted is reported by SaveAll.
    bool RemoveTeam(TEditorTeam* team, std::string& failedPath);
    // The files (relative to the data folder) the next save deletes for removed teams.
    const std::vector<std::string>& PendingRemovals() const { return pendingRemovals_; }

    // ---- players ----
    // A new player for the team: the team's country and the position used last (not in the lists yet).
    std::unique_ptr<TEditorPlayer> CreatePlayer(const TEditorTeam& team) const;
    TEditorPlayer* AddPlayer(TEditorTeam& team, std::unique_ptr<TEditorPlayer> player);
    // Stores the dialog's record; marks the team modified when something changed.
    bool ApplyPlayer(TEditorPlayer& player, const TPlayerAttr& attr);
    void ToggleStar(TEditorPlayer& player);
    // Drops the player; returns the player that takes its place in the team (same index, or the last).
    TEditorPlayer* RemovePlayer(TEditorPlayer* player);
    void SortPlayers(TEditorTeam& team);
    // Moves the player to another team (whose squad is then sorted); false when it is already there.
    bool MovePlayer(TEditorPlayer* player, TEditorTeam* to);
    // A player name is refused when it is empty or holds "*".
    static bool IsAcceptablePlayerName(const std::string& name);
    int LastPosition() const { return lastPosition_; }

    // ---- referees ----
    TEditorReferee* AddReferee(const std::string& name, const std::string& country);
    void EditReferee(TEditorReferee& referee, const std::string& name, const std::string& country);
    void DeleteReferee(TEditorReferee* referee);
    bool RefereesModified() const { return refereesModified_; }

    // ---- saving on exit ----
    // Writes every team that needs it and deletes the files of removed, renamed and moved teams through a
    // save plan (editor/save_plan.h), then the referee file. New files are written in full before anything
    // on disk changes, so an I/O failure leaves every original file in place and a kill leaves a state the
    // next LoadTeams finishes. Returns false with `message` set on failure (the teams keep their state so
    // the save can be tried again).
    bool SaveAll(std::string& message);

private:
    void Recheck(TEditorTeam& team);
    std::vector<std::string> OtherFileNames(const TEditorTeam& team) const;
    void MarkChanged(TEditorTeam& team);
    // A path relative to the data folder: the folder's name and the file's name.
    static std::string RelativePath(bool provisory, const std::string& fileName);
    bool SaveTeams(std::string& message);

    TEditorOptions options_;
    TKolList<TEditorTeam> teams_{true};
    TKolList<TEditorPlayer> players_{false};
    TKolList<TEditorReferee> referees_{true};
    std::vector<TLoadProblem> problems_;
    std::vector<std::string> recoveryProblems_;
    std::string teamFolderProblem_;
    std::vector<std::string> pendingRemovals_;
    bool refereesLoaded_ = false;
    bool refereesModified_ = false;
    std::string refereeProblem_;
    int lastPosition_ = 1;
};
