#pragma once
// The settings that steer the team editor, read once when it starts.
#include "datafiles/record_fields.h"
#include "foundation/settings.h"

#include <string>

struct TEditorOptions {
    std::string dataDir = "."; // holds "Teams", "Provisory Teams", "flags" and "referee.txe"
    std::string user;          // stored as savedBy in the headers of the files written
    int loadVersion = kDataFormat2002;
    int saveVersion = kDataFormat2002;
    bool convertToNewVersion = false; // every loaded team is written again on exit
    bool autoCorrectFileNames = false;
    bool fileNamesAsTeamNames = false;
    bool limitStarPlayers = false;
    bool loadTeams = true;
    bool loadReferees = true;
    std::string webDirectory = ".";
};

// Reads every editor value with its default; dataDir is left as given.
void ReadEditorOptions(TSettingsStore& store, TEditorOptions& options);
