#include "world/division_record.h"

#include "foundation/binary_file.h"
#include "world/division.h"
#include "world/record_fields.h"
#include "world/team.h"
#include "world/world.h"

void WriteDivision(TBinaryWriter& out, const TDivision& division) {
    out.I32(division.winPrestige);
    out.I32(division.totalBalance);
    out.I16(division.referenceLevel);
    WriteFixedText(out, division.name, TDivision::kNameWidth);
    WriteCountedList(out, division.teams, [](TBinaryWriter& o, const TTeam& t) { o.I16(t.id); });
}

std::unique_ptr<TDivision> ReadDivision(TBinaryReader& in, TWorld& world) {
    auto division = std::make_unique<TDivision>(world);
    division->winPrestige = in.I32();
    division->totalBalance = in.I32();
    division->referenceLevel = in.I16();
    division->name = ReadFixedText(in, TDivision::kNameWidth, "division name");
    const int count = ReadCount(in, "division with a negative number of clubs");
    for (int i = 0; i < count; ++i)
        if (TTeam* team = world.TeamById(in.I16())) division->teams.Add(team);
    return division;
}

void WriteDivisions(TBinaryWriter& out, const TWorld& world) {
    WriteCountedList(out, world.Divisions, WriteDivision);
}

void ReadDivisions(TBinaryReader& in, TWorld& world) {
    const int count = ReadCount(in, "negative number of divisions");
    for (int i = 0; i < count; ++i) world.Divisions.Add(ReadDivision(in, world).release());
}
