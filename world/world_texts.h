#pragma once
// Numbers of the language texts the world's rows and events show (the labels file holds the wording).
// Column headers:
constexpr int kTxtCup = 31;
constexpr int kTxtColClub = 32;
constexpr int kTxtColDivision = 33;
constexpr int kTxtColPoints = 34; // also the prestige column's header
constexpr int kTxtColStandings = 35;
constexpr int kTxtColLoan = 36;
constexpr int kTxtColBalance = 37;
constexpr int kTxtColBoard = 38;
constexpr int kTxtColMorale = 39;
constexpr int kTxtColYear = 89;
constexpr int kTxtColScore = 90;
constexpr int kTxtColCompetition = 91;
constexpr int kTxtColReferee = 92;
constexpr int kTxtFriendly = 94;
constexpr int kTxtColLeagueChampions = 109;
constexpr int kTxtColCupWinners = 110;
constexpr int kTxtColPosition = 111;
constexpr int kTxtColName = 112;
constexpr int kTxtColGoals = 113;
constexpr int kTxtColLevel = 114;
constexpr int kTxtColMarker1 = 115; // the two narrow marker columns have no title
constexpr int kTxtColMarker2 = 116;
constexpr int kTxtColNationality = 117;
constexpr int kTxtColAge = 118;
constexpr int kTxtColPrice = 119;
constexpr int kTxtColSalary = 120;
constexpr int kTxtColBehaviour = 121;
constexpr int kTxtColTitles = 138;
constexpr int kTxtColHoliday = 139;
constexpr int kTxtColCards = 150;
constexpr int kTxtColRating = 316;
// Cell texts:
constexpr int kTxtOnHoliday = 207;
constexpr int kTxtSold = 315;
constexpr int kTxtPositionPoints = 405; // %d: league position, %d: points
// Coach events:
constexpr int kTxtCoachDismissed = 407; // %s: the coach, %s: the club
constexpr int kTxtCoachTakesOver = 408; // %s: the coach, who had no club
constexpr int kTxtCoachMoves = 409;     // %s: the coach, %s: the club he leaves
