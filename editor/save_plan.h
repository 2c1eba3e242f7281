#pragma once
// The editor's save as a plan. Every new team file is first written in full under a staged name beside its
// target; then the plan (which staged file replaces which target, which old files go) is written atomically
// into the data folder; only then are the staged files renamed over their targets and the old files deleted,
// and the plan is removed last. A save killed at any moment therefore leaves either no plan (nothing on disk
// has changed but the staged files, which start-up removes) or a complete plan (which start-up carries out
// to the end). Either way every team is in the pool exactly once.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

inline constexpr const char* kSavePlanFileName = "editor-save.plan";
// A new team file waits under its target's name with this ending until the plan is on disk.
inline constexpr const char* kStagedSuffix = ".saving";

struct TSaveMove {
    // Paths relative to the data folder ("Teams/alfa.kbt").
    std::string staged;
    std::string target;
    // The file's date is set to `date` (ticks of std::filesystem::file_time_type) once it is in place: a
    // team only renamed or moved keeps the date of its file.
    bool keepDate = false;
    std::int64_t date = 0;
};

struct TSavePlan {
    std::vector<TSaveMove> moves;
    // Files to delete once every move is done (old files of renamed or moved teams, removed teams); a path
    // that is also a target is never deleted.
    std::vector<std::string> deletions;

    bool Empty() const { return moves.empty() && deletions.empty(); }
    std::string Serialize() const;
    // Nothing for a damaged plan, or one whose paths leave the data folder.
    static std::optional<TSavePlan> Parse(const std::string& text);
};

// Carries out a plan whose staged files are written and whose plan file is on disk, then removes the plan
// file. Safe to run again after an interruption (a staged file already renamed is skipped, a file already
// deleted is no error). False with `message` on failure; the plan file then stays, so the next start-up
// finishes the save.
bool CarryOutSavePlan(const std::string& dataDir, const TSavePlan& plan, std::string& message);

// Run at start-up before the team folders are read: finishes the save a plan on disk describes, then
// removes what interrupted writes left (staged team files and write temporaries) from the team folders
// (relative to the data folder) and from the data folder itself. Returns a message per problem (empty when
// all went well). With a damaged plan nothing is touched.
std::vector<std::string> RecoverInterruptedSave(const std::string& dataDir,
                                                const std::vector<std::string>& teamFolders);
