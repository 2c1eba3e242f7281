#pragma once
// The windowed user port: every question of the career's rules is answered by a dialog shown modally over
// the main window, and every long step of the rules (the live matchday, a penalty, a shoot-out, the cup
// draw, an auction) is paced by a timer calling the core's step operations. The dialogs show state and
// return choices; no rule of the game lives here, so the same choices give the same world as the scripted
// port.
//
// The methods are defined by group, one file each: qt_user_port.cpp (messages, lists, progress, questions,
// the new career's coaches, the invitation), qt_user_port_match.cpp (the live matchday, penalties,
// shoot-outs, substitutions, beeps), qt_user_port_season.cpp (cup draw, tables, news, end of season),
// qt_user_port_club.cpp (the club screen), qt_user_port_market.cpp (salaries, observed players,
// auctions) and qt_user_port_coach.cpp (the coach's profile).
#include "world/user_port.h"

#include <QPointer>
#include <memory>

class QWidget;
class TProgressDlg;
class TWaitDlg;
class TWorld;

class TQtUserPort : public TUserPort {
public:
    // Dialogs open over `parent` (the main window).
    explicit TQtUserPort(QWidget* parent);
    ~TQtUserPort() override;

    // The world the career runs on (a new one after a load).
    void SetWorld(TWorld* world) { world_ = world; }
    TWorld* World() const { return world_; }
    QWidget* Parent() const { return parent_; }

    void ClubScreen(TTeam& club) override;
    bool AskSalary(TTeam& club, TPlayer& player, std::int32_t amount, int mode) override;
    bool Invitation(TCoach& coach, TTeam& club) override;
    TPlayer* ObservedPlayerDrop(TCoach& coach) override;
    bool RunAuction(TAuction& auction) override;
    std::int32_t AuctionOffer(TTeam& bidder, TPlayer& player, std::int32_t basePrice, bool masked) override;
    void AuctionShown(TTeam& seller, TPlayer& player, bool open) override;
    bool EditCoachProfile(TCoach& coach) override;
    TPlayer* ChoosePenaltyTaker(TGame& game, TTeam& team) override;
    void ShowPenaltyKick(TGame& game, TTeam& team, TPlayer& taker, int result) override;
    bool ShowShootout(TShootout& shootout) override;
    void RequestSubstitution(TGame& game, int side, int reason, TPlayer* player) override;
    void PlayBeep() override;
    void ShowClassification(int round, bool autoClose) override;
    void MessageBox(const std::string& text, const std::string& caption) override;
    TKolObject* ShowObjectList(const std::vector<TKolObject*>& objects, const std::string& caption,
                               std::uint32_t mask, int flags, int selector) override;
    void ShowRoundNews(const std::vector<TKolObject*>& news, const std::string& title) override;
    void ProgressStart(const std::string& title, int range) override;
    void ProgressPosition(int position, const std::string& text) override;
    void ProgressDone() override;
    void Wait(const std::string& text) override;
    void WaitDone() override;
    void ShowMatchday(TMatchdayTicker& matchday) override;
    bool RunCupDraw(TCupDraw& draw) override;
    bool EnrolHumanCoaches(THumanEnrolment& enrolment) override;
    void ShowEndOfSeason(const TSeasonHonours& honours) override;
    bool AskYesNo(const std::string& text, const std::string& caption) override;
    bool InputText(const std::string& title, const std::string& prompt, std::string& value) override;
    void CoachManager(TCoachManager& manager) override;

protected:
    // Answers the calls whose window is not written yet as a computer club would (the scripted port's
    // autopilot, with the substitution autopilot installed). Each group replaces its calls by its windows.
    TScriptedUserPort& Autopilot() { return *autopilot_; }

private:
    QWidget* parent_;
    TWorld* world_ = nullptr;
    std::unique_ptr<TScriptedUserPort> autopilot_;
    // Owned by the parent window as well: a guarded pointer notices when the parent went first.
    QPointer<TProgressDlg> progress_;
    QPointer<TWaitDlg> wait_;
};
