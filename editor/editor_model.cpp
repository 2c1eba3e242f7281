#include "editor/editor_model.h"

#include "datafiles/referee_file.h"
#include "datafiles/team_check.h"
#include "datafiles/team_file.h"
#include "editor/file_names.h"
#include "editor/list_sort.h"
#include "editor/save_plan.h"
#include "foundation/binary_file.h"
#include "foundation/errors.h"
#include "foundation/file_helpers.h"
#include "foundation/file_io.h"
#include "foundation/file_system.h"

#include <algorithm>
#include <ctime>
#include <filesystem>
#include <map>
#include <set>

namespace fs = std::filesystem;

namespace {

std::string Lower(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return text;
}

TFileDate Today() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return TFileDate{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

// The files of a folder with the given extension (letter case ignored), sorted by name so that the
// directory order is the same on every system.
std::vector<std::string> FilesWithExtension(const std::string& folder, const std::string& extension) {
    std::vector<std::string> names;
    std::error_code ec;
    fs::directory_iterator it(folder, ec);
    if (ec) return names;
    const std::string wanted = Lower(extension);
    for (const fs::directory_entry& entry : it) {
        std::error_code typeError;
        if (!entry.is_regular_file(typeError)) continue;
        const std::string name = entry.path().filename().string();
        if (name.find('.') == std::string::npos) continue;
        if (Lower(FileExtensionPart(name)) == wanted) names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace

TEditorModel::TEditorModel(TEditorOptions options) : options_(std::move(options)) {}

TEditorModel::~TEditorModel() {
    // The players belong to their teams; the list of all players only refers to them.
    players_.Clear();
    teams_.Clear();
}

// ---- paths ----

std::string TEditorModel::FolderPath(bool provisory) const {
    std::string dir = ToNativePath(options_.dataDir);
    if (dir.empty()) dir = ".";
    if (dir.back() != '/') dir += '/';
    return dir + (provisory ? kProvisoryFolder : kEffectiveFolder);
}

std::string TEditorModel::LoadExtension() const {
    return TeamFileExtension(options_.loadVersion);
}

std::string TEditorModel::SaveExtension() const {
    return TeamFileExtension(options_.saveVersion);
}

std::string TEditorModel::LoadedPath(const TEditorTeam& team) const {
    if (team.loadedFileName.empty()) return std::string();
    return FolderPath(team.loadedProvisory) + "/" + ToNativePath(team.loadedFileName);
}

std::string TEditorModel::TargetPath(const TEditorTeam& team) const {
    return FolderPath(team.currentProvisory) + "/" + FileNamePart(ToNativePath(team.currentFileName)) + "." +
           SaveExtension();
}

// ---- loading ----

std::unique_ptr<TEditorTeam> TEditorModel::ReadTeam(const std::string& path, const std::string& fileName,
                                                    bool provisory) const {
    TTeamReadOptions readOptions;
    readOptions.allowStar = true;
    const TTeamFile file = TTeamFile::ReadFile(path, options_.loadVersion, readOptions);

    auto team = std::make_unique<TEditorTeam>();
    team->attr = file.team;
    team->header = file.header;
    team->headerOk = file.headerOk;
    team->coach->attr = file.coach;
    // The first stars in file order keep their flag while the allowance lasts.
    int allowance = options_.limitStarPlayers ? kLimitedStarAllowance : kStarAllowance;
    for (const TPlayerAttr& attr : file.players) {
        auto player = std::make_unique<TEditorPlayer>();
        player->attr = attr;
        if (player->attr.IsStar()) {
            if (allowance > 0)
                --allowance;
            else
                player->attr.SetStar(0);
        }
        player->SetTeam(team.get());
        team->players.Add(player.release());
    }
    team->SortPlayers();

    team->loadedFileName = fileName;
    team->loadedProvisory = provisory;
    team->currentFileName = fileName;
    team->currentProvisory = provisory;
    const std::string extension = LoadExtension();
    if (options_.fileNamesAsTeamNames)
        team->currentFileName = FileNameFromShortName(team->attr.ShortName(), extension);
    if (options_.autoCorrectFileNames || options_.fileNamesAsTeamNames)
        team->currentFileName = CorrectedFileName(team->currentFileName, extension);
    if (team->currentFileName != team->loadedFileName || options_.convertToNewVersion) team->modified = true;

    std::error_code ec;
    team->fileDate = fs::last_write_time(path, ec);
    team->hasFileDate = !ec;
    return team;
}

int TEditorModel::LoadFolder(bool provisory) {
    const std::string folder = FolderPath(provisory);
    int count = 0;
    for (const std::string& name : FilesWithExtension(folder, LoadExtension())) {
        const std::string path = folder + "/" + name;
        try {
            std::unique_ptr<TEditorTeam> team = ReadTeam(path, name, provisory);
            for (TEditorPlayer* p : team->players) players_.Add(p);
            teams_.Add(team.release());
            ++count;
        } catch (const std::exception& e) {
            // A damaged file is left on disk as it is; the scan goes on so that one bad file hides no other.
            problems_.push_back(TLoadProblem{path, e.what(), name, provisory});
        }
    }
    return count;
}

std::string TEditorModel::RelativePath(bool provisory, const std::string& fileName) {
    return std::string(provisory ? kProvisoryFolder : kEffectiveFolder) + "/" + ToNativePath(fileName);
}

void TEditorModel::LoadTeams() {
    // An interrupted save is finished (or its staged files dropped) before a folder is read, so that no
    // club is read twice and no staged file lingers.
    std::string dataDir = ToNativePath(options_.dataDir);
    if (dataDir.empty()) dataDir = ".";
    recoveryProblems_ = RecoverInterruptedSave(dataDir, {kEffectiveFolder, kProvisoryFolder});
    // The clubs the game plays with live in the effective folder: a folder that cannot be read is told,
    // where an empty list alone would not say why. (The provisory folder may well not exist yet.)
    std::error_code ec;
    fs::directory_iterator probe(FolderPath(false), ec);
    teamFolderProblem_ = ec ? FolderPath(false) + ": " + ec.message() : std::string();
    LoadFolder(false);
    LoadFolder(true);
    teams_.Pack();
    StableSortList(teams_, TeamInOrder);
    RecheckAll();
}

bool TEditorModel::LoadReferees() {
    referees_.Clear();
    refereesLoaded_ = false;
    refereeProblem_.clear();
    const std::string path = ToNativePath(options_.dataDir) + "/" + kRefereeFileName;
    try {
        for (const TRefereeAttr& r : ReadRefereeFilePath(path)) referees_.Add(new TEditorReferee(r));
        refereesLoaded_ = true;
    } catch (const std::exception& e) {
        referees_.Clear();
        refereeProblem_ = std::string(kRefereeFileName) + ": " + e.what();
    }
    return refereesLoaded_;
}

// ---- the team check ----

std::vector<std::string> TEditorModel::OtherFileNames(const TEditorTeam& team) const {
    std::vector<std::string> names;
    for (const TEditorTeam* t : teams_)
        if (t && t != &team) names.push_back(t->currentFileName);
    // The names of files that could not be read stay taken: a save under such a name would destroy them.
    for (const TLoadProblem& p : problems_) names.push_back(p.fileName);
    return names;
}

std::uint32_t TEditorModel::CheckFlags(const TEditorTeam& team) const {
    const std::vector<const TPlayerAttr*> players = team.PlayerAttrs();
    const std::vector<std::string> others = OtherFileNames(team);
    return ComputeTeamCheckFlags(team.attr, players, team.coach.get() ? &team.coach->attr : nullptr,
                                 team.currentFileName, others);
}

void TEditorModel::Recheck(TEditorTeam& team) {
    team.checkFlags = CheckFlags(team);
    team.valid = team.checkFlags == 0;
}

void TEditorModel::RecheckAll() {
    teams_.Pack();
    // Counting the names once keeps this linear: a team collides exactly when its name is counted twice.
    std::map<std::string, int> counts;
    for (const TEditorTeam* t : teams_) ++counts[Lower(t->currentFileName)];
    for (const TLoadProblem& p : problems_) ++counts[Lower(p.fileName)];
    for (TEditorTeam* t : teams_) {
        const std::vector<const TPlayerAttr*> players = t->PlayerAttrs();
        std::vector<std::string> others;
        if (counts[Lower(t->currentFileName)] > 1) others.push_back(t->currentFileName);
        t->checkFlags = ComputeTeamCheckFlags(t->attr, players, t->coach.get() ? &t->coach->attr : nullptr,
                                              t->currentFileName, others);
        t->valid = t->checkFlags == 0;
    }
}

TEditorTeam* TEditorModel::FirstInvalidTeam() {
    RecheckAll();
    for (TEditorTeam* t : teams_)
        if (!t->valid) return t;
    return nullptr;
}

void TEditorModel::MarkChanged(TEditorTeam& team) {
    team.modified = true;
    if (teams_.Contains(&team))
        RecheckAll();
    else
        Recheck(team);
}

// ---- teams ----

std::unique_ptr<TEditorTeam> TEditorModel::CreateTeam() const {
    auto team = std::make_unique<TEditorTeam>();
    team->attr.SetCountry("###");
    return team;
}

TTeamProperties TEditorModel::PropertiesOf(const TEditorTeam& team) const {
    TTeamProperties p;
    p.name = team.attr.Name();
    p.shortName = team.attr.ShortName();
    p.coachName = team.coach ? team.coach->attr.Name() : std::string();
    p.level = team.attr.Level();
    p.country = team.attr.Country();
    p.color1 = team.attr.Color1();
    p.color2 = team.attr.Color2();
    p.fileNamePart = FileNamePart(team.currentFileName);
    return p;
}

bool TEditorModel::ApplyTeamProperties(TEditorTeam& team, const TTeamProperties& props) {
    const TTeamProperties before = PropertiesOf(team);
    team.attr.SetName(props.name);
    team.attr.SetShortName(props.shortName);
    if (!team.coach) team.coach = std::make_unique<TEditorCoach>();
    team.coach->attr.SetName(props.coachName);
    team.attr.SetLevel(static_cast<std::uint8_t>(std::clamp(props.level, 1, 20)));
    team.attr.SetCountry(props.country);
    team.attr.SetColor1(props.color1);
    team.attr.SetColor2(props.color2);
    team.currentFileName = props.fileNamePart.substr(0, kFileNamePartWidth) + "." + LoadExtension();
    const TTeamProperties after = PropertiesOf(team);
    const bool changed = after.name != before.name || after.shortName != before.shortName ||
                         after.coachName != before.coachName || after.level != before.level ||
                         after.country != before.country || after.color1 != before.color1 ||
                         after.color2 != before.color2 || after.fileNamePart != before.fileNamePart;
    if (changed)
        MarkChanged(team);
    else if (teams_.Contains(&team))
        RecheckAll();
    else
        Recheck(team);
    return changed;
}

TEditorTeam* TEditorModel::AddTeam(std::unique_ptr<TEditorTeam> team) {
    TEditorTeam* t = team.release();
    teams_.Add(t);
    for (TEditorPlayer* p : t->players) {
        p->SetTeam(t);
        players_.Add(p);
    }
    RecheckAll();
    return t;
}

void TEditorModel::SetProvisory(TEditorTeam& team, bool provisory) {
    // Moving a team between the folders changes where it is written, not its contents: it is written
    // because its folder changed, and keeps its file date.
    team.currentProvisory = provisory;
    RecheckAll();
}

void TEditorModel::SetLevel(TEditorTeam& team, int level) {
    const auto value = static_cast<std::uint8_t>(std::clamp(level, 1, 20));
    if (team.attr.Level() == value) return;
    team.attr.SetLevel(value);
    MarkChanged(team);
}

void TEditorModel::SetCountry(TEditorTeam& team, const std::string& code) {
    team.attr.SetCountry(code);
    MarkChanged(team);
}

void TEditorModel::SetFileNamePart(TEditorTeam& team, const std::string& namePart) {
    const std::string name = namePart.substr(0, kFileNamePartWidth) + "." + LoadExtension();
    if (name == team.currentFileName) return;
    // A new name alone is no edit of the contents: the team is written because its name changed.
    team.currentFileName = name;
    RecheckAll();
}

void TEditorModel::SetNames(TEditorTeam& team, const std::string& name, const std::string& shortName,
                            const std::string& coachName) {
    TTeamProperties p = PropertiesOf(team);
    p.name = name;
    p.shortName = shortName;
    p.coachName = coachName;
    ApplyTeamProperties(team, p);
}

bool TEditorModel::RemoveTeam(TEditorTeam* team, std::string& /*failedPath*/) {
    if (!team->loadedFileName.empty())
        pendingRemovals_.push_back(RelativePath(team->loadedProvisory, team->loadedFileName));
    for (TEditorPlayer* p : team->players) players_.Remove(p);
    const int index = teams_.IndexOf(team);
    if (index >= 0)
        teams_.Delete(index);
    else
        delete team;
    RecheckAll();
    return true;
}

// ---- players ----

std::unique_ptr<TEditorPlayer> TEditorModel::CreatePlayer(const TEditorTeam& team) const {
    auto player = std::make_unique<TEditorPlayer>();
    player->attr.SetNationality(team.attr.Country());
    player->attr.SetPosition(static_cast<std::uint8_t>(lastPosition_));
    player->attr.SetAge(25);
    player->attr.SetBehaviour(2);
    return player;
}

TEditorPlayer* TEditorModel::AddPlayer(TEditorTeam& team, std::unique_ptr<TEditorPlayer> player) {
    TEditorPlayer* p = player.release();
    p->SetTeam(&team);
    team.players.Add(p);
    players_.Add(p);
    lastPosition_ = p->attr.Position();
    MarkChanged(team);
    return p;
}

bool TEditorModel::ApplyPlayer(TEditorPlayer& player, const TPlayerAttr& attr) {
    const TPlayerAttr& old = player.attr;
    const bool changed = old.Name() != attr.Name() || old.Position() != attr.Position() ||
                         old.Star() != attr.Star() || old.Nationality() != attr.Nationality() ||
                         old.Behaviour() != attr.Behaviour() || old.Age() != attr.Age();
    lastPosition_ = attr.Position();
    if (!changed) return false;
    player.attr = attr;
    if (player.Team()) MarkChanged(*player.Team());
    return true;
}

void TEditorModel::ToggleStar(TEditorPlayer& player) {
    player.attr.SetStar(player.attr.IsStar() ? 0 : 1);
    if (player.Team()) MarkChanged(*player.Team());
}

TEditorPlayer* TEditorModel::RemovePlayer(TEditorPlayer* player) {
    TEditorTeam* team = player->Team();
    players_.Remove(player);
    if (!team) {
        delete player;
        return nullptr;
    }
    team->players.Pack();
    const int index = team->players.Remove(player);
    delete player;
    MarkChanged(*team);
    if (team->players.Empty()) return nullptr;
    if (index >= 0 && index < team->players.Count()) return team->players[index];
    return team->players.Last();
}

void TEditorModel::SortPlayers(TEditorTeam& team) {
    team.SortPlayers();
}

bool TEditorModel::MovePlayer(TEditorPlayer* player, TEditorTeam* to) {
    TEditorTeam* from = player->Team();
    if (to == nullptr || from == to) return false;
    if (from) {
        from->players.Remove(player);
        from->modified = true;
    }
    to->players.Add(player);
    player->SetTeam(to);
    to->SortPlayers();
    to->modified = true;
    RecheckAll();
    return true;
}

bool TEditorModel::IsAcceptablePlayerName(const std::string& name) {
    return !name.empty() && name.find('*') == std::string::npos;
}

// ---- referees ----

TEditorReferee* TEditorModel::AddReferee(const std::string& name, const std::string& country) {
    auto* r = new TEditorReferee(name, country);
    referees_.Add(r);
    refereesModified_ = true;
    return r;
}

void TEditorModel::EditReferee(TEditorReferee& referee, const std::string& name, const std::string& country) {
    if (referee.Name() == name && referee.Country() == country) return;
    referee.SetName(name);
    referee.SetCountry(country);
    refereesModified_ = true;
}

void TEditorModel::DeleteReferee(TEditorReferee* referee) {
    const int index = referees_.IndexOf(referee);
    if (index < 0) return;
    referees_.Delete(index);
    refereesModified_ = true;
}

// ---- saving on exit ----

bool TEditorModel::SaveTeams(std::string& message) {
    struct TWrite {
        TEditorTeam* team;
        std::string target; // full path
        std::string staged; // full path
        bool pureMove;      // only the name or folder changed: the new file keeps the old date
    };
    teams_.Pack();
    std::string dataDir = ToNativePath(options_.dataDir);
    if (dataDir.empty()) dataDir = ".";
    const std::string saveExtension = SaveExtension();
    const TFileDate today = Today();

    std::vector<TWrite> writes;
    TSavePlan plan;
    // Two teams written under one name, or a team written over a file that could not be read, would
    // destroy a club: such a save is refused before anything is written.
    std::set<std::string> targets;      // as the file system that ignores letter case sees them
    std::set<std::string> exactTargets; // as this one sees them
    for (TEditorTeam* t : teams_) {
        const std::string name = FileNamePart(ToNativePath(t->currentFileName)) + "." + saveExtension;
        exactTargets.insert(RelativePath(t->currentProvisory, name));
        if (!targets.insert(Lower(RelativePath(t->currentProvisory, name))).second) {
            message = "Two teams would be written to " + TargetPath(*t);
            return false;
        }
    }
    for (const TLoadProblem& p : problems_)
        if (targets.count(Lower(RelativePath(p.provisory, p.fileName)))) {
            message = p.path + " could not be read; no team is written over it";
            return false;
        }
    for (TEditorTeam* t : teams_) {
        if (!t->NeedsWriting()) continue;
        const std::string name = FileNamePart(ToNativePath(t->currentFileName)) + "." + saveExtension;
        TWrite w{t, TargetPath(*t), TargetPath(*t) + kStagedSuffix, !t->modified};
        TSaveMove move{RelativePath(t->currentProvisory, name) + kStagedSuffix,
                       RelativePath(t->currentProvisory, name), w.pureMove && t->hasFileDate,
                       t->fileDate.time_since_epoch().count()};
        plan.moves.push_back(move);
        if (t->NameOrFolderChanged() && !t->loadedFileName.empty())
            plan.deletions.push_back(RelativePath(t->loadedProvisory, t->loadedFileName));
        writes.push_back(w);
    }
    for (const std::string& removed : pendingRemovals_) plan.deletions.push_back(removed);
    // A file now written under a name is never deleted as the old file of another team (two teams that
    // swapped their names); where letter case is ignored, the carrying out sees that the names are one file.
    std::erase_if(plan.deletions,
                  [&exactTargets](const std::string& d) { return exactTargets.count(d) > 0; });
    if (plan.Empty()) return true;

    // 1. Every new file is written in full under its staged name; nothing on disk is replaced yet.
    std::size_t staged = 0;
    auto dropStaged = [&] {
        for (std::size_t i = 0; i < staged; ++i) FileSystem().Remove(writes[i].staged);
    };
    try {
        std::set<std::string> folders;
        for (TWrite& w : writes) {
            TTeamFile file = w.team->ToTeamFile();
            if (!w.pureMove || !file.headerOk) file.StampHeader(options_.user, today);
            std::error_code ec;
            fs::create_directories(fs::path(w.target).parent_path(), ec);
            // A staged file of an earlier attempt that failed is stale: this one replaces it.
            FileSystem().Remove(w.staged);
            WriteNewFile(w.staged, file.Write(options_.saveVersion), w.target);
            ++staged;
            folders.insert(FolderOfPath(w.target));
        }
        for (const std::string& folder : folders)
            if (const int error = FileSystem().SyncFolder(folder))
                throw EInOutError("Cannot write " + folder + ": " + SystemErrorText(error));
        // 2. The plan: from here on the save is finished even if the program is killed.
        WriteWholeFile(dataDir + "/" + kSavePlanFileName, [&plan] {
            const std::string text = plan.Serialize();
            return std::vector<std::uint8_t>(text.begin(), text.end());
        }());
    } catch (const std::exception& e) {
        dropStaged();
        message = e.what();
        return false;
    }
    // 3. Renames, deletions, and the plan removed.
    if (!CarryOutSavePlan(dataDir, plan, message)) return false;

    for (TWrite& w : writes) {
        TEditorTeam* t = w.team;
        if (!w.pureMove || !t->hasFileDate) {
            std::error_code ec;
            const auto date = fs::last_write_time(w.target, ec);
            if (!ec) {
                t->fileDate = date;
                t->hasFileDate = true;
            }
        }
        t->loadedFileName = fs::path(w.target).filename().string();
        t->currentFileName = t->loadedFileName;
        t->loadedProvisory = t->currentProvisory;
        t->modified = false;
    }
    pendingRemovals_.clear();
    return true;
}

bool TEditorModel::SaveAll(std::string& message) {
    if (!SaveTeams(message)) return false;

    // Then the referee file, when it was read or the referees were edited (an unread file is never emptied).
    if (refereesLoaded_ || refereesModified_) {
        std::vector<TRefereeAttr> list;
        for (const TEditorReferee* r : referees_)
            if (r) list.push_back(*r);
        try {
            WriteRefereeFilePath(ToNativePath(options_.dataDir) + "/" + kRefereeFileName, list);
        } catch (const std::exception& e) {
            message = e.what();
            return false;
        }
        refereesModified_ = false;
        refereesLoaded_ = true;
    }
    return true;
}
