#pragma once
// A manager in a running career. Every club has one; coaches without a club stay in the world's coaches
// list and may be hired later. The world owns every coach; a club only refers to its coach.
#include "foundation/kol_object.h"
#include "world/records.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class TCoachAttr;
class TPlayer;
class TTeam;
class TWorld;

// Column bits of the coach's row text.
enum : std::uint32_t {
    ccName = 0x1,
    ccClub = 0x2,
    ccPrestige = 0x4,
    ccHoliday = 0x10,
    ccTitles = 0x20,
    ccSatisfaction = 0x40,
    ccHireScore = 0x80,
    ccNoHumanMark = 0x80000000,
};

class TCoach : public TKolObject {
public:
    static constexpr int EventLimit = 100;
    static constexpr int ObservedLimit = 16;

    // A new coach: id from the world's counter, an empty record, computer-run, everything zeroed.
    explicit TCoach(TWorld& world);
    TCoach(TWorld& world, std::int16_t knownId);
    ~TCoach() override;

    TWorld& World() const { return world_; }

    std::int16_t id = 0;
    std::uint8_t onHoliday = 0;
    std::uint8_t isHuman = 0;
    std::unique_ptr<TCoachAttr> attr;
    std::int16_t weeksInJob = 0;
    TCoachEventList events{EventLimit};
    std::int32_t leagueTitles = 0;
    std::int32_t cupTitles = 0;
    // Profile: per foreignStatus 0, 1, 2, whether the computer reviews those players' wages for a human.
    std::uint8_t autoSalaryNational = 0;
    std::uint8_t autoSalaryBosman = 0;
    std::uint8_t autoSalaryForeign = 0;
    std::uint8_t buyInAuction = 0; // 0 any needed player, 1 only with NeedValue > 1, 2 never
    std::uint8_t encryptOffers = 0;
    // Not owned: the players belong to the world.
    std::vector<TPlayer*> observedPlayers;
    std::uint8_t showCards = 0;
    std::int32_t hireScore = 0; // working value while a club looks for a coach; not saved

    std::int32_t prestige() const { return prestigeStored_ - 11; }
    void SetPrestige(std::int32_t value) { prestigeStored_ = value + 11; }
    std::int32_t StoredPrestige() const { return prestigeStored_; }
    void SetStoredPrestige(std::int32_t v) { prestigeStored_ = v; }
    // Ten per cent less at each season start, truncated.
    void DecayPrestige();

    std::string Name() const;
    void SetName(const std::string& name);
    // The auto-salary flag for a player's foreignStatus.
    bool AutoSalaryFor(int foreignStatus) const;

    // A person plays this coach and is not on holiday. Every "is this club run by a person" test uses it.
    bool IsHumanActive() const { return isHuman == 1 && onHoliday == 0; }
    // The club whose coach this is (cached), or nullptr.
    TTeam* CurrentClub() const;
    void SetCurrentClub(TTeam* club) const {
        currentTeam_ = club;
        cached_ = club != nullptr;
    }

    // Lower is better for the club; human coaches favoured, unemployed computer coaches held back.
    void ComputeHireScore(const TTeam& club);
    // A computer coach always accepts; a human one at once without a club, else through the user port.
    bool AcceptsOffer(TTeam& club);
    bool ShouldBeDismissed(const TTeam& club) const;

    // Appends the player; when the list then holds 16 players the user port names one to drop, and
    // that one (or nullptr) is returned for the caller to remove.
    TPlayer* AddObserved(TPlayer& player);
    void RemoveObserved(const TPlayer& player);
    bool IsObserved(const TPlayer& player) const;

    // The profile dialog through the user port; true when the person confirmed it.
    bool EditProfile();
    // The coach's history in the list dialog, with his name as its title.
    void PrintHistory();

    // Appends an event of `kind` about the club `otherId` in the current season.
    void AddEvent(int kind, std::int16_t otherId);

    std::string GetListText(int mask) const override;
    // The mask comes as `a`.
    void SetupColumns(TColumnList& header, bool numbered, int a, int b) const override;

private:
    TWorld& world_;
    std::int32_t prestigeStored_ = 11;
    mutable TTeam* currentTeam_ = nullptr;
    mutable bool cached_ = false;
};
