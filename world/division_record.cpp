#include "world/division_record.h"

#include "foundation/binary_file.h"
#include "foundation/errors.h"
#include "world/division.h"
#include "world/team.h"
#include "world/world.h"

#include <algorithm>

namespace {

// A length byte and `width` bytes; the bytes past the name are written as zeros.
void WriteFixedText(TBinaryWriter& out, const std::string& text, std::size_t width) {
    const std::size_t length = std::min(text.size(), width);
    out.U8(static_cast<std::uint8_t>(length));
    out.Bytes(reinterpret_cast<const std::uint8_t*>(text.data()), length);
    for (std::size_t i = length; i < width; ++i) out.U8(0);
}

std::string ReadFixedText(TBinaryReader& in, std::size_t width) {
    const std::uint8_t length = in.U8();
    const std::vector<std::uint8_t> bytes = in.Bytes(width);
    if (length > width) ThrowInvalidFile("division name longer than its field");
    return std::string(bytes.begin(), bytes.begin() + length);
}

} // namespace

void WriteDivision(TBinaryWriter& out, const TDivision& division) {
    out.I32(division.winPrestige);
    out.I32(division.totalBalance);
    out.I16(division.referenceLevel);
    WriteFixedText(out, division.name, TDivision::kNameWidth);
    std::int16_t count = 0;
    for (const TTeam* t : division.teams)
        if (t) ++count;
    out.I16(count);
    for (const TTeam* t : division.teams)
        if (t) out.I16(t->id);
}

std::unique_ptr<TDivision> ReadDivision(TBinaryReader& in, TWorld& world) {
    auto division = std::make_unique<TDivision>(world);
    division->winPrestige = in.I32();
    division->totalBalance = in.I32();
    division->referenceLevel = in.I16();
    division->name = ReadFixedText(in, TDivision::kNameWidth);
    const std::int16_t count = in.I16();
    if (count < 0) ThrowInvalidFile("division with a negative number of clubs");
    for (int i = 0; i < count; ++i)
        if (TTeam* team = world.TeamById(in.I16())) division->teams.Add(team);
    return division;
}

void WriteDivisions(TBinaryWriter& out, const TWorld& world) {
    std::int16_t count = 0;
    for (const TDivision* d : world.Divisions)
        if (d) ++count;
    out.I16(count);
    for (const TDivision* d : world.Divisions)
        if (d) WriteDivision(out, *d);
}

void ReadDivisions(TBinaryReader& in, TWorld& world) {
    const std::int16_t count = in.I16();
    if (count < 0) ThrowInvalidFile("negative number of divisions");
    for (int i = 0; i < count; ++i) world.Divisions.Add(ReadDivision(in, world).release());
}
