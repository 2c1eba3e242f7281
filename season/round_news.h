#pragma once
// The news of a round (coach dismissals and hirings, added as they happen) is shown once after the
// matchday and then forgotten.
class TWorld;

// Shows the round's news through the port with the title of the round's news, when there is any, and
// empties the list.
void ShowRoundMessages(TWorld& world);
