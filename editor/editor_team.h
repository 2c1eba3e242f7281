#pragma once
// One team file held in memory by the editor: the team record, its squad and coach, where it was read from
// and where it will be written, and the results of the team check.
#include "datafiles/file_header.h"
#include "datafiles/team_attr.h"
#include "datafiles/team_file.h"
#include "editor/editor_coach.h"
#include "editor/editor_player.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

class TEditorTeam : public TKolbrinObject {
public:
    TEditorTeam();

    TTeamAttr attr;
    TListOfEditorPlayers players{true}; // owns the squad
    std::unique_ptr<TEditorCoach> coach;
    // The header as read, kept so that author and creation date survive a save.
    TFileHeader header;
    bool headerOk = false;

    // The date of the file on disk when it was read (or last written).
    std::filesystem::file_time_type fileDate{};
    bool hasFileDate = false;

    bool valid = false;
    std::uint32_t checkFlags = 0;
    bool modified = false;

    // The name (without folder) and folder the file was read from; empty for a team made in the editor.
    std::string loadedFileName;
    bool loadedProvisory = false;
    // Where the team will be written (the name carries an extension).
    std::string currentFileName;
    bool currentProvisory = false;

    bool NameOrFolderChanged() const {
        return currentFileName != loadedFileName || currentProvisory != loadedProvisory;
    }
    // Written back on exit: edited, renamed or moved.
    bool NeedsWriting() const { return modified || NameOrFolderChanged(); }

    std::vector<const TPlayerAttr*> PlayerAttrs() const;
    void SortPlayers();
    // The file contents as they would be written (header as held).
    TTeamFile ToTeamFile() const;

    std::string GetListText(int mask) const override;
    void SetupColumns(TColumnList& header, bool numbered, int a, int b) const override;
    TKolOrder SortCompare(const std::string& columnTitle) const override;
    TColor TextColor() const override { return attr.Color1(); }
    TColor BackColor() const override { return attr.Color2(); }
    // A selected row keeps the team's text colour, so it needs a background that text stays readable on.
    TColor SelectedBackColor() const override;
};

// The all-teams list's own order after loading: by short name, then file name.
bool TeamInOrder(const TEditorTeam* earlier, const TEditorTeam* later);
