#include "world/game_record.h"

#include "foundation/errors.h"
#include "foundation/record_fields.h"
#include "world/game.h"
#include "world/records.h"
#include "world/team.h"
#include "world/world.h"

namespace {
using K = TFieldKind;
using G = TGame;
constexpr int kMaxGames = 32767;

// A heading row has no clubs; a game has two that exist.
void SetClub(G& game, TTeam*& slot, std::int64_t id, const char* side) {
    if (game.kind == gkHeading) {
        if (id != 0) ThrowInvalidFile(std::string("heading row with a ") + side + " club");
        slot = nullptr;
        return;
    }
    slot = game.World().TeamById(static_cast<std::int16_t>(id));
    if (!slot) ThrowInvalidFile(std::string(side) + " club " + std::to_string(id) + " names nothing");
}

constexpr TRecordField<G> kFields[] = {
    IntField<G, &G::prizeValue>("prizeValue", K::I32),
    RangeField<G, &G::kind>("kind", K::U8, gkLeague, gkHeading),
    {.name = "title",
     .kind = K::RawText,
     .width = static_cast<int>(G::kTitleWidth),
     .getText = [](const G& g) { return g.title; },
     .setText = [](G& g, const std::string& v) { g.title = v; },
     .getRaw = [](const G& g) { return g.titleHeld; },
     .setRaw = [](G& g, const std::string& v) { g.titleHeld = v; }},
    {.name = "homeId",
     .kind = K::I16,
     .minValue = -32768,
     .maxValue = 32767,
     .getInt = [](const G& g) -> std::int64_t { return g.homeTeam ? g.homeTeam->id : 0; },
     .setInt = [](G& g, std::int64_t v) { SetClub(g, g.homeTeam, v, "home"); },
     .meaning = TFieldMeaning::ClubId},
    {.name = "awayId",
     .kind = K::I16,
     .minValue = -32768,
     .maxValue = 32767,
     .getInt = [](const G& g) -> std::int64_t { return g.awayTeam ? g.awayTeam->id : 0; },
     .setInt = [](G& g, std::int64_t v) { SetClub(g, g.awayTeam, v, "away"); },
     .meaning = TFieldMeaning::ClubId},
    RealField<G, &G::ticketPrice>("ticketPrice", K::Real80),
    IntField<G, &G::roundMoney>("roundMoney", K::I32, TFieldMeaning::Money),
    IntField<G, &G::attendance>("attendance", K::I32),
    {.name = "refereeId",
     .kind = K::I16,
     .minValue = -32768,
     .maxValue = 32767,
     .getInt = [](const G& g) -> std::int64_t { return g.referee ? g.referee->id : 0; },
     .setInt =
         [](G& g, std::int64_t v) {
             g.referee = v != 0 ? g.World().RefereeById(static_cast<std::int16_t>(v)) : nullptr;
             if (v != 0 && !g.referee) ThrowInvalidFile("referee " + std::to_string(v) + " names nothing");
         },
     .meaning = TFieldMeaning::RefereeId},
    IntField<G, &G::homeFavour>("homeFavour", K::I16),
    IntField<G, &G::awayFavour>("awayFavour", K::I16),
    IntField<G, &G::extraTime>("extraTime", K::U8),
    IntField<G, &G::receipts>("receipts", K::I32, TFieldMeaning::Money),
    IntField<G, &G::calendarSlot>("calendarSlot", K::U8),
};
} // namespace

void WriteGame(TFieldSink& out, const TGame& game) {
    WriteRecordFields<G>(out, game, kFields, 0);
}

std::unique_ptr<TGame> ReadGame(TFieldSource& in, TWorld& world) {
    auto game = std::make_unique<TGame>(world);
    ReadRecordFields<G>(in, *game, kFields, 0, "game");
    return game;
}

void WriteRoundGames(TFieldSink& out, const TWorld& world) {
    WriteCountedList(out, "games", world.RoundGames, [](TFieldSink& s, const G& g) { WriteGame(s, g); });
}

void ReadRoundGames(TFieldSource& in, TWorld& world) {
    ReadCountedList(in, "games", kGameRecordSize, kMaxGames,
                    [&](TFieldSource& s) { world.RoundGames.Add(ReadGame(s, world).release()); });
}

void WriteGame(TBinaryWriter& out, const TGame& game) {
    TBinaryFieldSink sink(out);
    WriteGame(sink, game);
}
std::unique_ptr<TGame> ReadGame(TBinaryReader& in, TWorld& world) {
    TBinaryFieldSource source(in);
    return ReadGame(source, world);
}
void WriteRoundGames(TBinaryWriter& out, const TWorld& world) {
    TBinaryFieldSink sink(out);
    WriteRoundGames(sink, world);
}
void ReadRoundGames(TBinaryReader& in, TWorld& world) {
    TBinaryFieldSource source(in);
    ReadRoundGames(source, world);
}
