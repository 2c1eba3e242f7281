#pragma once
// A team file as JSON and back: every field of the header, the team record, the players and the coach,
// texts in UTF-8, driven by the records' field tables. Reading JSON refuses every value the file cannot
// store as given (with the field and the allowed range), so an import never writes a changed value.
#include "datafiles/team_file.h"

#include <nlohmann/json.hpp>

#include <stdexcept>
#include <string>

// A JSON value the team file cannot hold; the message names the field ("players[3].age: ...").
class ETeamJson : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// 98 or 2002; ETeamJson otherwise.
int ParseVersion(const std::string& text);
// withDerived adds what the game derives from an older record beside each player (not part of the file).
nlohmann::ordered_json TeamToJson(const TTeamFile& f, int version, bool withDerived);
// The file described by the JSON, and its version. ETeamJson for a value it cannot store.
TTeamFile TeamFromJson(const nlohmann::ordered_json& j, int& version);
