#pragma once
// Choosing the countries of a new career: each country brings its clubs; a career takes 42 to 256 clubs
// (four leagues of ten and a pool of at least two). Confirming a choice of more than 256 trims it at random,
// large countries losing most, and leaves each country's quota in its wantedTeams.
#include <vector>

class TCountry;

class TCountrySelection {
public:
    static constexpr int kMinTeams = 42;
    static constexpr int kMaxTeams = 256;

    // `countries` as CountTeamsByCountry found them (wantedTeams = their number of files); none selected.
    explicit TCountrySelection(std::vector<TCountry*> countries);

    const std::vector<TCountry*>& Countries() const { return countries_; }
    int SelectedTeams() const { return selectedTeams_; }
    int SelectedCountries() const { return selectedCountries_; }
    // Selects or deselects one country of the list.
    void Toggle(int index);
    void SelectAll();
    bool CanConfirm() const { return selectedTeams_ >= kMinTeams; }
    bool TooMany() const { return selectedTeams_ > kMaxTeams; }
    // Trims a choice of more than 256 clubs down to 256 (random draws); false when fewer than 42 are chosen.
    bool Confirm();

private:
    std::vector<TCountry*> countries_;
    int selectedTeams_ = 0;
    int selectedCountries_ = 0;
};
