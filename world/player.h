#pragma once
// A footballer inside a running career: his file record plus everything that changes during play.
#include "foundation/kol_object.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class TPlayerAttr;
class TTeam;
class TWorld;

// Zeroed for every player of a club before each matchday.
struct TPlayerMatchState {
    std::int32_t wearCounter = 0; // moved by one for a random squad member each match minute
    std::int32_t goalsThisMatch = 0;
    std::int32_t lineupRole = 0; // 0 not selected, 1 playing, 2 on the bench
    std::uint8_t offeredThisMatchday = 0;
    std::uint8_t bookedThisMatch = 0;
};

// Zeroed for every player at the start of each season.
struct TPlayerSeasonBlock {
    std::int32_t runningGoals = 0;
    std::int32_t cardPoints = 0;
    std::uint8_t contractRenewed = 0;
};

// Counters over the whole career; zeroed only when a retiring player is turned into a youth.
struct TPlayerCareerBlock {
    std::int32_t appearances = 0;
    std::int32_t goals = 0;
    std::int32_t injuriesCount = 0;
    std::int32_t yellowCards = 0;
    std::int32_t redCards = 0;
};

// Column bits of the player's row text.
enum : std::uint32_t {
    pcPosition = 0x1,
    pcName = 0x2,
    pcNationality = 0x4,
    pcClub = 0x20,
    pcLevel = 0x40,
    pcSeasonGoals = 0x200,
    pcMarker1 = 0x400,
    pcMarker2 = 0x800,
    pcSalary = 0x1000,
    pcSaleState = 0x4000,
    pcBehaviour = 0x10000,
    pcCareerGoals = 0x20000,
    pcFormArrow = 0x40000,
    pcMarkLineup = 0x80000,
    pcNationalityPlain = 0x100000,
    pcAge = 0x200000,
    pcCardPoints = 0x1000000,
};

// The player knows his world (for the price level, the currency and the clubs); the world owns him
// through its players list, and so does no club: a club's squad refers to players it does not own.
class TPlayer : public TKolbrinObject {
public:
    // A new player: id from the world's counter, an empty record, every counter zeroed, form 3.
    explicit TPlayer(TWorld& world);
    // A player whose id is already known (a saved game); nothing else is set.
    TPlayer(TWorld& world, std::int16_t knownId);
    ~TPlayer() override;

    TWorld& World() const { return world_; }

    std::int16_t id = 0;
    std::unique_ptr<TPlayerAttr> attr;
    std::int16_t selectionScore = 0;
    std::int16_t form = 3;
    TPlayerMatchState matchState;
    TPlayerSeasonBlock season;
    TPlayerCareerBlock career;
    std::int16_t suspendedGames = 0;
    std::int16_t injuredGames = 0;
    std::int16_t scoringWeight = 0;
    std::int16_t injuryProneness = 0;
    std::uint8_t foreignStatus = 0; // 0 home, 1 assimilated, 2 foreign, against his club's country
    std::int16_t soldToTeamId = 0;
    std::int32_t askingPrice = 0;
    std::uint16_t saleMode = 0; // 0 no sale order, 1 auction at once, 2 listed at askingPrice
    std::uint8_t retiring = 0;

    // The offset-held fields, read and written only through these.
    int age() const { return static_cast<std::uint8_t>(ageStored_ + 103); }
    void SetAge(int value) { ageStored_ = static_cast<std::uint8_t>(static_cast<unsigned>(value) - 103u); }
    std::int32_t salary() const {
        return static_cast<std::int32_t>(static_cast<std::uint32_t>(salaryStored_) - 13u);
    }
    void SetSalary(std::int32_t value) {
        salaryStored_ = static_cast<std::int32_t>(static_cast<std::uint32_t>(value) + 13u);
    }
    int level() const { return static_cast<std::int16_t>(levelStored_ - 3); }
    void SetLevel(int value) { levelStored_ = static_cast<std::int16_t>(value + 3); }
    // The held values exactly as the saved game stores them.
    std::uint8_t StoredAge() const { return ageStored_; }
    std::int32_t StoredSalary() const { return salaryStored_; }
    std::int16_t StoredLevel() const { return levelStored_; }
    void SetStoredAge(std::uint8_t v) { ageStored_ = v; }
    void SetStoredSalary(std::int32_t v) { salaryStored_ = v; }
    void SetStoredLevel(std::int16_t v) { levelStored_ = v; }

    // Short cuts into the record.
    int position() const;
    bool IsStar() const;
    int behaviour() const;
    std::string nationality() const;
    std::string PlainName() const;
    // The name with "*" for a star (cut to 20 characters).
    std::string DisplayName() const;
    // The language's names: the short position name (2 characters), the long one, the behaviour.
    static std::string PositionShortName(int position);
    static std::string PositionLongName(int position);
    static std::string BehaviourName(int behaviour);
    bool IsAvailable() const { return injuredGames == 0 && suspendedGames == 0; }

    // After a team-file record was read: age from the record, then the hidden numbers.
    void SetupFromRecord();
    void DeriveHiddenNumbers();
    void ComputeSelectionScore();
    void SignContract(std::int32_t newSalary);
    void Rejuvenate();
    std::int32_t BasePrice() const;
    std::int32_t MarketValue(long double priceFactor) const;
    std::int32_t EvaluateOffers() const;
    int DuelStrength() const;
    // A shot against a goalkeeper: 1 the shooter wins, 2 the keeper wins, 3..6 special outcomes. Always
    // three draws: the shooter's, the keeper's, and the one-in-four test of a special outcome.
    int ResolveDuel(const TPlayer& opponent) const;
    void FormUp();
    void FormDown();
    // 239 when form > 4, 237 when form < 2, a blank otherwise.
    char FormArrow() const;
    // The club whose squad holds this player, or nullptr.
    TTeam* Club() const;

    // Row text in the row markup for a column mask (the pc... bits), and the matching column titles (the
    // mask comes as `a`).
    std::string GetListTextEx3(int mask, int selectorA, int selectorB, int selectorC) const override;
    void SetupColumns(TColumnList& header, bool numbered, int a, int b) const override;
    // Kind 1: the injury text; kind 2: the suspension text; anything else: empty.
    std::string GetInfoText(int kind, const std::vector<std::string>& args) const override;

private:
    TWorld& world_;
    std::uint8_t ageStored_ = 0;
    std::int32_t salaryStored_ = 13;
    std::int16_t levelStored_ = 3;
};
