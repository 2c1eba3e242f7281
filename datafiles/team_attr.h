#pragma once
// The team record of a team file (also embedded in the saved game). Byte layout:
//   lead block   50 bytes; readers skip them, writers put "KBa" and 47 zero bytes
//   name         coded string (once), at most 40 characters
//   shortName    coded string (once), at most 20 characters
//   color1       4 bytes, Windows colour 0x00BBGGRR (text colour of the team's rows)
//   color2       4 bytes (background of the team's rows)
//   country      coded string (once), 3 characters
//   level        1 byte, strength 1..20
#include "datafiles/record_fields.h"
#include "foundation/kol_object.h"

#include <cstdint>
#include <span>
#include <string>

class TTeamAttr : public TKolbrinObject {
public:
    static constexpr int kNameWidth = 40;
    static constexpr int kShortNameWidth = 20;
    static constexpr int kCodeWidth = 3;
    static constexpr std::size_t kLeadBlockSize = 50;

    const std::string& Name() const { return name_; }
    void SetName(const std::string& name) { name_ = CutToWidth(name, kNameWidth); }
    const std::string& ShortName() const { return shortName_; }
    void SetShortName(const std::string& name) { shortName_ = CutToWidth(name, kShortNameWidth); }
    std::int32_t Color1() const { return color1_; }
    void SetColor1(std::int32_t color) { color1_ = color; }
    std::int32_t Color2() const { return color2_; }
    void SetColor2(std::int32_t color) { color2_ = color; }
    const std::string& Country() const { return country_; }
    void SetCountry(const std::string& code) { country_ = CutToWidth(code, kCodeWidth); }
    std::uint8_t Level() const { return level_; }
    void SetLevel(std::uint8_t level) { level_ = level; }

    void Read(TBinaryReader& in);
    void Write(TBinaryWriter& out) const;

    // The fields after the lead block, in file order.
    static std::span<const TRecordField<TTeamAttr>> Fields();

private:
    std::string name_;
    std::string shortName_;
    std::int32_t color1_ = 0;
    std::int32_t color2_ = 0xFFFFFF;
    std::string country_;
    std::uint8_t level_ = 10;
};
