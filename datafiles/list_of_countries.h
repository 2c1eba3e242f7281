#pragma once
// The list of all countries (it owns them) and the country groups (they only refer to countries of the
// global list, and never destroy them).
#include "datafiles/country.h"
#include "foundation/kol_list.h"

#include <memory>
#include <string>

class TListOfCountries : public TKolList<TCountry> {
public:
    TListOfCountries() : TKolList<TCountry>(true) {}

    using TKolList<TCountry>::Add;
    TCountry* Add(std::unique_ptr<TCountry> country);
    // Removes the entry; the global list destroys the country, a group only lets go of it.
    void DeleteCountry(TCountry* country);

    TCountry* FindByCode(const std::string& code) const;
    TCountry* FindByName(const std::string& name) const;

protected:
    explicit TListOfCountries(bool ownsObjects) : TKolList<TCountry>(ownsObjects) {}
};

// A country group ("Bosman" or "PLOP"): references into the global list.
class TListOfBosmanCountries : public TListOfCountries {
public:
    TListOfBosmanCountries() : TListOfCountries(false) {}
};
