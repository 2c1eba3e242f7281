#pragma once
// What a club does before each matchday: the round preparation of every club, and the management of a
// computer club (pricing, selling, loans, stadium works, buying and the line-up). A club whose coach is a
// person at the screen goes to the club screen of the user port instead of the management.
#include <cstdint>

class TTeam;
class TPlayer;

// The preparation of one club before a matchday: match states cleared, the wage review from the second
// round on, asking prices cleared under a new coach, the selection scores, then the club screen (a person)
// or ComputerManagement (the computer), and the line strengths. A club other than the one whose screen was
// open at a save (the world's ResumeTeam) does nothing.
void ComputerRound(TTeam& club);
// A computer club's matchday: pricing, selling, loans and stadium works (the rules of club/finance),
// buying and the line-up. `offeredInReview`: the wage review already put a player up for sale.
void ComputerManagement(TTeam& club, bool offeredInReview);
// Hands the player to an auction; returns the base price it asked.
std::int32_t OfferForSale(TTeam& club, TPlayer& player);
// A computer club looks at twenty players of other clubs and buys the one it needs most at his listed
// price, if any.
void BuyPlayer(TTeam& club);
