// kolbrin-data referees dump FILE: the referee file as JSON, one object per referee in file order.
#include "tools/kolbrin-data/commands.h"

#include "datafiles/referee_file.h"
#include "foundation/encoding.h"

#include <nlohmann/json.hpp>

#include <cstdio>
#include <stdexcept>

namespace {
constexpr const char* kUsage = "referees dump FILE";

int Referees(const CommandArgs& args) {
    RequireArgs(args, 2, kUsage);
    if (args[0] != "dump") throw std::runtime_error(std::string("usage: kolbrin-data ") + kUsage);
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    for (const TRefereeAttr& r : ReadRefereeFilePath(args[1]))
        list.push_back({{"country", Cp1252ToUtf8(r.Country())}, {"name", Cp1252ToUtf8(r.Name())}});
    nlohmann::ordered_json j;
    j["header"] = kRefereeFileHeader;
    j["referees"] = list;
    std::printf("%s\n", j.dump(2).c_str());
    return 0;
}

const CommandRegistration kRefereesCommand("referees", kUsage, Referees);
} // namespace
