#pragma once
// The people playing a career are its human coaches (at most six, at least one). The coach manager adds
// and removes them between matches; the dialog shows its list and buttons and calls these operations.
// A new human coach starts without a club: clubs looking for a coach may then choose him (and ask him
// first, through the invitation, once he has a club).
#include <string>
#include <vector>

class TCoach;
class TTeam;
class TWorld;

class TCoachManager {
public:
    static constexpr int kMaxHumans = 6;

    explicit TCoachManager(TWorld& world);

    // The human coaches by name (case-insensitive; equal names keep the order of the world's coaches).
    const std::vector<TCoach*>& Coaches() const { return coaches_; }
    // The coach's line: his name, and the holiday mark when he is on holiday.
    std::string LineOf(const TCoach& coach) const;

    bool CanAdd() const { return static_cast<int>(coaches_.size()) < kMaxHumans; }
    // A coach is selected, another human coach remains, and his club (if any) has a computer coach without
    // a club to take it over: a club never stays without a coach.
    bool CanRemove(const TCoach* selected) const;
    bool CanClose() const { return !coaches_.empty(); }

    // Asks for the name of a new human coach; nullptr when cancelled, empty, or the name is taken by any
    // coach (letter case aside: the person is told).
    TCoach* Add();
    // Asks whether to remove him (No is the default). On Yes his club goes to the first computer coach
    // without a club, with wages capped at market value and any debt written off, and he leaves the world.
    bool Remove(TCoach& coach);

    TWorld& World() const { return world_; }

    // The computer coach who would take over `club`, or nullptr.
    TCoach* Successor() const;

private:
    void Refresh();

    TWorld& world_;
    std::vector<TCoach*> coaches_;
};

// The coach manager through the port; its dialog closes only while CanClose() holds.
void OpenCoachManager(TWorld& world);

// The invitation's line about the club that wants the coach.
std::string InvitationClubText(const TTeam& club);
