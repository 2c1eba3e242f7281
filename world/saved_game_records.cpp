#include "world/saved_game_records.h"

#include "datafiles/coach_attr.h"
#include "datafiles/player_attr.h"
#include "datafiles/referee_attr.h"
#include "datafiles/team_attr.h"
#include "foundation/errors.h"
#include "world/calendar.h"
#include "world/calendar_record.h"
#include "world/world.h"

namespace {
using K = TFieldKind;
using M = TFieldMeaning;

constexpr int kMaxListCount = 32767;
constexpr int kMaxSquadCount = 255;
constexpr int kMaxCalendarCount = 255;

[[noreturn]] void UnknownId(const char* what, std::int64_t id) {
    ThrowInvalidFile(std::string(what) + " " + std::to_string(id) + " names nothing");
}

// ---- Events ----
constexpr TRecordField<THistoryEvent> kEventFields[] = {
    RangeField<THistoryEvent, &THistoryEvent::kind>("kind", K::U8, 0, 12),
    IntField<THistoryEvent, &THistoryEvent::season>("season", K::I32),
    IntField<THistoryEvent, &THistoryEvent::otherId>("otherId", K::I16),
    IntField<THistoryEvent, &THistoryEvent::extra>("extra", K::U8),
};

template <class R, class Event, auto Member> void ReadEvents(TFieldSource& in, R& owner, const char* name) {
    ReadCountedList(in, name, kEventRecordSize, kMaxListCount, [&](TFieldSource& s) {
        auto* event = new Event(owner.World(), 0, 0, 0);
        (owner.*Member).Add(event); // the limited list drops the oldest
        ReadEventRecord(s, *event);
    });
}
template <class R, auto Member> void WriteEvents(TFieldSink& out, const R& owner, const char* name) {
    WriteCountedList(out, name, owner.*Member,
                     [](TFieldSink& s, const THistoryEvent& e) { WriteEventRecord(s, e); });
}

// ---- Coach ----
constexpr TRecordField<TCoach> kCoachFields[] = {
    IntField<TCoach, &TCoach::id>("id", K::I16),
    {.name = "attr",
     .kind = K::Nested,
     .readNested =
         [](TFieldSource& in, TCoach& c, const char* n) {
             ReadRecordFields<TCoachAttr>(in, *c.attr, TCoachAttr::Fields(), 0, n);
         },
     .writeNested =
         [](TFieldSink& out, const TCoach& c, const char*) {
             WriteRecordFields<TCoachAttr>(out, *c.attr, TCoachAttr::Fields(), 0);
         }},
    RangeField<TCoach, &TCoach::isHuman>("isHuman", K::U8, 0, 1),
    RangeField<TCoach, &TCoach::onHoliday>("onHoliday", K::U8, 0, 1),
    IntField<TCoach, &TCoach::weeksInJob>("weeksInJob", K::I16),
    {.name = "prestigeHeld",
     .kind = K::I32,
     .minValue = MinOfKind(K::I32),
     .maxValue = MaxOfKind(K::I32),
     .getInt = [](const TCoach& c) -> std::int64_t { return c.StoredPrestige(); },
     .setInt = [](TCoach& c, std::int64_t v) { c.SetStoredPrestige(static_cast<std::int32_t>(v)); }},
    IntField<TCoach, &TCoach::leagueTitles>("leagueTitles", K::I32),
    IntField<TCoach, &TCoach::cupTitles>("cupTitles", K::I32),
    IntField<TCoach, &TCoach::autoSalaryNational>("autoSalaryNational", K::U8),
    IntField<TCoach, &TCoach::autoSalaryBosman>("autoSalaryBosman", K::U8),
    IntField<TCoach, &TCoach::autoSalaryForeign>("autoSalaryForeign", K::U8),
    RangeField<TCoach, &TCoach::buyInAuction>("buyInAuction", K::U8, 0, 2),
    IntField<TCoach, &TCoach::encryptOffers>("encryptOffers", K::U8),
    IntField<TCoach, &TCoach::showCards>("showCards", K::U8),
    {.name = "events",
     .kind = K::Nested,
     .readNested = ReadEvents<TCoach, TCoachEvent, &TCoach::events>,
     .writeNested = WriteEvents<TCoach, &TCoach::events>},
};

// ---- Referee ----
constexpr TRecordField<TReferee> kRefereeFields[] = {
    IntField<TReferee, &TReferee::id>("id", K::I16),
    RangeField<TReferee, &TReferee::available>("available", K::U8, 0, 1),
    {.name = "entry",
     .kind = K::Text,
     .width = 255,
     .passes = TRefereeAttr::kPasses,
     .getText = [](const TReferee& r) { return r.attr->Entry(); },
     .setText = [](TReferee& r, const std::string& v) { *r.attr = TRefereeAttr::FromEntry(v); }},
};

// ---- Club ----
constexpr TRecordField<TTeamSeasonBlock> kSeasonBlockFields[] = {
    IntField<TTeamSeasonBlock, &TTeamSeasonBlock::played>("played", K::I32),
    IntField<TTeamSeasonBlock, &TTeamSeasonBlock::won>("won", K::I32),
    IntField<TTeamSeasonBlock, &TTeamSeasonBlock::drawn>("drawn", K::I32),
    IntField<TTeamSeasonBlock, &TTeamSeasonBlock::lost>("lost", K::I32),
    IntField<TTeamSeasonBlock, &TTeamSeasonBlock::goalsFor>("goalsFor", K::I32),
    IntField<TTeamSeasonBlock, &TTeamSeasonBlock::goalsAgainst>("goalsAgainst", K::I32),
    IntField<TTeamSeasonBlock, &TTeamSeasonBlock::points>("points", K::I32),
    ArrayField<TTeamSeasonBlock, &TTeamSeasonBlock::scheduleRow>("scheduleRow", K::U8),
    IntField<TTeamSeasonBlock, &TTeamSeasonBlock::cupEliminated>("cupEliminated", K::U8),
    PaddingField<TTeamSeasonBlock>("spare", 1),
    ArrayField<TTeamSeasonBlock, &TTeamSeasonBlock::financeTotals>("financeTotals", K::I32, M::Money),
    IntField<TTeamSeasonBlock, &TTeamSeasonBlock::leaguePosition>("leaguePosition", K::I16),
    IntField<TTeamSeasonBlock, &TTeamSeasonBlock::retiringCount>("retiringCount", K::U8),
    IntField<TTeamSeasonBlock, &TTeamSeasonBlock::tableStatus>("tableStatus", K::U8),
};
constexpr TRecordField<TTeamMatchBlock> kMatchBlockFields[] = {
    IntField<TTeamMatchBlock, &TTeamMatchBlock::benchCount>("benchCount", K::I32),
    IntField<TTeamMatchBlock, &TTeamMatchBlock::matchGoals>("matchGoals", K::I32),
    ArrayField<TTeamMatchBlock, &TTeamMatchBlock::lineStrength>("lineStrength", K::U16),
    IntField<TTeamMatchBlock, &TTeamMatchBlock::disallowedGoals>("disallowedGoals", K::I32),
};
constexpr TRecordField<TStadium> kStadiumFields[] = {
    RangeField<TStadium, &TStadium::size>("size", K::U8, 1, TStadium::MaxSize),
    {.name = "fillRatio",
     .kind = K::Real48,
     .getReal = [](const TStadium& s) { return s.fillRatio(); },
     .setReal = [](TStadium& s, long double v) { s.SetFillRatio(v); }},
};
constexpr TRecordField<TLastResult> kLastResultFields[] = {
    IntField<TLastResult, &TLastResult::season>("season", K::I32),
    IntField<TLastResult, &TLastResult::opponentId>("opponentId", K::I16, M::ClubId),
    IntField<TLastResult, &TLastResult::homeGoals>("homeGoals", K::U8),
    IntField<TLastResult, &TLastResult::awayGoals>("awayGoals", K::U8),
    RangeField<TLastResult, &TLastResult::competition>("competition", K::U8, 0, 2),
    IntField<TLastResult, &TLastResult::refereeId>("refereeId", K::I16, M::RefereeId),
};

void ReadPlayers(TFieldSource& in, TTeam& club, const char* name) {
    ReadCountedList(in, name, kMinPlayerRecordSize, kMaxSquadCount, [&](TFieldSource& s) {
        auto* player = new TPlayer(club.World(), 0);
        club.World().AllPlayers.Add(player);
        ReadPlayerRecord(s, *player);
        club.players.Add(player);
    });
}
void WritePlayers(TFieldSink& out, const TTeam& club, const char* name) {
    WriteCountedList(out, name, club.players,
                     [](TFieldSink& s, const TPlayer& p) { WritePlayerRecord(s, p); });
}
void ReadLastResults(TFieldSource& in, TTeam& club, const char* name) {
    ReadCountedList(in, name, kLastResultRecordSize, kMaxListCount, [&](TFieldSource& s) {
        auto* result = new TLastResult(club.World());
        club.lastResults.Add(result);
        ReadLastResultRecord(s, *result);
    });
}
void WriteLastResults(TFieldSink& out, const TTeam& club, const char* name) {
    WriteCountedList(out, name, club.lastResults,
                     [](TFieldSink& s, const TLastResult& r) { WriteLastResultRecord(s, r); });
}

constexpr TRecordField<TTeam> kClubFields[] = {
    IntField<TTeam, &TTeam::id>("id", K::I16),
    {.name = "team",
     .kind = K::Nested,
     .readNested =
         [](TFieldSource& in, TTeam& t, const char* n) {
             in.BeginRecord(n);
             in.Padding(TTeamAttr::kLeadBlockSize);
             ReadRecordFields<TTeamAttr>(in, *t.attr, TTeamAttr::Fields(), 0, n);
             in.EndRecord();
         },
     .writeNested =
         [](TFieldSink& out, const TTeam& t, const char* n) {
             out.BeginRecord(n);
             out.Padding(TTeamAttr::kLeadBlockSize, "KBa");
             WriteRecordFields<TTeamAttr>(out, *t.attr, TTeamAttr::Fields(), 0);
             out.EndRecord();
         }},
    {.name = "prestigeHeld",
     .kind = K::I32,
     .minValue = MinOfKind(K::I32),
     .maxValue = MaxOfKind(K::I32),
     .getInt = [](const TTeam& t) -> std::int64_t { return t.StoredPrestige(); },
     .setInt = [](TTeam& t, std::int64_t v) { t.SetStoredPrestige(static_cast<std::int32_t>(v)); }},
    RecordField<TTeam, &TTeam::season, kSeasonBlockFields>("season"),
    RecordField<TTeam, &TTeam::match, kMatchBlockFields>("match"),
    {.name = "supportFactor",
     .kind = K::Real48,
     .getReal = [](const TTeam& t) { return t.supportFactor(); },
     .setReal = [](TTeam& t, long double v) { t.SetSupportFactor(v); }},
    {.name = "coachId",
     .kind = K::I16,
     .minValue = MinOfKind(K::I16),
     .maxValue = MaxOfKind(K::I16),
     .getInt = [](const TTeam& t) -> std::int64_t { return t.coach ? t.coach->id : 0; },
     .setInt =
         [](TTeam& t, std::int64_t v) {
             t.coach = t.World().CoachById(static_cast<std::int16_t>(v));
             if (!t.coach) UnknownId("club coach", v);
             t.coach->SetCurrentClub(&t);
         },
     .meaning = M::CoachId},
    ArrayField<TTeam, &TTeam::seasonTotals>("seasonTotals", K::I32, M::Money),
    ArrayField<TTeam, &TTeam::previousTotals>("previousTotals", K::I32, M::Money),
    IntField<TTeam, &TTeam::loan>("loan", K::I32, M::Money),
    {.name = "balance",
     .kind = K::I32,
     .minValue = MinOfKind(K::I32),
     .maxValue = MaxOfKind(K::I32),
     .getInt = [](const TTeam& t) -> std::int64_t { return t.balance(); },
     .setInt = [](TTeam& t,
                  std::int64_t v) { t.SetStoredBalance(static_cast<std::int32_t>(v), t.BalanceCopy()); },
     .meaning = M::Money},
    {.name = "balanceCopy",
     .kind = K::I32,
     .minValue = MinOfKind(K::I32),
     .maxValue = MaxOfKind(K::I32),
     .getInt = [](const TTeam& t) -> std::int64_t { return t.BalanceCopy(); },
     .setInt = [](TTeam& t,
                  std::int64_t v) { t.SetStoredBalance(t.balance(), static_cast<std::int32_t>(v)); }},
    PaddingField<TTeam>("spare32", 4),
    RealField<TTeam, &TTeam::priceFactor>("priceFactor", K::Real80),
    ArrayField<TTeam, &TTeam::positionCounts>("positionCounts", K::U8),
    IntField<TTeam, &TTeam::foreignCount>("foreignCount", K::U8),
    IntField<TTeam, &TTeam::squadSize>("squadSize", K::U8),
    IntField<TTeam, &TTeam::leagueTitles>("leagueTitles", K::I32),
    IntField<TTeam, &TTeam::cupTitles>("cupTitles", K::I32),
    IntField<TTeam, &TTeam::purchasesThisSeason>("purchasesThisSeason", K::I16),
    IntField<TTeam, &TTeam::foreignPurchases>("foreignPurchases", K::I16),
    IntField<TTeam, &TTeam::salePlayerId>("salePlayerId", K::I16, M::PlayerId),
    RealField<TTeam, &TTeam::salePriceFactor>("salePriceFactor", K::Real80),
    IntField<TTeam, &TTeam::cupSlot>("cupSlot", K::I16),
    // The spare i16 after the cup slot carries averageLevel: the value lags the squad between the club's
    // management steps and the bids read it, so recomputing it at load would make a resumed career bid
    // otherwise than the uninterrupted one. A file whose spare holds 0 loads as a club not yet priced.
    IntField<TTeam, &TTeam::averageLevel>("averageLevel", K::I16),
    {.name = "players", .kind = K::Nested, .readNested = ReadPlayers, .writeNested = WritePlayers},
    {.name = "events",
     .kind = K::Nested,
     .readNested = ReadEvents<TTeam, TTeamEvent, &TTeam::events>,
     .writeNested = WriteEvents<TTeam, &TTeam::events>},
    {.name = "lastResults",
     .kind = K::Nested,
     .readNested = ReadLastResults,
     .writeNested = WriteLastResults},
    {.name = "calendar",
     .kind = K::Nested,
     .readNested = [](TFieldSource& in, TTeam& t, const char* n) { ReadCalendar(in, *t.calendar, n); },
     .writeNested = [](TFieldSink& out, const TTeam& t,
                       const char* n) { WriteCalendar(out, *t.calendar, n); }},
    RecordField<TTeam, &TTeam::stadium, kStadiumFields>("stadium"),
};

// ---- Player ----
constexpr TRecordField<TPlayerMatchState> kMatchStateFields[] = {
    IntField<TPlayerMatchState, &TPlayerMatchState::wearCounter>("wearCounter", K::I32),
    IntField<TPlayerMatchState, &TPlayerMatchState::goalsThisMatch>("goalsThisMatch", K::I32),
    RangeField<TPlayerMatchState, &TPlayerMatchState::lineupRole>("lineupRole", K::I32, 0, 2),
    IntField<TPlayerMatchState, &TPlayerMatchState::offeredThisMatchday>("offeredThisMatchday", K::U8),
    IntField<TPlayerMatchState, &TPlayerMatchState::bookedThisMatch>("bookedThisMatch", K::U8),
    PaddingField<TPlayerMatchState>("spare", 2),
};
constexpr TRecordField<TPlayerSeasonBlock> kPlayerSeasonFields[] = {
    IntField<TPlayerSeasonBlock, &TPlayerSeasonBlock::runningGoals>("runningGoals", K::I32),
    IntField<TPlayerSeasonBlock, &TPlayerSeasonBlock::cardPoints>("cardPoints", K::I32),
    IntField<TPlayerSeasonBlock, &TPlayerSeasonBlock::contractRenewed>("contractRenewed", K::U8),
    PaddingField<TPlayerSeasonBlock>("spare", 3),
};
constexpr TRecordField<TPlayerCareerBlock> kCareerFields[] = {
    IntField<TPlayerCareerBlock, &TPlayerCareerBlock::appearances>("appearances", K::I32),
    IntField<TPlayerCareerBlock, &TPlayerCareerBlock::goals>("goals", K::I32),
    IntField<TPlayerCareerBlock, &TPlayerCareerBlock::injuriesCount>("injuriesCount", K::I32),
    IntField<TPlayerCareerBlock, &TPlayerCareerBlock::yellowCards>("yellowCards", K::I32),
    IntField<TPlayerCareerBlock, &TPlayerCareerBlock::redCards>("redCards", K::I32),
};

constexpr TRecordField<TPlayer> kPlayerFields[] = {
    IntField<TPlayer, &TPlayer::id>("id", K::I16),
    {.name = "player",
     .kind = K::Nested,
     .readNested =
         [](TFieldSource& in, TPlayer& p, const char* n) {
             in.BeginRecord(n);
             ReadRecordFields<TPlayerAttr>(in, *p.attr, TPlayerAttr::Fields(), kDataFormat2002, n);
             in.EndRecord();
         },
     .writeNested =
         [](TFieldSink& out, const TPlayer& p, const char* n) {
             out.BeginRecord(n);
             WriteRecordFields<TPlayerAttr>(out, *p.attr, TPlayerAttr::Fields(), kDataFormat2002);
             out.EndRecord();
         }},
    {.name = "levelHeld",
     .kind = K::I16,
     .minValue = MinOfKind(K::I16),
     .maxValue = MaxOfKind(K::I16),
     .getInt = [](const TPlayer& p) -> std::int64_t { return p.StoredLevel(); },
     .setInt = [](TPlayer& p, std::int64_t v) { p.SetStoredLevel(static_cast<std::int16_t>(v)); }},
    IntField<TPlayer, &TPlayer::selectionScore>("selectionScore", K::I16),
    IntField<TPlayer, &TPlayer::form>("form", K::I16),
    RecordField<TPlayer, &TPlayer::matchState, kMatchStateFields>("matchState"),
    RecordField<TPlayer, &TPlayer::season, kPlayerSeasonFields>("season"),
    IntField<TPlayer, &TPlayer::suspendedGames>("suspendedGames", K::I16),
    IntField<TPlayer, &TPlayer::injuredGames>("injuredGames", K::I16),
    IntField<TPlayer, &TPlayer::injuryProneness>("injuryProneness", K::I16),
    IntField<TPlayer, &TPlayer::scoringWeight>("scoringWeight", K::I16),
    {.name = "salaryHeld",
     .kind = K::I32,
     .minValue = MinOfKind(K::I32),
     .maxValue = MaxOfKind(K::I32),
     .getInt = [](const TPlayer& p) -> std::int64_t { return p.StoredSalary(); },
     .setInt = [](TPlayer& p, std::int64_t v) { p.SetStoredSalary(static_cast<std::int32_t>(v)); }},
    RangeField<TPlayer, &TPlayer::foreignStatus>("foreignStatus", K::U8, 0, 2),
    IntField<TPlayer, &TPlayer::soldToTeamId>("soldToTeamId", K::I16, M::ClubId),
    RecordField<TPlayer, &TPlayer::career, kCareerFields>("career"),
    IntField<TPlayer, &TPlayer::askingPrice>("askingPrice", K::I32, M::Money),
    RangeField<TPlayer, &TPlayer::saleMode>("saleMode", K::I16, 0, 2),
    {.name = "ageHeld",
     .kind = K::U8,
     .minValue = 0,
     .maxValue = 255,
     .getInt = [](const TPlayer& p) -> std::int64_t { return p.StoredAge(); },
     .setInt = [](TPlayer& p, std::int64_t v) { p.SetStoredAge(static_cast<std::uint8_t>(v)); }},
    IntField<TPlayer, &TPlayer::retiring>("retiring", K::U8),
};

// ---- History lists ----
constexpr TRecordField<TLastWinners> kLastWinnersFields[] = {
    IntField<TLastWinners, &TLastWinners::season>("season", K::I16),
    IntField<TLastWinners, &TLastWinners::championId>("championId", K::I16, M::ClubId),
    IntField<TLastWinners, &TLastWinners::championCoachId>("championCoachId", K::I16, M::CoachId),
    IntField<TLastWinners, &TLastWinners::cupWinnerId>("cupWinnerId", K::I16, M::ClubId),
    IntField<TLastWinners, &TLastWinners::cupWinnerCoachId>("cupWinnerCoachId", K::I16, M::CoachId),
};
constexpr TRecordField<TLastTransfer> kLastTransferFields[] = {
    {.name = "playerId",
     .kind = K::I16,
     .minValue = MinOfKind(K::I16),
     .maxValue = MaxOfKind(K::I16),
     .getInt = [](const TLastTransfer& t) -> std::int64_t { return t.player ? t.player->id : 0; },
     .setInt =
         [](TLastTransfer& t, std::int64_t v) {
             t.player = v != 0 ? t.World().PlayerById(static_cast<std::int16_t>(v)) : nullptr;
             if (v != 0 && !t.player) UnknownId("transferred player", v);
         },
     .meaning = M::PlayerId},
    IntField<TLastTransfer, &TLastTransfer::sellerId>("sellerId", K::I16, M::ClubId),
    IntField<TLastTransfer, &TLastTransfer::buyerId>("buyerId", K::I16, M::ClubId),
    IntField<TLastTransfer, &TLastTransfer::price>("price", K::I32, M::Money),
    IntField<TLastTransfer, &TLastTransfer::level>("level", K::I16),
    IntField<TLastTransfer, &TLastTransfer::buyerHuman>("buyerHuman", K::U8),
    RangeField<TLastTransfer, &TLastTransfer::kind>("kind", K::U8, 0, 1),
    IntField<TLastTransfer, &TLastTransfer::age>("age", K::U8),
};

// ---- Header ----
// The currency as stored in memory: three string[20], one spare byte, twelve i32, an 80-bit real, two spare.
template <auto Member> constexpr TRecordField<CurrencyRecord> CurrencyText(const char* name) {
    return {.name = name,
            .kind = K::RawText,
            .width = static_cast<int>(CurrencyRecord::kTextWidth),
            .getText = [](const CurrencyRecord& c) { return c.*Member; },
            .setText = [](CurrencyRecord& c, const std::string& v) { c.*Member = v; }};
}
// A currency whose step, multiplier or scale is not positive would divide by zero or pay nothing.
constexpr TRecordField<CurrencyRecord> kCurrencyFields[] = {
    CurrencyText<&CurrencyRecord::name>("name"),
    CurrencyText<&CurrencyRecord::suffix>("suffix"),
    CurrencyText<&CurrencyRecord::subUnit>("subUnit"),
    PaddingField<CurrencyRecord>("spare", 1),
    RangeField<CurrencyRecord, &CurrencyRecord::moneyStep>("moneyStep", K::I32, 1, MaxOfKind(K::I32)),
    RangeField<CurrencyRecord, &CurrencyRecord::priceBandUnit>("priceBandUnit", K::I32, 1, MaxOfKind(K::I32)),
    RangeField<CurrencyRecord, &CurrencyRecord::moneyMultiplier>("moneyMultiplier", K::I32, 1,
                                                                 MaxOfKind(K::I32)),
    RangeField<CurrencyRecord, &CurrencyRecord::ticketPriceScale>("ticketPriceScale", K::I32, 1,
                                                                  MaxOfKind(K::I32)),
    IntField<CurrencyRecord, &CurrencyRecord::prizeChampion>("prizeChampion", K::I32, M::Money),
    IntField<CurrencyRecord, &CurrencyRecord::prizeSecond>("prizeSecond", K::I32, M::Money),
    IntField<CurrencyRecord, &CurrencyRecord::prizeThird>("prizeThird", K::I32, M::Money),
    IntField<CurrencyRecord, &CurrencyRecord::prizeCup>("prizeCup", K::I32, M::Money),
    IntField<CurrencyRecord, &CurrencyRecord::bonusSemiFinal>("bonusSemiFinal", K::I32, M::Money),
    IntField<CurrencyRecord, &CurrencyRecord::bonusQuarterFinal>("bonusQuarterFinal", K::I32, M::Money),
    IntField<CurrencyRecord, &CurrencyRecord::reserved>("reserved", K::I32),
    IntField<CurrencyRecord, &CurrencyRecord::prizeBestScorer>("prizeBestScorer", K::I32, M::Money),
    RealField<CurrencyRecord, &CurrencyRecord::ticketPriceUnit>("ticketPriceUnit", K::Real80),
    PaddingField<CurrencyRecord>("spare2", 2),
};

constexpr TRecordField<TWorld> kHeaderFields[] = {
    {.name = "description",
     .kind = K::Text,
     .width = 255,
     .passes = 2,
     .getText = [](const TWorld& w) { return w.Description; },
     .setText = [](TWorld& w, const std::string& v) { w.Description = v; }},
    {.name = "CurrentRound",
     .kind = K::I16,
     .minValue = 1,
     .maxValue = 18,
     .getInt = [](const TWorld& w) -> std::int64_t { return w.CurrentRound; },
     .setInt =
         [](TWorld& w, std::int64_t v) {
             w.CurrentRound = static_cast<std::int16_t>(v);
             w.StartRound = w.CurrentRound;
         }},
    IntField<TWorld, &TWorld::ReservedHeaderByte>("reserved", K::U8),
    IntField<TWorld, &TWorld::ResumeTeam>("ResumeTeam", K::I16, M::ClubId),
    IntField<TWorld, &TWorld::LeagueRoundDone>("LeagueRoundDone", K::U8, M::Plain, 0, 1),
    IntField<TWorld, &TWorld::NextObjectId>("NextObjectId", K::I16, M::Plain, 1, 32767),
    IntField<TWorld, &TWorld::SeasonYear>("SeasonYear", K::I32),
    RealField<TWorld, &TWorld::PriceIndex>("PriceIndex", K::Real80),
    RealField<TWorld, &TWorld::TransferPriceFactor>("TransferPriceFactor", K::Real80),
    RecordField<TWorld, &TWorld::CurrencyRecord, kCurrencyFields>("CurrencyRecord"),
};
} // namespace

void WriteCoachRecord(TFieldSink& out, const TCoach& coach) {
    WriteRecordFields<TCoach>(out, coach, kCoachFields, 0);
}

std::unique_ptr<TCoach> ReadCoachRecord(TFieldSource& in, TWorld& world) {
    auto coach = std::make_unique<TCoach>(world, 0);
    ReadRecordFields<TCoach>(in, *coach, kCoachFields, 0, "coach");
    return coach;
}

void WriteRefereeRecord(TFieldSink& out, const TReferee& referee) {
    WriteRecordFields<TReferee>(out, referee, kRefereeFields, 0);
}

std::unique_ptr<TReferee> ReadRefereeRecord(TFieldSource& in) {
    auto referee = std::make_unique<TReferee>(0, nullptr);
    ReadRecordFields<TReferee>(in, *referee, kRefereeFields, 0, "referee");
    return referee;
}

void WriteClubRecord(TFieldSink& out, const TTeam& club) {
    WriteRecordFields<TTeam>(out, club, kClubFields, 0);
}

std::unique_ptr<TTeam> ReadClubRecord(TFieldSource& in, TWorld& world) {
    auto club = std::make_unique<TTeam>(world);
    ReadRecordFields<TTeam>(in, *club, kClubFields, 0, "club");
    return club;
}

void WritePlayerRecord(TFieldSink& out, const TPlayer& player) {
    WriteRecordFields<TPlayer>(out, player, kPlayerFields, 0);
}
void ReadPlayerRecord(TFieldSource& in, TPlayer& player) {
    ReadRecordFields<TPlayer>(in, player, kPlayerFields, 0, "player");
}
void WriteEventRecord(TFieldSink& out, const THistoryEvent& event) {
    WriteRecordFields<THistoryEvent>(out, event, kEventFields, 0);
}
void ReadEventRecord(TFieldSource& in, THistoryEvent& event) {
    ReadRecordFields<THistoryEvent>(in, event, kEventFields, 0, "event");
}
void WriteLastResultRecord(TFieldSink& out, const TLastResult& result) {
    WriteRecordFields<TLastResult>(out, result, kLastResultFields, 0);
}
void ReadLastResultRecord(TFieldSource& in, TLastResult& result) {
    ReadRecordFields<TLastResult>(in, result, kLastResultFields, 0, "last result");
}
void WriteStadiumRecord(TFieldSink& out, const TStadium& stadium) {
    WriteRecordFields<TStadium>(out, stadium, kStadiumFields, 0);
}
void ReadStadiumRecord(TFieldSource& in, TStadium& stadium) {
    ReadRecordFields<TStadium>(in, stadium, kStadiumFields, 0, "stadium");
}
void WriteLastWinnersRecord(TFieldSink& out, const TLastWinners& winners) {
    WriteRecordFields<TLastWinners>(out, winners, kLastWinnersFields, 0);
}
void ReadLastWinnersRecord(TFieldSource& in, TLastWinners& winners) {
    ReadRecordFields<TLastWinners>(in, winners, kLastWinnersFields, 0, "last winners");
}
void WriteLastTransferRecord(TFieldSink& out, const TLastTransfer& transfer) {
    WriteRecordFields<TLastTransfer>(out, transfer, kLastTransferFields, 0);
}
void ReadLastTransferRecord(TFieldSource& in, TLastTransfer& transfer) {
    ReadRecordFields<TLastTransfer>(in, transfer, kLastTransferFields, 0, "last transfer");
}
void WriteHeaderRecord(TFieldSink& out, const TWorld& world) {
    WriteRecordFields<TWorld>(out, world, kHeaderFields, 0);
}
void ReadHeaderRecord(TFieldSource& in, TWorld& world) {
    ReadRecordFields<TWorld>(in, world, kHeaderFields, 0, "header");
}
