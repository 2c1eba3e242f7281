#include "world/game_record.h"

#include "foundation/binary_file.h"
#include "world/game.h"
#include "world/record_fields.h"
#include "world/records.h"
#include "world/team.h"
#include "world/world.h"

void WriteGame(TBinaryWriter& out, const TGame& game) {
    out.I32(game.prizeValue);
    out.U8(game.kind);
    WriteFixedText(out, game.title, TGame::kTitleWidth);
    out.I16(game.homeTeam ? game.homeTeam->id : 0);
    out.I16(game.awayTeam ? game.awayTeam->id : 0);
    out.Extended(game.ticketPrice);
    out.I32(game.roundMoney);
    out.I32(game.attendance);
    out.I16(game.referee ? game.referee->id : 0);
    out.I16(game.homeFavour);
    out.I16(game.awayFavour);
    out.U8(game.extraTime);
    out.I32(game.receipts);
    out.U8(game.calendarSlot);
}

std::unique_ptr<TGame> ReadGame(TBinaryReader& in, TWorld& world) {
    auto game = std::make_unique<TGame>(world);
    game->prizeValue = in.I32();
    game->kind = in.U8();
    game->title = ReadFixedText(in, TGame::kTitleWidth, "game title");
    const std::int16_t homeId = in.I16();
    const std::int16_t awayId = in.I16();
    game->homeTeam = homeId != 0 ? world.TeamById(homeId) : nullptr;
    game->awayTeam = awayId != 0 ? world.TeamById(awayId) : nullptr;
    game->ticketPrice = in.Extended();
    game->roundMoney = in.I32();
    game->attendance = in.I32();
    const std::int16_t refereeId = in.I16();
    game->referee = refereeId != 0 ? world.RefereeById(refereeId) : nullptr;
    game->homeFavour = in.I16();
    game->awayFavour = in.I16();
    game->extraTime = in.U8();
    game->receipts = in.I32();
    game->calendarSlot = in.U8();
    return game;
}

void WriteRoundGames(TBinaryWriter& out, const TWorld& world) {
    WriteCountedList(out, world.RoundGames, WriteGame);
}

void ReadRoundGames(TBinaryReader& in, TWorld& world) {
    const int count = ReadCount(in, "negative number of games");
    for (int i = 0; i < count; ++i) world.RoundGames.Add(ReadGame(in, world).release());
}
