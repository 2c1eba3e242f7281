#include "world/division_record.h"

#include "foundation/record_fields.h"
#include "world/division.h"
#include "world/team.h"
#include "world/world.h"

namespace {
using K = TFieldKind;
using D = TDivision;
constexpr int kMaxDivisions = 32767;
constexpr int kMaxClubs = 32767;

constexpr TRecordField<TTeam> kClubIdField =
    IntField<TTeam, &TTeam::id>("club", K::I16, TFieldMeaning::ClubId);

void ReadClubIds(TFieldSource& in, D& division, const char* name) {
    ReadCountedList(in, name, 2, kMaxClubs, [&](TFieldSource& s) {
        const auto id = static_cast<std::int16_t>(s.Int(kClubIdField.name, K::I16));
        if (TTeam* team = division.World().TeamById(id)) division.teams.Add(team);
    });
}
void WriteClubIds(TFieldSink& out, const D& division, const char* name) {
    WriteCountedList(out, name, division.teams, [](TFieldSink& s, const TTeam& t) {
        s.Int(kClubIdField.name, K::I16, t.id, kClubIdField.meaning);
    });
}

constexpr TRecordField<D> kFields[] = {
    IntField<D, &D::winPrestige>("winPrestige", K::I32),
    IntField<D, &D::totalBalance>("totalBalance", K::I32, TFieldMeaning::Money),
    IntField<D, &D::referenceLevel>("referenceLevel", K::I16),
    {.name = "name",
     .kind = K::RawText,
     .width = static_cast<int>(D::kNameWidth),
     .getText = [](const D& d) { return d.name; },
     .setText = [](D& d, const std::string& v) { d.name = v; },
     .getRaw = [](const D& d) { return d.nameHeld; },
     .setRaw = [](D& d, const std::string& v) { d.nameHeld = v; }},
    {.name = "clubs", .kind = K::Nested, .readNested = ReadClubIds, .writeNested = WriteClubIds},
};
} // namespace

void WriteDivision(TFieldSink& out, const TDivision& division) {
    WriteRecordFields<D>(out, division, kFields, 0);
}

std::unique_ptr<TDivision> ReadDivision(TFieldSource& in, TWorld& world) {
    auto division = std::make_unique<TDivision>(world);
    ReadRecordFields<D>(in, *division, kFields, 0, "division");
    return division;
}

void WriteDivisions(TFieldSink& out, const TWorld& world) {
    WriteCountedList(out, "divisions", world.Divisions,
                     [](TFieldSink& s, const D& d) { WriteDivision(s, d); });
}

void ReadDivisions(TFieldSource& in, TWorld& world) {
    ReadCountedList(in, "divisions", 33, kMaxDivisions,
                    [&](TFieldSource& s) { world.Divisions.Add(ReadDivision(s, world).release()); });
}

void WriteDivision(TBinaryWriter& out, const TDivision& division) {
    TBinaryFieldSink sink(out);
    WriteDivision(sink, division);
}
std::unique_ptr<TDivision> ReadDivision(TBinaryReader& in, TWorld& world) {
    TBinaryFieldSource source(in);
    return ReadDivision(source, world);
}
void WriteDivisions(TBinaryWriter& out, const TWorld& world) {
    TBinaryFieldSink sink(out);
    WriteDivisions(sink, world);
}
void ReadDivisions(TBinaryReader& in, TWorld& world) {
    TBinaryFieldSource source(in);
    ReadDivisions(source, world);
}
