#include "datafiles/coach_attr.h"

#include <array>

namespace {
constexpr std::array<TRecordField<TCoachAttr>, 1> kFields{{
    {.name = "name",
     .kind = TFieldKind::Text,
     .width = TCoachAttr::kNameWidth,
     .getText = [](const TCoachAttr& r) { return r.Name(); },
     .setText = [](TCoachAttr& r, const std::string& v) { r.SetName(v); }},
}};
} // namespace

void TCoachAttr::Read(TBinaryReader& in) {
    ReadRecordFields<TCoachAttr>(in, *this, kFields, kDataFormat2002, "coach");
}

void TCoachAttr::Write(TBinaryWriter& out) const {
    WriteRecordFields<TCoachAttr>(out, *this, kFields, kDataFormat2002);
}

std::span<const TRecordField<TCoachAttr>> TCoachAttr::Fields() {
    return kFields;
}
