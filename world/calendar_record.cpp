#include "world/calendar_record.h"

#include "foundation/binary_file.h"
#include "world/calendar.h"
#include "world/record_fields.h"

void WriteCalendarEntry(TBinaryWriter& out, const TCalendarEntry& entry) {
    out.I16(entry.opponentId);
    out.I16(entry.away);
    out.I16(entry.goalsFor);
    out.I16(entry.goalsAgainst);
    out.I32(entry.attendance);
    out.U8(entry.isCup);
    out.U8(entry.decision);
    out.I16(entry.matchday);
    out.I32(entry.receipts);
    out.U8(entry.competitionKind);
    out.I16(entry.refereeId);
}

void ReadCalendarEntry(TBinaryReader& in, TCalendarEntry& entry) {
    entry.opponentId = in.I16();
    entry.away = in.I16();
    entry.goalsFor = in.I16();
    entry.goalsAgainst = in.I16();
    entry.attendance = in.I32();
    entry.isCup = in.U8();
    entry.decision = in.U8();
    entry.matchday = in.I16();
    entry.receipts = in.I32();
    entry.competitionKind = in.U8();
    entry.refereeId = in.I16();
}

void WriteCalendar(TBinaryWriter& out, const TCalendar& calendar) {
    WriteCountedList(out, calendar, WriteCalendarEntry);
}

void ReadCalendar(TBinaryReader& in, TCalendar& calendar) {
    const int count = ReadCount(in, "calendar with a negative number of entries");
    calendar.Clear();
    for (int i = 0; i < count; ++i) {
        auto* entry = new TCalendarEntry(calendar.World());
        calendar.Add(entry);
        ReadCalendarEntry(in, *entry);
    }
}
