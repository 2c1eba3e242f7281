#pragma once
// The records of the saved game, each described once as a field table (foundation/record_fields.h) that
// drives the binary file and the JSON forms of the data tool. Little-endian; "held" values are stored with
// their offsets exactly as the objects hold them. Byte layouts (offsets from the record's start):
//
// Coach:   0 id i16 | 2 name: coded string (once, at most 20) | isHuman u8 | onHoliday u8 | weeksInJob i16 |
//          prestige + 11 i32 | leagueTitles i32 | cupTitles i32 | autoSalaryNational, autoSalaryBosman,
//          autoSalaryForeign, buyInAuction, encryptOffers u8 each | showCards u8 | events: list of events
// Referee: 0 id i16 | 2 available u8 | 3 entry: coded string (twice), code + separator + name
// Club:    id i16 | team record (50 lead bytes "KBa" and zeros, name, shortName, color1, color2, country,
//          level) | prestige + 11 i32 | season block 80 bytes | match block 20 bytes | supportFactor real48 |
//          coach id i16 | seasonTotals 7 x i32 | previousTotals 7 x i32 | loan i32 | balance i32 |
//          balance copy i32 | 4 spare | priceFactor real80 | positionCounts 4 x u8 | foreignCount u8 |
//          squadSize u8 | leagueTitles i32 | cupTitles i32 | purchasesThisSeason i16 | foreignPurchases i16 |
//          salePlayerId i16 | salePriceFactor real80 | cupSlot i16 | averageLevel i16 (the spare i16) |
//          players | events | lastResults | calendar | stadium
//   season block: played, won, drawn, lost, goalsFor, goalsAgainst, points i32 | scheduleRow 18 bytes |
//          cupEliminated u8 | 1 spare | financeTotals 7 x i32 | leaguePosition i16 | retiringCount u8 |
//          tableStatus u8
//   match block: benchCount i32 | matchGoals i32 | lineStrength 4 x u16 | disallowedGoals i32
// Player:  id i16 | player record (nationality, name, position, star, behaviour, star, age) | level + 3 i16 |
//          selectionScore i16 | form i16 | match state 16 bytes (wearCounter i32, goalsThisMatch i32,
//          lineupRole i32, offeredThisMatchday u8, bookedThisMatch u8, 2 spare) | season 12 bytes
//          (runningGoals i32, cardPoints i32, contractRenewed u8, 3 spare) | suspendedGames i16 |
//          injuredGames i16 | injuryProneness i16 | scoringWeight i16 | salary + 13 i32 | foreignStatus u8 |
//          soldToTeamId i16 | career 20 bytes (appearances, goals, injuriesCount, yellowCards, redCards i32)
//          | askingPrice i32 | saleMode i16 | (age - 103) mod 256 u8 | retiring u8 (injuryProneness stands
//          before scoringWeight on disk.)
// Event (8):        kind u8 | season i32 | other id i16 | extra u8
// Last result (11): season i32 | opponent id i16 | homeGoals u8 | awayGoals u8 | competition u8 | referee i16
// Stadium (7):      size u8 | fillRatio real48
// Last winners (10): season, champion id, champion coach id, cup winner id, cup winner coach id: i16 each
// Last transfer (15): player id i16 | seller id i16 | buyer id i16 | price i32 | level i16 | buyerHuman u8 |
//          kind u8 | age u8
// Header:  description: coded string (twice) | CurrentRound i16 | reserved u8 | ResumeTeam i16 |
//          LeagueRoundDone u8 | NextObjectId i16 | SeasonYear i32 | PriceIndex real80 |
//          TransferPriceFactor real80 | currency 124 bytes (foundation/currency.h)
//
// A reference is the i16 id of a club, coach, player or referee, resolved through the lists read before
// it; an id that names nothing is a damaged file (0 means none where none is allowed).
#include "foundation/record_fields.h"

#include <cstddef>
#include <memory>

class TCoach;
class THistoryEvent;
class TLastResult;
class TLastTransfer;
class TLastWinners;
class TPlayer;
class TReferee;
class TStadium;
class TTeam;
class TWorld;

constexpr std::size_t kEventRecordSize = 8;
constexpr std::size_t kLastResultRecordSize = 11;
constexpr std::size_t kStadiumRecordSize = 7;
constexpr std::size_t kLastWinnersRecordSize = 10;
constexpr std::size_t kLastTransferRecordSize = 15;
// The smallest records on disk, for the count checks of their lists.
constexpr std::size_t kMinCoachRecordSize = 27;
constexpr std::size_t kMinRefereeRecordSize = 4;
constexpr std::size_t kMinPlayerRecordSize = 89;
constexpr std::size_t kMinClubRecordSize = 300;

void WriteCoachRecord(TFieldSink& out, const TCoach& coach);
std::unique_ptr<TCoach> ReadCoachRecord(TFieldSource& in, TWorld& world);
void WriteRefereeRecord(TFieldSink& out, const TReferee& referee);
std::unique_ptr<TReferee> ReadRefereeRecord(TFieldSource& in);
// The club with its players; reading appends the players to the world's AllPlayers and looks its coach up
// in AllCoaches (the coach's cached club becomes this club). The counters are taken as stored.
void WriteClubRecord(TFieldSink& out, const TTeam& club);
std::unique_ptr<TTeam> ReadClubRecord(TFieldSource& in, TWorld& world);
void WritePlayerRecord(TFieldSink& out, const TPlayer& player);
void ReadPlayerRecord(TFieldSource& in, TPlayer& player);
void WriteEventRecord(TFieldSink& out, const THistoryEvent& event);
void ReadEventRecord(TFieldSource& in, THistoryEvent& event);
void WriteLastResultRecord(TFieldSink& out, const TLastResult& result);
void ReadLastResultRecord(TFieldSource& in, TLastResult& result);
void WriteStadiumRecord(TFieldSink& out, const TStadium& stadium);
void ReadStadiumRecord(TFieldSource& in, TStadium& stadium);
void WriteLastWinnersRecord(TFieldSink& out, const TLastWinners& winners);
void ReadLastWinnersRecord(TFieldSource& in, TLastWinners& winners);
// The player is looked up in the world's AllPlayers.
void WriteLastTransferRecord(TFieldSink& out, const TLastTransfer& transfer);
void ReadLastTransferRecord(TFieldSource& in, TLastTransfer& transfer);
// The header: the world's Description, scalars and currency. Reading stores CurrentRound as StartRound too.
void WriteHeaderRecord(TFieldSink& out, const TWorld& world);
void ReadHeaderRecord(TFieldSource& in, TWorld& world);
