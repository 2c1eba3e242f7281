#pragma once
// The games of the round in the saved game: an i16 count, then one 80-byte record per game, little-endian:
//   0 prizeValue i32   4 kind byte   5 title: length byte and 40 bytes   46 home club id i16
//   48 away club id i16   50 ticketPrice 80-bit real   60 roundMoney i32   64 attendance i32
//   68 referee id i16   70 homeFavour i16   72 awayFavour i16   74 extraTime byte   75 receipts i32
//   79 calendarSlot byte
// Ids are 0 for no club (a heading row) or no referee; the events are not saved. The bytes past the title
// are written back as they were read.
#include <cstddef>
#include <memory>

class TBinaryReader;
class TBinaryWriter;
class TFieldSink;
class TFieldSource;
class TGame;
class TWorld;

constexpr std::size_t kGameRecordSize = 80;

void WriteGame(TFieldSink& out, const TGame& game);
// Clubs and referee are looked up in the world's lists; a non-zero id that names nothing, a game of two
// clubs without them or a heading row with them raises EInvalidFile, as does a title longer than its
// field. The game starts with an empty events list and enters nothing in the clubs' calendars.
std::unique_ptr<TGame> ReadGame(TFieldSource& in, TWorld& world);
// The world's RoundGames as a list, and back (appended to RoundGames, which a load starts empty).
void WriteRoundGames(TFieldSink& out, const TWorld& world);
void ReadRoundGames(TFieldSource& in, TWorld& world);

// The same on the binary primitives.
void WriteGame(TBinaryWriter& out, const TGame& game);
std::unique_ptr<TGame> ReadGame(TBinaryReader& in, TWorld& world);
void WriteRoundGames(TBinaryWriter& out, const TWorld& world);
void ReadRoundGames(TBinaryReader& in, TWorld& world);
