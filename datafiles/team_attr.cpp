#include "datafiles/team_attr.h"

#include <array>

namespace {
constexpr std::array<TRecordField<TTeamAttr>, 6> kFields{{
    {.name = "name",
     .kind = TFieldKind::Text,
     .width = TTeamAttr::kNameWidth,
     .getText = [](const TTeamAttr& r) { return r.Name(); },
     .setText = [](TTeamAttr& r, const std::string& v) { r.SetName(v); }},
    {.name = "shortName",
     .kind = TFieldKind::Text,
     .width = TTeamAttr::kShortNameWidth,
     .getText = [](const TTeamAttr& r) { return r.ShortName(); },
     .setText = [](TTeamAttr& r, const std::string& v) { r.SetShortName(v); }},
    {.name = "color1",
     .kind = TFieldKind::I32,
     .minValue = INT32_MIN,
     .maxValue = INT32_MAX,
     .getInt = [](const TTeamAttr& r) -> std::int64_t { return r.Color1(); },
     .setInt = [](TTeamAttr& r, std::int64_t v) { r.SetColor1(static_cast<std::int32_t>(v)); }},
    {.name = "color2",
     .kind = TFieldKind::I32,
     .minValue = INT32_MIN,
     .maxValue = INT32_MAX,
     .getInt = [](const TTeamAttr& r) -> std::int64_t { return r.Color2(); },
     .setInt = [](TTeamAttr& r, std::int64_t v) { r.SetColor2(static_cast<std::int32_t>(v)); }},
    {.name = "country",
     .kind = TFieldKind::Text,
     .width = TTeamAttr::kCodeWidth,
     .getText = [](const TTeamAttr& r) { return r.Country(); },
     .setText = [](TTeamAttr& r, const std::string& v) { r.SetCountry(v); }},
    // Any byte is kept: the team check reports 235..254, other odd levels are simply never collected.
    {.name = "level",
     .kind = TFieldKind::U8,
     .maxValue = 255,
     .getInt = [](const TTeamAttr& r) -> std::int64_t { return r.Level(); },
     .setInt = [](TTeamAttr& r, std::int64_t v) { r.SetLevel(static_cast<std::uint8_t>(v)); }},
}};

// What every writer puts in the lead block that readers skip.
constexpr std::array<std::uint8_t, 3> kLeadMark{'K', 'B', 'a'};
} // namespace

void TTeamAttr::Read(TBinaryReader& in) {
    in.Skip(kLeadBlockSize);
    ReadRecordFields<TTeamAttr>(in, *this, kFields, kDataFormat2002, "team");
}

void TTeamAttr::Write(TBinaryWriter& out) const {
    std::vector<std::uint8_t> lead(kLeadBlockSize, 0);
    std::copy(kLeadMark.begin(), kLeadMark.end(), lead.begin());
    out.Bytes(lead);
    WriteRecordFields<TTeamAttr>(out, *this, kFields, kDataFormat2002);
}

std::span<const TRecordField<TTeamAttr>> TTeamAttr::Fields() {
    return kFields;
}
