#pragma once
// A country of the game world: the code used in team and player records, its name in the current
// language, and the state of the career being set up.
#include <cstdint>
#include <string>

class TCountry {
public:
    static constexpr int kNameWidth = 20;
    static constexpr int kCodeWidth = 3;

    TCountry() = default;
    TCountry(const std::string& name, const std::string& code, const std::string& code2);

    const std::string& Name() const { return name_; }
    void SetName(const std::string& name);
    const std::string& Code() const { return code_; }
    void SetCode(const std::string& code);
    const std::string& Code2() const { return code2_; }
    void SetCode2(const std::string& code);

    bool selected = false;        // chosen for the career being set up
    std::int16_t wantedTeams = 0; // teams still wanted while teams are collected
    bool used = false;            // a loaded team or player has this country

private:
    std::string name_;
    std::string code_;
    std::string code2_;
};
