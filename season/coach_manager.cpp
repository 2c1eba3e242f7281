#include "season/coach_manager.h"

#include "foundation/encoding.h"
#include "foundation/format_text.h"
#include "foundation/texts.h"
#include "world/world.h"

#include <algorithm>
#include <memory>

namespace {
constexpr int kHolidayText = 207;
constexpr int kRemoveQuestionText = 209;
constexpr int kRemoveCaptionText = 210;
constexpr int kAddPromptText = 211;
constexpr int kNameTitleText = 112;
constexpr int kInvitationClubText = 242;
constexpr int kDuplicateCaptionText = 446;
constexpr int kDuplicateMessageText = 447;
constexpr int kStartEvent = 5;
} // namespace

TCoachManager::TCoachManager(TWorld& world) : world_(world) {
    Refresh();
}

void TCoachManager::Refresh() {
    coaches_.clear();
    for (TCoach* coach : world_.AllCoaches)
        if (coach != nullptr && coach->isHuman) coaches_.push_back(coach);
    std::stable_sort(coaches_.begin(), coaches_.end(), [](const TCoach* a, const TCoach* b) {
        return UpperCp1252(a->Name()) < UpperCp1252(b->Name());
    });
}

std::string TCoachManager::LineOf(const TCoach& coach) const {
    return coach.Name() + (coach.onHoliday ? GetText(kHolidayText) : "");
}

TCoach* TCoachManager::Successor() const {
    for (TCoach* coach : world_.AllCoaches)
        if (coach != nullptr && !coach->isHuman && coach->CurrentClub() == nullptr) return coach;
    return nullptr;
}

bool TCoachManager::CanRemove(const TCoach* selected) const {
    if (selected == nullptr || coaches_.size() <= 1) return false;
    return selected->CurrentClub() == nullptr || Successor() != nullptr;
}

TCoach* TCoachManager::Add() {
    if (!CanAdd()) return nullptr;
    // The coach exists (and has his id) before the name is asked, whether he stays or not.
    auto coach = std::make_unique<TCoach>(world_);
    coach->isHuman = 1;
    std::string name;
    if (!world_.Port().InputText(GetText(kNameTitleText), GetText(kAddPromptText), name)) return nullptr;
    coach->SetName(name);
    if (coach->Name().empty()) return nullptr;
    if (world_.CoachByName(coach->Name()) != nullptr) {
        world_.Port().MessageBox(Format(GetText(kDuplicateMessageText), {coach->Name()}),
                                 GetText(kDuplicateCaptionText));
        return nullptr;
    }
    TCoach* added = coach.get();
    world_.AllCoaches.Add(coach.release());
    Refresh();
    return added;
}

bool TCoachManager::Remove(TCoach& coach) {
    if (!CanRemove(&coach)) return false;
    if (!world_.Port().AskYesNo(Format(GetText(kRemoveQuestionText), {coach.Name()}),
                                GetText(kRemoveCaptionText)))
        return false;
    if (TTeam* club = coach.CurrentClub()) {
        TCoach* successor = Successor();
        club->coach = successor;
        successor->SetCurrentClub(club);
        // The club leaves a person's hands: wages back to market value, no debt.
        for (TPlayer* player : club->players)
            if (player != nullptr)
                player->SetSalary(std::min(player->salary(), player->MarketValue(club->priceFactor)));
        club->SetBalance(std::max(club->balance(), 0));
        successor->AddEvent(kStartEvent, club->id);
    }
    world_.AllCoaches.Delete(world_.AllCoaches.IndexOf(&coach));
    Refresh();
    return true;
}

void OpenCoachManager(TWorld& world) {
    TCoachManager manager(world);
    world.Port().CoachManager(manager);
}

std::string InvitationClubText(const TTeam& club) {
    return Format(GetText(kInvitationClubText), {club.Name()});
}
