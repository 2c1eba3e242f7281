#pragma once
// The coach record of a team file: the name, a coded string (once) of at most 20 characters.
#include "datafiles/record_fields.h"
#include "foundation/kol_object.h"

#include <span>
#include <string>

class TCoachAttr : public TKolbrinObject {
public:
    static constexpr int kNameWidth = 20;

    const std::string& Name() const { return name_; }
    void SetName(const std::string& name) { name_ = CutToWidth(name, kNameWidth); }

    void Read(TBinaryReader& in);
    void Write(TBinaryWriter& out) const;
    static std::span<const TRecordField<TCoachAttr>> Fields();

private:
    std::string name_;
};
