#include "datafiles/country.h"

#include "datafiles/record_fields.h"

TCountry::TCountry(const std::string& name, const std::string& code, const std::string& code2) {
    SetName(name);
    SetCode(code);
    SetCode2(code2);
}

void TCountry::SetName(const std::string& name) {
    name_ = CutToWidth(name, kNameWidth);
}
void TCountry::SetCode(const std::string& code) {
    code_ = CutToWidth(code, kCodeWidth);
}
void TCountry::SetCode2(const std::string& code) {
    code2_ = CutToWidth(code, kCodeWidth);
}
