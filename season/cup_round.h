#pragma once
// The shape of a cup round: whether round r has one, how many ties it plays, its name and what each tie
// pays. The cup halves the field down to a power of two, so the final always falls on round 18.
#include <cstdint>
#include <string>

struct CurrencyRecord;

// True when even round `round` plays cup ties in a career of `allTeams` clubs: more than 2^k clubs with
// k = (18 - round) div 2.
bool CupPlaysInRound(int allTeams, int round);

struct TCupRoundShape {
    int teamsAfter = 1;     // d: the smallest power of two not below half the cup clubs
    int games = 0;          // cup clubs - d
    int nameText = 0;       // 25 final, 26 semi-final, 27 quarter-final, 275 a numbered round
    int roundNumber = 0;    // the number put into text 275
    std::int32_t bonus = 0; // round money of each tie
};

// The round of `cupTeams` clubs still in the cup, in a career of `allTeams` clubs.
TCupRoundShape CupRoundShape(int cupTeams, int allTeams, const CurrencyRecord& currency);
// The round's name in the language texts.
std::string CupRoundName(const TCupRoundShape& shape);
