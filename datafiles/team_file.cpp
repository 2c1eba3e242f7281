#include "datafiles/team_file.h"

#include "foundation/errors.h"

std::string TeamFileExtension(int version) {
    return HasExtendedFormat(version) ? "kbt" : "kot";
}

namespace {
void ReadHeaderIfAny(TBinaryReader& in, TTeamFile& file, int version) {
    file.header = TFileHeader();
    file.headerOk = HasExtendedFormat(version) && file.header.Read(in);
}
} // namespace

TTeamFile TTeamFile::Read(const std::vector<std::uint8_t>& bytes, int version, TTeamReadOptions options) {
    TBinaryReader in(bytes);
    TTeamFile file;
    ReadHeaderIfAny(in, file, version);
    file.team.Read(in);
    const std::int16_t count = in.I16();
    if (count < 0) ThrowInvalidFile("team file: negative player count " + std::to_string(count));
    for (int i = 0; i < count; ++i) {
        TPlayerAttr player;
        player.Read(in, version, options.allowStar, options.deriveOld);
        file.players.push_back(std::move(player));
    }
    file.coach.Read(in);
    // Bytes after the coach mean the file is not what its version says (or it is damaged).
    if (!in.AtEnd())
        ThrowInvalidFile("team file: " + std::to_string(in.Size() - in.Position()) +
                         " unexpected bytes after the coach");
    return file;
}

TTeamFile TTeamFile::ReadFile(const std::string& path, int version, TTeamReadOptions options) {
    try {
        return Read(ReadWholeFile(path, kMaxTeamFileSize), version, options);
    } catch (const EInvalidFile& e) {
        throw EInvalidFile(path + ": " + e.what());
    } catch (const EInOutError& e) {
        throw EInOutError(path + ": " + e.what());
    }
}

TTeamFile TTeamFile::ReadTeamOnly(const std::vector<std::uint8_t>& bytes, int version) {
    TBinaryReader in(bytes);
    TTeamFile file;
    ReadHeaderIfAny(in, file, version);
    file.team.Read(in);
    return file;
}

std::vector<std::uint8_t> TTeamFile::Write(int version) const {
    TBinaryWriter out;
    if (HasExtendedFormat(version)) header.Write(out);
    team.Write(out);
    out.I16(static_cast<std::int16_t>(players.size()));
    for (const TPlayerAttr& p : players) p.Write(out, version);
    coach.Write(out);
    return out.Data();
}

void TTeamFile::WriteFile(const std::string& path, int version) const {
    WriteWholeFile(path, Write(version));
}

void TTeamFile::StampHeader(const std::string& user, const TFileDate& today) {
    header.SetFileType("TEAM");
    header.SetDescription(team.ShortName());
    header.SetVersion(TFileHeader::kEditorVersion);
    header.SetSavedBy(user);
    header.SetSaved(TScrambledDate::FromDate(today));
    if (header.Author().empty()) header.SetAuthor(user);
    if (header.Created() == TScrambledDate()) header.SetCreated(TScrambledDate::FromDate(today));
}
