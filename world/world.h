#pragma once
// The world of one career: every global list and every career-wide number, in one object, so that
// several careers (in tests, several worlds side by side) never share state.
//
// How objects reach their world: every player, coach and club holds a reference to the world that
// created it (passed to its constructor, never changed), and asks it for the price level, the currency,
// the other clubs and the user port. Records that show names (history, transfers) hold it too. A free
// rule that needs the world takes it from one of the objects it is given.
//
// Ownership: AllTeams, AllPlayers, AllCoaches, AllReferees, Divisions, RoundGames, RoundMessages and the
// two history lists own their objects; CupTeams, a club's squad, a division's clubs and a coach's observed
// players only refer to objects owned here. Order matters everywhere: rules walk these lists in order and
// the same seed must give the same career.
//
// This header includes the class of every object its lists hold: an owning list destroys its objects, and
// it must never be compiled where one of those classes is incomplete. So none of those headers may
// include this one; their .cpp files do.
//
// Where the rest lives: a club in team.h (squad, money, valuations, the automatic line-up), a player in
// player.h, a coach in coach.h, divisions and the league table in division.h, a club's fixtures in
// calendar.h, the round's games in game.h (created by game_factory.h, with the crowd from attendance.h and
// the referee from referee_assignment.h), stadiums, referees and history records in records.h, the pure
// money formulas in money_rules.h, and every question to a person in user_port.h. What a club decides
// between matches sits one layer up, in club/: the computer management before a matchday
// (club/computer_management.h), the money decisions (club/finance.h), the market (club/market.h) and
// auctions (club/auction.h).
#include "foundation/currency.h"
#include "foundation/game_options.h"
#include "foundation/kol_list.h"
#include "world/coach.h"
#include "world/division.h"
#include "world/game.h"
#include "world/player.h"
#include "world/records.h"
#include "world/team.h"
#include "world/user_port.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class TFieldSink;
class TFieldSource;

using TListOfTeams = TKolList<TTeam>;
using TListOfPlayers = TKolList<TPlayer>;
using TListOfCoaches = TKolList<TCoach>;
using TListOfReferees = TKolList<TReferee>;
using TListOfDivisions = TKolList<TDivision>;
using TListOfGames = TKolList<TGame>;

class TWorld {
public:
    static constexpr int kLastWinnersLimit = 50;
    static constexpr int kLastTransfersLimit = 200;

    TWorld();
    ~TWorld();
    TWorld(const TWorld&) = delete;
    TWorld& operator=(const TWorld&) = delete;

    // ---- Lists ----
    TListOfTeams AllTeams{true};
    TListOfTeams CupTeams{false};
    TListOfDivisions Divisions{true}; // 0..3 the leagues 1 to 4, 4 the pool of all other clubs
    TListOfPlayers AllPlayers{true};
    TListOfCoaches AllCoaches{true};
    TListOfReferees AllReferees{true};
    TListOfGames RoundGames{true};
    TKolList<TKolObject> RoundMessages{true};
    TKolLimitedList<TLastWinners> LastWinnersList{kLastWinnersLimit};
    TKolLimitedList<TLastTransfer> LastTransfersList{kLastTransfersLimit};

    // ---- Career scalars ----
    // The description of the game file (the human coaches and the time of the save), first in the file.
    std::string Description;
    std::int32_t SeasonYear = 0;
    std::int16_t CurrentRound = 1; // 1..18
    std::int16_t StartRound = 1;   // first round PlaySeason plays
    std::int16_t ResumeTeam = 0;   // id of the club whose club screen was open at the save; 0 none
    bool LeagueRoundDone = false;  // the league part of CurrentRound was played before the save
    std::uint8_t ReservedHeaderByte = 0;
    std::int16_t NextObjectId = 1; // next free id of a player, club or coach
    long double PriceIndex = 2.0L; // price level, kept in 0.5..10
    long double TransferPriceFactor = 1.0L;
    ::CurrencyRecord CurrencyRecord;
    bool SavedThisRound = false; // not saved
    bool QuitRequested = false;  // not saved
    bool StopRequested = false;  // not saved
    std::string GameFilePath;
    // The career's copy of the game's options, read by the rules (see CopyCareerSettings).
    TGameOptions Options;

    // ---- The game file (world/saved_game.cpp) ----
    // Writes the career to `path` with a new description (the human coaches and the time now), through a
    // new file beside the old one that replaces it only when whole. Then SavedThisRound := true and
    // ResumeTeam := 0. A failure is shown through the port with its reason; the world and the old file stay
    // as they were, and the answer is false.
    bool SaveGame(const std::string& path);
    // The file as it would be written now, with the description as held (load then save gives the same
    // bytes). EInOutError or std::range_error when a value cannot be stored.
    std::vector<std::uint8_t> SaveGameBytes() const;
    // Every section in file order to a sink (the binary file, or the JSON of the data tool).
    void WriteGame(TFieldSink& out) const;
    // Reads a game file into a new world that answers through `port` (its own scripted port when null).
    // The world is handed over only when the whole file was read; anything else raises ESavedGameError
    // naming the section and the file offset.
    static std::unique_ptr<TWorld> LoadGame(const std::string& path, TUserPort* port = nullptr);
    static std::unique_ptr<TWorld> LoadGameBytes(std::vector<std::uint8_t> bytes, TUserPort* port = nullptr);
    // The same from any source; `size` is the progress range.
    static std::unique_ptr<TWorld> LoadGameFrom(TFieldSource& in, std::size_t size,
                                                TUserPort* port = nullptr);

    // Takes the next id and advances the counter.
    std::int16_t NewObjectId() { return NextObjectId++; }

    // The currency's money multiplier M and money step S.
    std::int32_t MoneyMultiplier() const { return CurrencyRecord.moneyMultiplier; }
    std::int32_t MoneyStep() const { return CurrencyRecord.moneyStep; }

    // The person at the screen. A new world answers through a scripted port of its own (autopilot), so a
    // rule never finds the port missing; a front end or a test installs its own with SetPort.
    TUserPort& Port() const { return *port_; }
    void SetPort(TUserPort& port) { port_ = &port; }
    TScriptedUserPort& DefaultPort() { return *defaultPort_; }

    // ---- Lookups (nullptr when nothing matches) ----
    TTeam* TeamById(std::int16_t id) const;
    // The club whose squad holds the player with this id.
    TTeam* TeamByPlayerId(std::int16_t playerId) const;
    TTeam* TeamByCoachId(std::int16_t coachId) const;
    // Among the clubs still in the cup.
    TTeam* TeamByCupSlot(std::int16_t slot) const;
    TCoach* CoachById(std::int16_t id) const;
    // Case-insensitive (Windows-1252 upper case).
    TCoach* CoachByName(const std::string& name) const;
    TPlayer* PlayerById(std::int16_t id) const;
    TReferee* RefereeById(std::int16_t id) const;
    // The division whose clubs include this one.
    TDivision* DivisionOfTeam(const TTeam& team) const;
    TDivision* DivisionOfTeamId(std::int16_t teamId) const;
    // 0..4, or -1.
    int DivisionIndexOfTeam(const TTeam& team) const;

private:
    std::unique_ptr<TScriptedUserPort> defaultPort_;
    TUserPort* port_ = nullptr;
};

// The one copy step from the program's settings into a career: the game's options, and the career's
// currency (at a new game the one the currency dialog returned, at a load the one of the saved game).
// The rules read only the world's copies.
void CopyCareerSettings(TWorld& world, const TGameOptions& options, const CurrencyRecord& currency);
