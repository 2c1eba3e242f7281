#include "editor/save_plan.h"

#include "foundation/file_io.h"
#include "foundation/file_system.h"

#include <cerrno>
#include <filesystem>
#include <set>
#include <sstream>

namespace fs = std::filesystem;

namespace {
constexpr const char* kPlanMarker = "Kolbrin editor save plan 1";
constexpr std::size_t kMaxPlanSize = 4u << 20;

std::string Join(const std::string& dataDir, const std::string& relative) {
    return dataDir + "/" + relative;
}

// A plan names only files inside the data folder: no absolute path, no "..", no control character.
bool SafeRelative(const std::string& path) {
    if (path.empty() || path.front() == '/' || path.front() == '\\') return false;
    for (char c : path)
        if (static_cast<unsigned char>(c) < 0x20) return false;
    std::stringstream parts(path);
    for (std::string part; std::getline(parts, part, '/');)
        if (part.empty() || part == "." || part == "..") return false;
    return path.find('\\') == std::string::npos;
}

std::vector<std::string> SplitTabs(const std::string& line) {
    std::vector<std::string> fields;
    std::size_t from = 0;
    for (;;) {
        const std::size_t tab = line.find('\t', from);
        fields.push_back(line.substr(from, tab == std::string::npos ? std::string::npos : tab - from));
        if (tab == std::string::npos) return fields;
        from = tab + 1;
    }
}

bool SameFile(const std::string& a, const std::string& b) {
    if (a == b) return true;
    std::error_code ec;
    return fs::equivalent(a, b, ec);
}

void SyncFolders(const std::set<std::string>& folders, std::string& problems) {
    for (const std::string& folder : folders)
        if (const int error = FileSystem().SyncFolder(folder))
            problems += (problems.empty() ? "" : "; ") + folder + ": " + SystemErrorText(error);
}
} // namespace

std::string TSavePlan::Serialize() const {
    std::string text = std::string(kPlanMarker) + "\n";
    for (const TSaveMove& m : moves)
        text +=
            "move\t" + m.staged + "\t" + m.target + "\t" + (m.keepDate ? std::to_string(m.date) : "-") + "\n";
    for (const std::string& d : deletions) text += "delete\t" + d + "\n";
    // The end line tells a whole plan from a cut one.
    return text + "end\n";
}

std::optional<TSavePlan> TSavePlan::Parse(const std::string& text) {
    std::stringstream lines(text);
    std::string line;
    if (!std::getline(lines, line) || line != kPlanMarker) return std::nullopt;
    TSavePlan plan;
    while (std::getline(lines, line)) {
        if (line == "end")
            return lines.peek() == std::char_traits<char>::eof() ? std::optional(plan) : std::nullopt;
        const std::vector<std::string> f = SplitTabs(line);
        if (f[0] == "move" && f.size() == 4 && SafeRelative(f[1]) && SafeRelative(f[2])) {
            TSaveMove m{f[1], f[2], f[3] != "-", 0};
            if (m.keepDate) {
                try {
                    std::size_t used = 0;
                    m.date = std::stoll(f[3], &used);
                    if (used != f[3].size()) return std::nullopt;
                } catch (const std::exception&) {
                    return std::nullopt;
                }
            }
            plan.moves.push_back(m);
        } else if (f[0] == "delete" && f.size() == 2 && SafeRelative(f[1])) {
            plan.deletions.push_back(f[1]);
        } else {
            return std::nullopt;
        }
    }
    return std::nullopt;
}

bool CarryOutSavePlan(const std::string& dataDir, const TSavePlan& plan, std::string& message) {
    TFileSystem& disk = FileSystem();
    std::set<std::string> folders;
    // 1. Every staged file replaces its target. One that is gone was renamed before an interruption.
    for (const TSaveMove& m : plan.moves) {
        const std::string staged = Join(dataDir, m.staged);
        const std::string target = Join(dataDir, m.target);
        folders.insert(FolderOfPath(target));
        std::error_code ec;
        if (fs::exists(fs::symlink_status(staged, ec))) {
            if (const int error = disk.Rename(staged, target)) {
                message = "Cannot replace " + target + ": " + SystemErrorText(error);
                return false;
            }
        }
        if (m.keepDate)
            fs::last_write_time(target, fs::file_time_type(fs::file_time_type::duration(m.date)), ec);
    }
    // 2. The new names reach the disk before any old file goes.
    std::string problems;
    SyncFolders(folders, problems);
    if (!problems.empty()) {
        message = "Cannot write " + problems;
        return false;
    }
    // 3. The old files, unless a new file now stands under that name.
    folders.clear();
    for (const std::string& d : plan.deletions) {
        const std::string path = Join(dataDir, d);
        bool isTarget = false;
        for (const TSaveMove& m : plan.moves) isTarget = isTarget || SameFile(path, Join(dataDir, m.target));
        if (isTarget) continue;
        folders.insert(FolderOfPath(path));
        const int error = disk.Remove(path);
        if (error && error != ENOENT)
            problems += (problems.empty() ? "" : "; ") + path + ": " + SystemErrorText(error);
    }
    SyncFolders(folders, problems);
    if (!problems.empty()) {
        message = "Cannot delete " + problems;
        return false;
    }
    // 4. The save is complete.
    const std::string planPath = Join(dataDir, kSavePlanFileName);
    const int error = disk.Remove(planPath);
    if (error && error != ENOENT) {
        message = "Cannot delete " + planPath + ": " + SystemErrorText(error);
        return false;
    }
    if (const int syncError = disk.SyncFolder(dataDir)) {
        message = "Cannot write " + dataDir + ": " + SystemErrorText(syncError);
        return false;
    }
    return true;
}

std::vector<std::string> RecoverInterruptedSave(const std::string& dataDir,
                                                const std::vector<std::string>& teamFolders) {
    std::vector<std::string> problems;
    const std::string planPath = Join(dataDir, kSavePlanFileName);
    std::error_code ec;
    if (fs::exists(fs::symlink_status(planPath, ec))) {
        std::optional<TSavePlan> plan;
        try {
            const std::vector<std::uint8_t> bytes = ReadWholeFile(planPath, kMaxPlanSize);
            plan = TSavePlan::Parse(std::string(bytes.begin(), bytes.end()));
        } catch (const std::exception& e) {
            problems.push_back(e.what());
            return problems;
        }
        if (!plan) {
            // Without a trustworthy plan no staged file may go: it may be the only copy of a team.
            problems.push_back(planPath +
                               ": the plan of an interrupted save is damaged; no file was changed");
            return problems;
        }
        std::string message;
        if (!CarryOutSavePlan(dataDir, *plan, message)) {
            problems.push_back(message);
            return problems;
        }
    }
    // No plan: whatever a save staged never replaced anything, and a write temporary is never a file.
    auto sweep = [&problems](const std::string& folder, bool staged) {
        std::error_code ec;
        std::vector<std::string> stray;
        for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
            const std::string name = it->path().filename().string();
            const std::string suffix = kStagedSuffix;
            const bool isStaged = staged && name.size() > suffix.size() &&
                                  name.compare(name.size() - suffix.size(), suffix.size(), suffix) == 0;
            if (isStaged || IsWriteTemporary(name)) stray.push_back(it->path().string());
        }
        for (const std::string& path : stray)
            if (const int error = FileSystem().Remove(path); error && error != ENOENT)
                problems.push_back("Cannot delete " + path + ": " + SystemErrorText(error));
        if (!stray.empty()) FileSystem().SyncFolder(folder);
    };
    for (const std::string& folder : teamFolders) sweep(Join(dataDir, folder), true);
    sweep(dataDir, false);
    return problems;
}
