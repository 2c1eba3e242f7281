#include "datafiles/list_of_countries.h"

TCountry* TListOfCountries::Add(std::unique_ptr<TCountry> country) {
    TCountry* c = country.release();
    Add(c);
    return c;
}

void TListOfCountries::DeleteCountry(TCountry* country) {
    const int index = IndexOf(country);
    if (index >= 0) Delete(index);
}

TCountry* TListOfCountries::FindByCode(const std::string& code) const {
    for (TCountry* c : *this)
        if (c && c->Code() == code) return c;
    return nullptr;
}

TCountry* TListOfCountries::FindByName(const std::string& name) const {
    for (TCountry* c : *this)
        if (c && c->Name() == name) return c;
    return nullptr;
}
