#include "world/user_port.h"

#include "foundation/file_helpers.h"
#include "world/world.h"

namespace {

template <class T> bool TakeFront(std::deque<T>& queue, T& value) {
    if (queue.empty()) return false;
    value = queue.front();
    queue.pop_front();
    return true;
}

} // namespace

void AutopilotLineup(TTeam& club) {
    bool chosen = false;
    for (const TPlayer* player : club.players)
        chosen = chosen || (player && player->matchState.lineupRole != 0);
    if (!chosen) {
        club.AutoLineup();
        return;
    }
    club.CompleteAutoLineup();
}

void TScriptedUserPort::ClubScreen(TTeam& club) {
    Calls.push_back("ClubScreen " + std::to_string(club.id));
    if (ClubScreenHook)
        ClubScreenHook(club);
    else
        AutopilotLineup(club);
}

bool TScriptedUserPort::AskSalary(TTeam& club, TPlayer& player, std::int32_t amount, int mode) {
    Calls.push_back("AskSalary " + std::to_string(club.id) + " " + std::to_string(player.id) + " " +
                    std::to_string(amount) + " " + std::to_string(mode));
    bool answer = AutoAcceptSalary;
    TakeFront(SalaryAnswers, answer);
    return answer;
}

bool TScriptedUserPort::Invitation(TCoach& coach, TTeam& club) {
    Calls.push_back("Invitation " + std::to_string(coach.id) + " " + std::to_string(club.id));
    bool answer = AutoAcceptInvitation;
    TakeFront(InvitationAnswers, answer);
    return answer;
}

TPlayer* TScriptedUserPort::ObservedPlayerDrop(TCoach& coach) {
    Calls.push_back("ObservedPlayerDrop " + std::to_string(coach.id));
    if (AutoDropFirstObserved && !coach.observedPlayers.empty()) return coach.observedPlayers.front();
    return nullptr;
}

std::int32_t TScriptedUserPort::AuctionOffer(TTeam& bidder, TPlayer& player, std::int32_t basePrice,
                                             bool masked) {
    Calls.push_back("AuctionOffer " + std::to_string(bidder.id) + " " + std::to_string(player.id) + " " +
                    std::to_string(basePrice) + (masked ? " masked" : ""));
    std::int32_t offer = -1;
    TakeFront(AuctionOffers, offer);
    return offer;
}

void TScriptedUserPort::AuctionShown(TTeam& seller, TPlayer& player, bool open) {
    Calls.push_back(std::string(open ? "AuctionOpen " : "AuctionClose ") + std::to_string(seller.id) + " " +
                    std::to_string(player.id));
}

bool TScriptedUserPort::EditCoachProfile(TCoach& coach) {
    Calls.push_back("EditCoachProfile " + std::to_string(coach.id));
    return false;
}

void TUserPort::PlayBeep() {
    ::PlayBeep();
}

TPlayer* TScriptedUserPort::ChoosePenaltyTaker(TGame& game, TTeam& team) {
    Calls.push_back("ChoosePenaltyTaker " + std::to_string(team.id));
    return PenaltyTakerHook ? PenaltyTakerHook(game, team) : nullptr;
}

void TScriptedUserPort::ShowPenaltyKick(TGame& /*game*/, TTeam& team, TPlayer& taker, int result) {
    Calls.push_back("ShowPenaltyKick " + std::to_string(team.id) + " " + std::to_string(taker.id) + " " +
                    std::to_string(result));
}

void TScriptedUserPort::RequestSubstitution(TGame& game, int side, int reason, TPlayer* player) {
    Calls.push_back("RequestSubstitution " + std::to_string(side) + " " + std::to_string(reason) + " " +
                    std::to_string(player != nullptr ? player->id : 0));
    if (SubstitutionHook) SubstitutionHook(game, side, reason, player);
}

void TScriptedUserPort::PlayBeep() {
    if (RecordBeeps) Calls.push_back("PlayBeep");
}

void TScriptedUserPort::ShowClassification(int round, bool autoClose) {
    Calls.push_back("ShowClassification " + std::to_string(round) + (autoClose ? " auto" : ""));
}

void TScriptedUserPort::MessageBox(const std::string& text, const std::string& caption) {
    Calls.push_back("MessageBox " + caption);
    Messages.push_back(text);
}

TKolObject* TScriptedUserPort::ShowObjectList(const std::vector<TKolObject*>& objects,
                                              const std::string& caption, std::uint32_t /*mask*/,
                                              int /*flags*/, int /*selector*/) {
    Calls.push_back("ShowObjectList " + caption + " " + std::to_string(objects.size()));
    if (objects.empty()) return nullptr;
    return ListPickHook ? ListPickHook(objects) : nullptr;
}

void TScriptedUserPort::ShowRoundNews(const std::vector<TKolObject*>& news, const std::string& title) {
    Calls.push_back("ShowRoundNews " + title + " " + std::to_string(news.size()));
}

void TScriptedUserPort::ProgressStart(const std::string& title, int range) {
    Calls.push_back("ProgressStart " + title + " " + std::to_string(range));
}
void TScriptedUserPort::ProgressPosition(int /*position*/, const std::string& /*text*/) {}
void TScriptedUserPort::ProgressDone() {}
void TScriptedUserPort::Wait(const std::string& text) {
    Calls.push_back("Wait " + text);
}
void TScriptedUserPort::WaitDone() {}

void TScriptedUserPort::ShowMatchday(TMatchdayTicker& matchday) {
    Calls.push_back("ShowMatchday");
    while (matchday.Tick()) {}
}

bool TScriptedUserPort::EnrolHumanCoaches(THumanEnrolment& enrolment) {
    Calls.push_back("EnrolHumanCoaches " + std::to_string(HumanCoachNames.size()));
    if (HumanCoachNames.empty()) return false;
    enrolment.Enrol(HumanCoachNames);
    return true;
}

void TScriptedUserPort::ShowEndOfSeason(const TSeasonHonours& honours) {
    Calls.push_back("ShowEndOfSeason");
    if (EndOfSeasonHook) EndOfSeasonHook(honours);
}

bool TScriptedUserPort::AskYesNo(const std::string& text, const std::string& caption) {
    Calls.push_back("AskYesNo " + caption);
    Messages.push_back(text);
    bool answer = false;
    TakeFront(YesNoAnswers, answer);
    return answer;
}

bool TScriptedUserPort::InputText(const std::string& title, const std::string& /*prompt*/,
                                  std::string& value) {
    Calls.push_back("InputText " + title);
    return TakeFront(TextInputs, value);
}

void TScriptedUserPort::CoachManager(TCoachManager& manager) {
    Calls.push_back("CoachManager");
    if (CoachManagerHook) CoachManagerHook(manager);
}
