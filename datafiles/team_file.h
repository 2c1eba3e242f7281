#pragma once
// A whole team file: the optional header (data format 2002 and later), the team record, the squad behind
// a signed 16-bit count, and the coach. Files of format 2002 carry the extension "kbt", older ones "kot".
#include "datafiles/coach_attr.h"
#include "datafiles/file_header.h"
#include "datafiles/player_attr.h"
#include "datafiles/team_attr.h"

#include <cstdint>
#include <string>
#include <vector>

// "kbt" for data format 2002 and later, "kot" for the older format.
std::string TeamFileExtension(int version);

struct TTeamReadOptions {
    bool allowStar = true; // without it every star read becomes 0
    bool deriveOld = true; // derive behaviour, star and age of an older file's players
};

class TTeamFile {
public:
    TFileHeader header;
    bool headerOk = false; // false when no header was read or it failed (then the file was read from byte 0)
    TTeamAttr team;
    std::vector<TPlayerAttr> players;
    TCoachAttr coach;

    // Reads a team file of the given data-format version. A damaged file raises EInOutError (short) or
    // EInvalidFile (a value out of range, a negative count, bytes left after the coach).
    static TTeamFile Read(const std::vector<std::uint8_t>& bytes, int version, TTeamReadOptions options = {});
    static TTeamFile ReadFile(const std::string& path, int version, TTeamReadOptions options = {});
    // Reads the header (when the version has one) and the team record only, as the new-career scan does.
    static TTeamFile ReadTeamOnly(const std::vector<std::uint8_t>& bytes, int version);

    std::vector<std::uint8_t> Write(int version) const;
    // Writes atomically (temporary file, then rename), so a failed save keeps the old file.
    void WriteFile(const std::string& path, int version) const;

    // Fills the header as the editor does before a save: fileType "TEAM", the short name as description,
    // version 5, savedBy and saved from the arguments; author and created only when the header has none.
    void StampHeader(const std::string& user, const TFileDate& today);
};
