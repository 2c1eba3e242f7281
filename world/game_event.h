#pragma once
// One thing that happened in a game, in the order of occurrence: a goal, a card, an injury or a goal that
// was disallowed a minute later.
#include "foundation/kol_object.h"

#include <cstdint>

enum TGameEventKind : std::int16_t {
    gekGoal = 1,
    gekPenaltyGoal = 2,
    gekBooking = 3,
    gekSendingOff = 4,
    gekSecondBooking = 5,
    gekInjury = 6,
    gekGoalDisallowed = 7,
};

class TGameEvent : public TKolObject {
public:
    TGameEvent() = default;
    TGameEvent(std::int16_t side, std::int16_t minute, std::int16_t eventKind, std::int16_t playerId,
               std::uint8_t playerPosition)
        : side(side), minute(minute), eventKind(eventKind), playerId(playerId),
          playerPosition(playerPosition) {}

    std::int16_t side = 0; // 0 home team, 1 away team
    std::int16_t minute = 0;
    std::int16_t eventKind = 0;
    std::int16_t playerId = 0;
    std::uint8_t playerPosition = 0; // copied when the event is made: the player may change later
};
