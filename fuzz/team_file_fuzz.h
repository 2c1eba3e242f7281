#pragma once
// The checks both team-file entry points run on a file read with one data-format version.
#include "datafiles/team_check.h"
#include "datafiles/team_file.h"
#include "fuzz/fuzz_support.h"

#include <string>

inline void CheckTeamFileFields(const TTeamFile& f) {
    FuzzCheck(f.team.Name().size() <= TTeamAttr::kNameWidth &&
                  f.team.ShortName().size() <= TTeamAttr::kShortNameWidth &&
                  f.team.Country().size() <= TTeamAttr::kCodeWidth &&
                  f.coach.Name().size() <= TCoachAttr::kNameWidth,
              "a team or coach text longer than its field");
    FuzzCheck(f.header.FileType().size() <= TFileHeader::kFileTypeWidth &&
                  f.header.Description().size() <= TFileHeader::kTextWidth &&
                  f.header.Author().size() <= TFileHeader::kTextWidth &&
                  f.header.SavedBy().size() <= TFileHeader::kTextWidth,
              "a header text longer than its field");
    for (const TPlayerAttr& p : f.players)
        FuzzCheck(p.Name().size() <= TPlayerAttr::kNameWidth &&
                      p.Nationality().size() <= TPlayerAttr::kCodeWidth && p.Position() <= 3 &&
                      p.Behaviour() <= 5 && p.Star() <= 1,
                  "a player field outside its range");
}

inline void RunTeamFile(const std::uint8_t* data, std::size_t size, int version) {
    const std::vector<std::uint8_t> bytes(data, data + size);
    ExpectOnlyCoreErrors([&] { TTeamFile::ReadTeamOnly(bytes, version); });
    ExpectOnlyCoreErrors([&] { CheckTeamFileFields(TTeamFile::Read(bytes, version)); });
    ExpectOnlyCoreErrors([&] {
        // Kept exactly as stored, as the editor and the tool's export read it.
        const TTeamFile f = TTeamFile::Read(bytes, version, {.allowStar = true, .deriveOld = false});
        CheckTeamFileFields(f);
        std::vector<const TPlayerAttr*> players;
        for (const TPlayerAttr& p : f.players) players.push_back(&p);
        const std::string others[] = {"A.kbt"};
        ComputeTeamCheckFlags(f.team, players, &f.coach, "fuzz.kbt", others);
        // Whatever was read is written as a file that reads back and writes the same bytes again.
        const std::vector<std::uint8_t> written = f.Write(version);
        std::vector<std::uint8_t> rewritten;
        try {
            rewritten =
                TTeamFile::Read(written, version, {.allowStar = true, .deriveOld = false}).Write(version);
        } catch (const std::exception& e) {
            FuzzCheck(false, std::string("a written team file does not read back: ") + e.what());
        }
        FuzzCheck(rewritten == written, "a written team file does not write back the same bytes");
    });
}
