// kolbrin-data group dump FILE: a country group file ("bosman.txe", "plop.txe") as JSON: its header and
// every entry as stored, with the country code a reader takes from it.
#include "tools/kolbrin-data/commands.h"

#include "datafiles/country_group_file.h"
#include "foundation/binary_file.h"
#include "foundation/encoding.h"
#include "foundation/errors.h"

#include <nlohmann/json.hpp>

#include <cstdio>
#include <stdexcept>

namespace {
constexpr const char* kUsage = "group dump FILE";

int Group(const CommandArgs& args) {
    RequireArgs(args, 2, kUsage);
    if (args[0] != "dump") throw std::runtime_error(std::string("usage: kolbrin-data ") + kUsage);
    TCountryGroupFile file;
    try {
        file = ReadCountryGroupFile(ReadWholeFile(args[1], kMaxGroupFileSize));
    } catch (const EInvalidFile& e) {
        throw EInvalidFile(args[1] + ": " + e.what());
    }
    nlohmann::ordered_json entries = nlohmann::ordered_json::array();
    for (const std::string& e : file.entries)
        entries.push_back({{"entry", Cp1252ToUtf8(e)},
                           {"code", Cp1252ToUtf8(e.substr(0, std::min<std::size_t>(e.size(), 3)))}});
    nlohmann::ordered_json j;
    j["header"] = Cp1252ToUtf8(file.header);
    j["knownHeader"] = file.header == kBosmanHeader || file.header == kPlopHeader;
    j["entries"] = entries;
    std::printf("%s\n", j.dump(2).c_str());
    return 0;
}

const CommandRegistration kGroupCommand("group", kUsage, Group);
} // namespace
