#include "datafiles/player_attr.h"

#include "foundation/coded_string.h"

#include <array>
#include <cmath>
#include <limits>

namespace {
// Ranges that keep every later use of the record in bounds (positions index the formation texts,
// behaviour the six behaviour texts).
constexpr std::int64_t kMaxPosition = 3;
constexpr std::int64_t kMaxBehaviour = 5;
constexpr std::int64_t kMaxStar = 1;

template <class R> constexpr std::array<TRecordField<R>, 4> BaseFields() {
    return {{
        {.name = "nationality",
         .kind = TFieldKind::Text,
         .width = TPlayerAttr98::kCodeWidth,
         .getText = [](const R& r) { return r.Nationality(); },
         .setText = [](R& r, const std::string& v) { r.SetNationality(v); }},
        {.name = "name",
         .kind = TFieldKind::Text,
         .width = TPlayerAttr98::kNameWidth,
         .getText = [](const R& r) { return r.Name(); },
         .setText = [](R& r, const std::string& v) { r.SetName(v); },
         .getCoded = [](const R& r) -> const std::string& { return r.CodedName(); },
         .setCoded = [](R& r, std::string&& coded) { r.SetCodedName(std::move(coded)); }},
        {.name = "position",
         .kind = TFieldKind::U8,
         .maxValue = kMaxPosition,
         .getInt = [](const R& r) -> std::int64_t { return r.Position(); },
         .setInt = [](R& r, std::int64_t v) { r.SetPosition(static_cast<std::uint8_t>(v)); }},
        {.name = "star",
         .kind = TFieldKind::U8,
         .maxValue = kMaxStar,
         .getInt = [](const R& r) -> std::int64_t { return r.Star(); },
         .setInt = [](R& r, std::int64_t v) { r.SetStar(static_cast<std::uint8_t>(v)); }},
    }};
}

constexpr std::array<TRecordField<TPlayerAttr98>, 4> kFields98 = BaseFields<TPlayerAttr98>();

constexpr std::array<TRecordField<TPlayerAttr>, 7> MakeFields() {
    const auto base = BaseFields<TPlayerAttr>();
    return {{
        base[0],
        base[1],
        base[2],
        base[3],
        {.name = "behaviour",
         .kind = TFieldKind::U8,
         .maxValue = kMaxBehaviour,
         .minVersion = kDataFormat2002,
         .getInt = [](const TPlayerAttr& r) -> std::int64_t { return r.Behaviour(); },
         .setInt = [](TPlayerAttr& r, std::int64_t v) { r.SetBehaviour(static_cast<std::uint8_t>(v)); }},
        // The current format repeats the star after the behaviour; this second byte is the one that counts.
        {.name = "star",
         .kind = TFieldKind::U8,
         .maxValue = kMaxStar,
         .minVersion = kDataFormat2002,
         .inJson = false,
         .getInt = [](const TPlayerAttr& r) -> std::int64_t { return r.Star(); },
         .setInt = [](TPlayerAttr& r, std::int64_t v) { r.SetStar(static_cast<std::uint8_t>(v)); }},
        {.name = "age",
         .kind = TFieldKind::I32,
         .minValue = std::numeric_limits<std::int32_t>::min(),
         .maxValue = std::numeric_limits<std::int32_t>::max(),
         .minVersion = kDataFormat2002,
         .getInt = [](const TPlayerAttr& r) -> std::int64_t { return r.Age(); },
         .setInt = [](TPlayerAttr& r, std::int64_t v) { r.SetAge(static_cast<std::int32_t>(v)); }},
    }};
}
constexpr std::array<TRecordField<TPlayerAttr>, 7> kFields = MakeFields();
} // namespace

TPlayerAttr98::TPlayerAttr98() = default;

std::string TPlayerAttr98::Name() const {
    return DecodeCodedString(codedName_, 1);
}

void TPlayerAttr98::SetName(const std::string& name) {
    codedName_ = EncodeCodedString(CutToWidth(name, kNameWidth), 1);
}

void TPlayerAttr98::SetCodedName(std::string coded) {
    if (coded.size() <= static_cast<std::size_t>(kNameWidth))
        codedName_ = std::move(coded);
    else
        SetName(DecodeCodedString(coded, 1));
}

std::string TPlayerAttr98::DisplayName() const {
    return CutToWidth(IsStar() ? Name() + "*" : Name(), kNameWidth);
}

void TPlayerAttr98::Read98(TBinaryReader& in, bool allowStar) {
    ReadRecordFields<TPlayerAttr98>(in, *this, kFields98, kDataFormat98, "player");
    if (!allowStar) star_ = 0;
}

void TPlayerAttr98::Write98(TBinaryWriter& out) const {
    WriteRecordFields<TPlayerAttr98>(out, *this, kFields98, kDataFormat98);
}

std::span<const TRecordField<TPlayerAttr98>> TPlayerAttr98::Fields98() {
    return kFields98;
}

void TPlayerAttr::Read(TBinaryReader& in, int version, bool allowStar, bool deriveOld) {
    ReadRecordFields<TPlayerAttr>(in, *this, kFields, version, "player");
    if (!allowStar) SetStar(0);
    if (!HasExtendedFormat(version) && deriveOld) DeriveOldFields(allowStar);
}

void TPlayerAttr::Write(TBinaryWriter& out, int version) const {
    WriteRecordFields<TPlayerAttr>(out, *this, kFields, version);
}

// An older file has no behaviour, no second star and no age: they follow from the characters of the
// display name, so the same file always gives the same player.
void TPlayerAttr::DeriveOldFields(bool allowStar) {
    unsigned h = 0;
    for (unsigned char c : DisplayName()) h += c;
    int behaviour = 5 - static_cast<int>(std::sqrt(static_cast<double>(h % 36)));
    if (Position() == 1) behaviour = (behaviour + 2) % 6;
    behaviour_ = static_cast<std::uint8_t>(behaviour);
    SetStar(h % 10 > 7 && allowStar ? 1 : 0);
    age_ = static_cast<std::int32_t>(Position() == 0 ? 17 + h % 22 : 17 + h % 19);
}

std::span<const TRecordField<TPlayerAttr>> TPlayerAttr::Fields() {
    return kFields;
}
