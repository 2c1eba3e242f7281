#include "tools/kolbrin-data/team_json.h"

#include "foundation/errors.h"
#include "tools/kolbrin-data/json_fields.h"

#include <cstdint>
#include <span>

namespace {
[[noreturn]] void JsonError(const std::string& where, const std::string& reason) {
    throw ETeamJson(where + ": " + reason);
}

// The records go through the JSON forms of the field tables shared with the saved-game commands.
template <class R> json RecordToJson(const R& record, std::span<const TRecordField<R>> fields, int version) {
    TJsonFieldSink sink;
    WriteRecordFields<R>(sink, record, fields, version);
    return sink.Root();
}

template <class R>
void RecordFromJson(R& record, const json& j, std::span<const TRecordField<R>> fields, int version,
                    const std::string& where) {
    if (!j.is_object()) JsonError(where, "an object expected");
    TJsonFieldSource source(j, where);
    source.RefuseControlCharacters(true);
    try {
        ReadRecordFields<R>(source, record, fields, version, where.c_str());
    } catch (const EInvalidFile& e) {
        // The message names the field below `where` ("players[3].name: ...").
        throw ETeamJson(e.what());
    }
}
} // namespace

int ParseVersion(const std::string& text) {
    if (text == "98") return kDataFormat98;
    if (text == "2002") return kDataFormat2002;
    throw ETeamJson("--version must be 98 or 2002, not " + text);
}

json TeamToJson(const TTeamFile& f, int version, bool withDerived) {
    json j;
    j["version"] = version;
    if (HasExtendedFormat(version)) {
        j["header"] = RecordToJson<TFileHeader>(f.header, TFileHeader::Fields(), version);
        j["headerOk"] = f.headerOk;
    }
    j["team"] = RecordToJson<TTeamAttr>(f.team, TTeamAttr::Fields(), version);
    json players = json::array();
    for (const TPlayerAttr& p : f.players) {
        json pj = RecordToJson<TPlayerAttr>(p, TPlayerAttr::Fields(), version);
        if (withDerived && !HasExtendedFormat(version)) {
            // What the game makes of this older record (with stars allowed); not part of the file.
            TPlayerAttr d = p;
            d.DeriveOldFields(true);
            pj["derived"] = {{"behaviour", d.Behaviour()}, {"star", d.Star()}, {"age", d.Age()}};
        }
        players.push_back(pj);
    }
    j["players"] = players;
    j["coach"] = RecordToJson<TCoachAttr>(f.coach, TCoachAttr::Fields(), version);
    return j;
}

TTeamFile TeamFromJson(const json& j, int& version) {
    if (!j.is_object() || !j.contains("version") || !j["version"].is_number_integer())
        JsonError("version", "missing (98 or 2002)");
    version = ParseVersion(std::to_string(j["version"].get<std::int64_t>()));
    TTeamFile f;
    if (HasExtendedFormat(version)) {
        if (!j.contains("header")) JsonError("header", "missing");
        RecordFromJson<TFileHeader>(f.header, j["header"], TFileHeader::Fields(), version, "header");
    }
    if (!j.contains("team")) JsonError("team", "missing");
    RecordFromJson<TTeamAttr>(f.team, j["team"], TTeamAttr::Fields(), version, "team");
    if (!j.contains("players") || !j["players"].is_array()) JsonError("players", "an array expected");
    if (j["players"].size() > 0x7FFF) JsonError("players", "too many");
    for (std::size_t i = 0; i < j["players"].size(); ++i) {
        TPlayerAttr p;
        RecordFromJson<TPlayerAttr>(p, j["players"][i], TPlayerAttr::Fields(), version,
                                    "players[" + std::to_string(i) + "]");
        f.players.push_back(p);
    }
    if (!j.contains("coach")) JsonError("coach", "missing");
    RecordFromJson<TCoachAttr>(f.coach, j["coach"], TCoachAttr::Fields(), version, "coach");
    return f;
}
