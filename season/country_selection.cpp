#include "season/country_selection.h"

#include "datafiles/country.h"
#include "foundation/kol_random.h"

TCountrySelection::TCountrySelection(std::vector<TCountry*> countries) : countries_(std::move(countries)) {
    for (TCountry* country : countries_) country->selected = false;
}

void TCountrySelection::Toggle(int index) {
    if (index < 0 || index >= static_cast<int>(countries_.size())) return;
    TCountry& country = *countries_[static_cast<std::size_t>(index)];
    country.selected = !country.selected;
    const int sign = country.selected ? 1 : -1;
    selectedTeams_ += sign * country.wantedTeams;
    selectedCountries_ += sign;
}

void TCountrySelection::SelectAll() {
    selectedTeams_ = 0;
    selectedCountries_ = 0;
    for (TCountry* country : countries_) {
        country->selected = true;
        selectedTeams_ += country->wantedTeams;
        ++selectedCountries_;
    }
}

bool TCountrySelection::Confirm() {
    if (countries_.empty()) return false;
    const int count = static_cast<int>(countries_.size());
    while (selectedTeams_ > kMaxTeams) {
        TCountry& country = *countries_[static_cast<std::size_t>(Random(count))];
        if (!country.selected) continue;
        // A country keeps its last club while another can still give one.
        if (country.wantedTeams <= 1 && selectedCountries_ != selectedTeams_) continue;
        if (Random(256) < country.wantedTeams) {
            --country.wantedTeams;
            --selectedTeams_;
            if (country.wantedTeams == 0) --selectedCountries_;
        }
    }
    return selectedTeams_ >= kMinTeams && selectedTeams_ <= kMaxTeams;
}
