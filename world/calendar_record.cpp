#include "world/calendar_record.h"

#include "foundation/record_fields.h"
#include "world/calendar.h"

namespace {
using K = TFieldKind;
using E = TCalendarEntry;
constexpr int kMaxEntries = 255;

constexpr TRecordField<E> kFields[] = {
    IntField<E, &E::opponentId>("opponentId", K::I16, TFieldMeaning::ClubId),
    RangeField<E, &E::away>("away", K::I16, 0, 1),
    IntField<E, &E::goalsFor>("goalsFor", K::I16),
    IntField<E, &E::goalsAgainst>("goalsAgainst", K::I16),
    IntField<E, &E::attendance>("attendance", K::I32),
    RangeField<E, &E::isCup>("isCup", K::U8, 0, 1),
    RangeField<E, &E::decision>("decision", K::U8, 0, 3),
    IntField<E, &E::matchday>("matchday", K::I16),
    IntField<E, &E::receipts>("receipts", K::I32, TFieldMeaning::Money),
    RangeField<E, &E::competitionKind>("competitionKind", K::U8, 0, 2),
    IntField<E, &E::refereeId>("refereeId", K::I16, TFieldMeaning::RefereeId),
};
} // namespace

void WriteCalendarEntry(TFieldSink& out, const TCalendarEntry& entry) {
    WriteRecordFields<E>(out, entry, kFields, 0);
}

void ReadCalendarEntry(TFieldSource& in, TCalendarEntry& entry) {
    ReadRecordFields<E>(in, entry, kFields, 0, "calendar entry");
}

void WriteCalendar(TFieldSink& out, const TCalendar& calendar, const char* name) {
    WriteCountedList(out, name, calendar, [](TFieldSink& s, const E& e) { WriteCalendarEntry(s, e); });
}

void ReadCalendar(TFieldSource& in, TCalendar& calendar, const char* name) {
    calendar.Clear();
    ReadCountedList(in, name, kCalendarEntryRecordSize, kMaxEntries, [&](TFieldSource& s) {
        auto* entry = new E(calendar.World());
        calendar.Add(entry);
        ReadCalendarEntry(s, *entry);
    });
}

void WriteCalendarEntry(TBinaryWriter& out, const TCalendarEntry& entry) {
    TBinaryFieldSink sink(out);
    WriteCalendarEntry(sink, entry);
}
void ReadCalendarEntry(TBinaryReader& in, TCalendarEntry& entry) {
    TBinaryFieldSource source(in);
    ReadCalendarEntry(source, entry);
}
void WriteCalendar(TBinaryWriter& out, const TCalendar& calendar) {
    TBinaryFieldSink sink(out);
    WriteCalendar(sink, calendar);
}
void ReadCalendar(TBinaryReader& in, TCalendar& calendar) {
    TBinaryFieldSource source(in);
    ReadCalendar(source, calendar);
}
