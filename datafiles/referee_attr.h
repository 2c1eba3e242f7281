#pragma once
// A referee as the referee file holds him: one coded string, coded twice, made of the 3-character country
// code, one separator character and the name (at most 40 characters).
#include "foundation/binary_file.h"
#include "foundation/kol_object.h"

#include <string>

class TRefereeAttr : public TKolbrinObject {
public:
    static constexpr int kNameWidth = 40;
    static constexpr int kCodeWidth = 3;
    // The whole entry a writer produces: code, a blank and the name, cut to 44 characters in all.
    static constexpr int kEntryWidth = 44;
    static constexpr int kPasses = 2;

    TRefereeAttr() = default;
    TRefereeAttr(const std::string& name, const std::string& country);

    const std::string& Name() const { return name_; }
    void SetName(const std::string& name);
    const std::string& Country() const { return country_; }
    void SetCountry(const std::string& code);

    // Builds the record from an entry text: characters 1-3 the code, 4 a separator, 5 onward the name.
    static TRefereeAttr FromEntry(const std::string& entry);
    // The text a writer stores: code + " " + name, cut to 44 characters.
    std::string Entry() const;

    // Reads one entry (coded twice); the code may come out empty, which the referee file skips.
    void Read(TBinaryReader& in);
    void Write(TBinaryWriter& out) const;

private:
    std::string name_;
    std::string country_;
};
