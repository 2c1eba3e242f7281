#pragma once
// The coaches of a career by standing, for the coach ranking a human coach can look at: the highest
// prestige first; at equal prestige the coach with more titles (league and cup together), then the order
// of the world's coaches list.
#include <vector>

class TCoach;
class TWorld;

std::vector<TCoach*> CoachRanking(const TWorld& world);
