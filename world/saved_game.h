#pragma once
// The game file of a career: its sections in order, the description of its header, and the one error a
// damaged file gives. TWorld::SaveGame and TWorld::LoadGame (world.h) are the entry points; the records
// are in world/saved_game_records.h.
//
// Sections, in file order: header; coaches (a list); referees (a list); clubs (a list, each with its
// players); cup clubs (a list of club ids); divisions (a list); round games (a list); observed players
// (groups of coach id, count and player ids, one per coach whose list is not empty, in coach order, ended
// by an i16 0); last winners (a list); last transfers (a list). The players have no section of their own:
// the clubs carry them. The round's news is not saved.
#include "foundation/errors.h"

#include <cstddef>
#include <cstdint>
#include <ctime>
#include <string>
#include <vector>

class TWorld;

// No real game file comes near this (a 256-club world is about 600 KB); a larger file is refused unread.
constexpr std::size_t kMaxSavedGameSize = 64u << 20;

// A game file that cannot be loaded: the section and the file offset where reading stopped, and why.
class ESavedGameError : public EInvalidFile {
public:
    ESavedGameError(const std::string& section, std::size_t offset, const std::string& reason);
    const std::string& Section() const { return section_; }
    std::size_t Offset() const { return offset_; }

private:
    std::string section_;
    std::size_t offset_;
};

// The names of the sections, in file order.
const std::vector<std::string>& SavedGameSections();

// The header's description: the human coaches' names (each cut to 20 characters) joined by ", ", the last
// two by " <and> " (text 276), then a carriage return and the date and time of `when` ("DD-MM-YYYY HH:MM").
std::string SavedGameDescription(const TWorld& world, const std::tm& when);
