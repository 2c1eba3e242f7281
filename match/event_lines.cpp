#include "match/event_lines.h"

#include "foundation/format_text.h"
#include "foundation/texts.h"
#include "world/game.h"
#include "world/player.h"
#include "world/world.h"

namespace {

constexpr std::size_t kNameWidth = 20;
constexpr int kPenaltyText = 183, kSentOffText = 184, kBookedText = 185, kSecondBookingText = 186,
              kInjuredText = 187, kDisallowedText = 188;

} // namespace

std::vector<std::string> EventLines(const TGame& game, TEventLineFilter filter) {
    std::vector<std::string> lines;
    int homeGoals = 0, awayGoals = 0;
    for (const TGameEvent* e : game.events) {
        if (e == nullptr) continue;
        const TPlayer* player = game.World().PlayerById(e->playerId);
        const std::string name =
            player != nullptr ? player->DisplayName().substr(0, kNameWidth) : std::string();
        const std::string minute = std::to_string(e->minute) + "'";
        switch (e->eventKind) {
        case gekGoal:
        case gekPenaltyGoal: {
            ++(e->side == 0 ? homeGoals : awayGoals);
            std::string line =
                std::to_string(homeGoals) + ":" + std::to_string(awayGoals) + " " + name + " " + minute;
            if (e->eventKind == gekPenaltyGoal) line += " " + GetText(kPenaltyText);
            lines.push_back(line);
            break;
        }
        case gekBooking:
            lines.push_back(name + " - " + GetText(kBookedText) + " " + minute);
            break;
        case gekSendingOff:
            if (filter.redCards) lines.push_back(name + " " + GetText(kSentOffText) + " " + minute);
            break;
        case gekSecondBooking:
            if (filter.redCards) lines.push_back(name + " - " + GetText(kSecondBookingText) + " " + minute);
            break;
        case gekInjury:
            if (filter.injuries) lines.push_back(name + " " + GetText(kInjuredText) + " " + minute);
            break;
        case gekGoalDisallowed:
            lines.push_back(Format(GetText(kDisallowedText), {name, static_cast<int>(e->minute)}));
            break;
        default:
            break;
        }
    }
    return lines;
}
