#pragma once
// Small world objects that record what happened, and a few club assets: coach-change news, the coach and
// club histories, a club's recent results, its stadium, the referees, past winners and recent transfers.
// Records that show names hold their world, since they keep only ids and resolve them when drawn.
#include "foundation/kol_list.h"
#include "foundation/kol_object.h"

#include <cstdint>
#include <memory>
#include <string>

class TPlayer;
class TRefereeAttr;
class TWorld;

// News of a coach change; lives only in the round's news, never saved. Coach 0 is an empty separator.
class TLash : public TKolObject {
public:
    TLash(const TWorld& world, std::int16_t coachId, std::int32_t teamId, bool dismissed);
    std::int16_t coachId = 0;
    std::int32_t teamId = 0; // dismissed: the club that let him go; hired: his former club or 0
    std::uint8_t dismissed = 0;

    std::string GetListText(int mask) const override;
    void SetupColumns(TColumnList& header, bool numbered, int a, int b) const override;

private:
    const TWorld* world_;
};

// The kinds of coach events (texts in brackets): 1 hired (107), 2 left without a club (108), 3 champion
// (99), 4 cup winner (100), 5 started the career (101), 6 swapped with the club's coach (103), 7 hired
// away (102), 8 double (104), 9 second (105), 10 third (106), 11 promoted (97), 12 relegated (98).
// Club events: 1 champion (109), 2 cup (110), 3 double (104), 4 second (105), 5 third (106), 6 promoted
// (97), 7 relegated (98).
class THistoryEvent : public TKolObject {
public:
    THistoryEvent(const TWorld& world, std::uint8_t kind, std::int32_t season, std::int16_t otherId,
                  std::uint8_t extra = 0)
        : kind(kind), season(season), otherId(otherId), extra(extra), world_(&world) {}
    std::uint8_t kind = 0;
    std::int32_t season = 0;
    std::int16_t otherId = 0; // a coach event: the club concerned; a club event: the coach concerned
    std::uint8_t extra = 0;

    void SetupColumns(TColumnList& header, bool numbered, int a, int b) const override;

protected:
    const TWorld& World() const { return *world_; }

private:
    const TWorld* world_;
};

class TCoachEvent : public THistoryEvent {
public:
    using THistoryEvent::THistoryEvent;
    std::string GetListText(int mask) const override;
};

class TTeamEvent : public THistoryEvent {
public:
    using THistoryEvent::THistoryEvent;
    std::string GetListText(int mask) const override;
};

using TCoachEventList = TKolLimitedList<TCoachEvent>;
using TTeamEventList = TKolLimitedList<TTeamEvent>;

// One past game against one opponent, kept by the club.
class TLastResult : public TKolObject {
public:
    TLastResult(const TWorld& world) : world_(&world) {}
    std::uint8_t homeGoals = 0;
    std::uint8_t awayGoals = 0;
    std::int32_t season = 0;
    std::int16_t opponentId = 0;
    std::uint8_t competition = 0; // 0 league, 1 text 31, 2 text 94
    std::int16_t refereeId = 0;

    // Selector 0 shows home:away, any other the reversed score.
    std::string GetListText(int mask) const override;
    std::string GetListTextEx(int mask, int selector) const override;
    void SetupColumns(TColumnList& header, bool numbered, int a, int b) const override;

private:
    const TWorld* world_;
};

// A club's stadium: capacity 5 000 seats per size step, 1..24.
class TStadium : public TKolObject {
public:
    static constexpr int MaxSize = 24;
    TStadium() { SetFillRatio(0.6L); }
    std::uint8_t size = 1;

    long double fillRatio() const { return fillRatio_; }
    // Stored as the 6-byte real of the saved game, so it keeps only what that can hold.
    void SetFillRatio(long double value);

    std::int32_t Capacity() const { return 5000 * size; }
    bool CanEnlarge() const { return fillRatio_ >= 0.8L && size < MaxSize; }
    // One size more and a fill of 0.6; false (nothing changes) at the largest size.
    bool Enlarge();
    // k := 3 from size 14, 1 below 6, else 2: max(nearest(sqrt(k) x priceIndex x 35 000 x M x 0.00002)
    // x 50 000, 50 000).
    std::int32_t EnlargeCost(long double priceIndex, std::int32_t moneyMultiplier) const;
    // At most the capacity is admitted; the fill ratio moves a tenth of the way toward the new crowd.
    std::int32_t AdmitSpectators(std::int32_t crowd);

private:
    long double fillRatio_ = 0.6L;
};

class TReferee : public TKolObject {
public:
    TReferee(std::int16_t id, std::unique_ptr<TRefereeAttr> attr);
    ~TReferee() override;
    std::int16_t id = 0;
    std::uint8_t available = 1;
    std::unique_ptr<TRefereeAttr> attr;

    std::string Name() const;
    std::string Country() const;
    std::string GetListText(int mask) const override;
    void SetupColumns(TColumnList& header, bool numbered, int a, int b) const override;
};

// One finished season's winners.
class TLastWinners : public TKolObject {
public:
    TLastWinners(const TWorld& world) : world_(&world) {}
    std::int16_t season = 0;
    std::int16_t championId = 0;
    std::int16_t championCoachId = 0;
    std::int16_t cupWinnerId = 0;
    std::int16_t cupWinnerCoachId = 0;

    std::string GetListText(int mask) const override;
    void SetupColumns(TColumnList& header, bool numbered, int a, int b) const override;

private:
    const TWorld* world_;
};

// One completed transfer.
class TLastTransfer : public TKolObject {
public:
    TLastTransfer(const TWorld& world) : world_(&world) {}
    const TWorld& World() const { return *world_; }
    std::uint8_t kind = 1; // 1 between clubs at a listed price, 0 an auction
    std::uint8_t buyerHuman = 0;
    std::int16_t level = 0;
    std::int16_t sellerId = 0;
    std::int16_t buyerId = 0;
    TPlayer* player = nullptr; // owned by the world
    std::int32_t price = 0;
    std::uint8_t age = 0;

    std::string GetListText(int mask) const override;
    void SetupColumns(TColumnList& header, bool numbered, int a, int b) const override;

private:
    const TWorld* world_;
};
