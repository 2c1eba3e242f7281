#include "datafiles/referee_attr.h"

#include "datafiles/record_fields.h"

TRefereeAttr::TRefereeAttr(const std::string& name, const std::string& country) {
    SetName(name);
    SetCountry(country);
}

void TRefereeAttr::SetName(const std::string& name) {
    name_ = CutToWidth(name, kNameWidth);
}
void TRefereeAttr::SetCountry(const std::string& code) {
    country_ = CutToWidth(code, kCodeWidth);
}

TRefereeAttr TRefereeAttr::FromEntry(const std::string& entry) {
    TRefereeAttr r;
    r.SetCountry(entry.substr(0, std::min<std::size_t>(entry.size(), kCodeWidth)));
    if (entry.size() > kCodeWidth + 1) r.SetName(entry.substr(kCodeWidth + 1));
    return r;
}

std::string TRefereeAttr::Entry() const {
    return CutToWidth(country_ + " " + name_, kEntryWidth);
}

void TRefereeAttr::Read(TBinaryReader& in) {
    *this = FromEntry(in.CodedString(kPasses));
}

void TRefereeAttr::Write(TBinaryWriter& out) const {
    out.CodedString(Entry(), kPasses);
}
