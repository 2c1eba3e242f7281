// `kolbrin-data team import`: arbitrary bytes as the JSON of a team file. A refusal (not JSON, or a value
// the file cannot store) is the expected outcome; what is accepted must be stored as given: the file it
// writes reads back and exports to JSON that imports to the very same bytes.
#include "datafiles/team_file.h"
#include "fuzz/fuzz_support.h"
#include "tools/kolbrin-data/team_json.h"

namespace {
using json = nlohmann::ordered_json;

void Run(const std::uint8_t* data, std::size_t size) {
    const json j = json::parse(data, data + size, nullptr, false);
    if (j.is_discarded()) return;
    int version = 0;
    TTeamFile file;
    try {
        file = TeamFromJson(j, version);
    } catch (const ETeamJson&) {
        return;
    }
    const std::vector<std::uint8_t> bytes = file.Write(version);
    TTeamFile back;
    try {
        back = TTeamFile::Read(bytes, version, {.allowStar = true, .deriveOld = false});
    } catch (const std::exception& e) {
        FuzzCheck(false, std::string("an imported team does not read back: ") + e.what());
    }
    int again = 0;
    TTeamFile second;
    try {
        second = TeamFromJson(TeamToJson(back, version, false), again);
    } catch (const ETeamJson& e) {
        FuzzCheck(false, std::string("the export of an imported team is refused: ") + e.what());
    }
    FuzzCheck(again == version && second.Write(version) == bytes,
              "an imported team does not export and import to the same bytes");
}

std::vector<TFuzzBytes> Seeds(const std::string& dataDir) {
    std::vector<TFuzzBytes> seeds;
    for (const std::string& path : FuzzSeedFiles(dataDir, "Teams", ".kbt", 4)) {
        const TTeamFile f =
            TTeamFile::ReadFile(path, kDataFormat2002, {.allowStar = true, .deriveOld = false});
        seeds.push_back(FuzzBytesOf(TeamToJson(f, kDataFormat2002, false).dump()));
        seeds.push_back(FuzzBytesOf(TeamToJson(f, kDataFormat98, false).dump(1)));
    }
    // Edges of the values: the largest year, a leap day, a wide integer.
    if (!seeds.empty()) {
        json j = json::parse(seeds.front().begin(), seeds.front().end());
        j["header"]["saved"] = {{"year", 2830}, {"month", 2}, {"day", 29}};
        j["team"]["color1"] = 2147483647;
        seeds.push_back(FuzzBytesOf(j.dump()));
    }
    return seeds;
}
} // namespace

KOLBRIN_FUZZ_TARGET("team_json", Run, Seeds)
