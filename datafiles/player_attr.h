#pragma once
// The player records of the team files: TPlayerAttr98 (the older format) and TPlayerAttr (the current one).
// Byte layout of a player in a team file:
//   nationality   length byte + 3 bytes at most, coded once
//   name          length byte + 20 bytes at most, coded once (the record keeps it coded in memory)
//   position      1 byte, 0 goalkeeper .. 3 forward
//   star          1 byte, 0 or 1
//   -- data-format 2002 and later only:
//   behaviour     1 byte, 0..5
//   star          1 byte again; it replaces the first
//   age           4 bytes, signed
#include "datafiles/record_fields.h"
#include "foundation/kol_object.h"

#include <cstdint>
#include <span>
#include <string>

class TPlayerAttr98 : public TKolbrinObject {
public:
    static constexpr int kNameWidth = 20;
    static constexpr int kCodeWidth = 3;

    TPlayerAttr98();
    virtual ~TPlayerAttr98() = default;

    // The name is held coded (one pass); these code and decode, cutting to 20 characters.
    std::string Name() const;
    void SetName(const std::string& name);
    // The name as held: coded once, at most 20 characters (the bytes of the name field on disk).
    const std::string& CodedName() const { return codedName_; }
    // Takes a name already coded once; at most 20 bytes (a longer one is decoded, cut and coded again).
    void SetCodedName(std::string coded);
    // The name followed by "*" for a star, the whole cut to 20 characters.
    std::string DisplayName() const;

    std::uint8_t Position() const { return position_; }
    void SetPosition(std::uint8_t position) { position_ = position; }
    std::uint8_t Star() const { return star_; }
    bool IsStar() const { return star_ != 0; }
    void SetStar(std::uint8_t star) { star_ = star; }
    std::string Nationality() const { return nationality_; }
    void SetNationality(const std::string& code) { nationality_ = CutToWidth(code, kCodeWidth); }

    // The older layout (the first four fields). Without allowStar the star read becomes 0.
    void Read98(TBinaryReader& in, bool allowStar);
    void Write98(TBinaryWriter& out) const;

    static std::span<const TRecordField<TPlayerAttr98>> Fields98();

private:
    std::string codedName_;
    std::uint8_t position_ = 0;
    std::uint8_t star_ = 0;
    std::string nationality_ = "POR";
};

class TPlayerAttr : public TPlayerAttr98 {
public:
    std::uint8_t Behaviour() const { return behaviour_; }
    void SetBehaviour(std::uint8_t behaviour) { behaviour_ = behaviour; }
    std::int32_t Age() const { return age_; }
    void SetAge(std::int32_t age) { age_ = age; }

    // Reads the record of the given data-format version. An older record gets behaviour, star and age
    // derived from its display name (DeriveOldFields) unless deriveOld is false, which keeps the record
    // exactly as stored (used to edit an old file as text and write it back unchanged).
    void Read(TBinaryReader& in, int version, bool allowStar, bool deriveOld = true);
    void Write(TBinaryWriter& out, int version) const;
    void DeriveOldFields(bool allowStar);

    // All fields of the current layout, in file order (the second star byte has inJson false).
    static std::span<const TRecordField<TPlayerAttr>> Fields();

private:
    std::uint8_t behaviour_ = 0;
    std::int32_t age_ = 0;
};
