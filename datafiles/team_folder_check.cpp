#include "datafiles/team_folder_check.h"

#include "datafiles/record_fields.h"
#include "datafiles/team_check.h"
#include "datafiles/team_file.h"

#include <algorithm>
#include <filesystem>
#include <stdexcept>
#include <unordered_map>

namespace fs = std::filesystem;

namespace {
std::string Folded(std::string s) {
    for (char& c : s)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return s;
}

std::string KindOf(fs::file_type type) {
    switch (type) {
    case fs::file_type::directory:
        return "a folder";
    case fs::file_type::fifo:
        return "a pipe";
    case fs::file_type::block:
    case fs::file_type::character:
        return "a device";
    case fs::file_type::socket:
        return "a socket";
    default:
        return "not a regular file";
    }
}
} // namespace

std::vector<TTeamFolderResult> CheckTeamFolder(const std::string& folder) {
    std::error_code ec;
    const fs::file_status status = fs::status(folder, ec);
    if (ec) throw std::runtime_error(folder + ": cannot read the folder: " + ec.message());
    if (!fs::is_directory(status)) throw std::runtime_error(folder + ": not a folder");

    struct TEntry {
        std::string name;
        std::string problem;
    };
    std::vector<TEntry> entries;
    fs::directory_iterator it(folder, ec);
    for (const fs::directory_iterator end; !ec && it != end; it.increment(ec)) {
        const std::string ext = it->path().extension().string();
        if (ext != ".kbt" && ext != ".kot") continue;
        TEntry e{it->path().filename().string(), {}};
        std::error_code typeError;
        const fs::file_status s = it->status(typeError);
        if (typeError)
            e.problem = "cannot be read: " + typeError.message();
        else if (!fs::is_regular_file(s))
            e.problem = "not a team file: it is " + KindOf(s.type());
        entries.push_back(std::move(e));
    }
    if (ec) throw std::runtime_error(folder + ": cannot read the folder: " + ec.message());
    std::sort(entries.begin(), entries.end(),
              [](const TEntry& a, const TEntry& b) { return a.name < b.name; });

    // Every team file's name, folded: a name counted twice collides with another file's.
    std::unordered_map<std::string, int> counts;
    for (const TEntry& e : entries)
        if (e.problem.empty()) ++counts[Folded(e.name)];

    std::vector<TTeamFolderResult> results;
    results.reserve(entries.size());
    for (const TEntry& e : entries) {
        TTeamFolderResult r{e.name, 0, e.problem};
        if (r.problem.empty()) {
            const std::string path = (fs::path(folder) / e.name).string();
            TTeamFile f;
            try {
                f = TTeamFile::ReadFile(path, fs::path(e.name).extension() == ".kot" ? kDataFormat98
                                                                                     : kDataFormat2002);
            } catch (const std::exception& error) {
                r.problem = std::string("unreadable: ") + error.what();
            }
            if (r.problem.empty()) {
                std::vector<const TPlayerAttr*> players;
                for (const TPlayerAttr& p : f.players) players.push_back(&p);
                // The one other name the check needs to see: this name again when another file folds to it.
                std::vector<std::string> others;
                if (counts[Folded(e.name)] > 1) others.push_back(e.name);
                r.flags = ComputeTeamCheckFlags(f.team, players, &f.coach, e.name, others);
            }
        }
        results.push_back(std::move(r));
    }
    return results;
}
