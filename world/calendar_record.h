#pragma once
// A club's calendar in the saved game: an i16 count, then one 23-byte record per entry, little-endian:
//   0 opponentId i16   2 away i16   4 goalsFor i16   6 goalsAgainst i16   8 attendance i32
//   12 isCup byte   13 decision byte   14 matchday i16   16 receipts i32   20 competitionKind byte
//   21 refereeId i16
// (The order differs from the order of the fields in memory; the file decides.)
#include <cstddef>

class TBinaryReader;
class TBinaryWriter;
class TCalendar;
class TCalendarEntry;
class TFieldSink;
class TFieldSource;

constexpr std::size_t kCalendarEntryRecordSize = 23;

void WriteCalendarEntry(TFieldSink& out, const TCalendarEntry& entry);
void ReadCalendarEntry(TFieldSource& in, TCalendarEntry& entry);
// The calendar replaces its entries with those read. A count that is negative or larger than the rest of
// the file can hold raises EInvalidFile or EInOutError; so does a value no entry can have.
void WriteCalendar(TFieldSink& out, const TCalendar& calendar, const char* name = "calendar");
void ReadCalendar(TFieldSource& in, TCalendar& calendar, const char* name = "calendar");

// The same on the binary primitives.
void WriteCalendarEntry(TBinaryWriter& out, const TCalendarEntry& entry);
void ReadCalendarEntry(TBinaryReader& in, TCalendarEntry& entry);
void WriteCalendar(TBinaryWriter& out, const TCalendar& calendar);
void ReadCalendar(TBinaryReader& in, TCalendar& calendar);
