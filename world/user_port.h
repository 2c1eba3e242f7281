#pragma once
// The user port: every point where the rules of a career need a person, or show something to one.
//
// The career runs as one synchronous routine. When a rule needs an answer (a salary demand, an invitation,
// which observed player to drop) it calls the port and waits for the result; the windowed front end
// answers through modal dialogs, the scripted port below answers from a script or an autopilot. The port
// holds no rule of the game: it only shows state and returns choices, so the same decisions give the same
// world whichever port runs the career.
#include "world/matchday_ticker.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <vector>

class TAuction;
class TCoachManager;
class TCupDraw;
class TKolObject;
class TSeasonHonours;
class TTeam;
class TPlayer;
class TCoach;
class TGame;
class TShootout;

// Hands the names typed in the enrolment of a new career's human coaches to the rules, which give each a
// club; the clubs come back in the order of the names, for the display to show beside them.
class THumanEnrolment {
public:
    virtual ~THumanEnrolment() = default;
    virtual std::vector<TTeam*> Enrol(const std::vector<std::string>& names) = 0;
};

class TUserPort {
public:
    virtual ~TUserPort() = default;

    // The club screen of a club whose coach is run by a person: the coach prepares the match (line-up,
    // sales, purchases, loans, stadium) through core operations, then the call returns.
    virtual void ClubScreen(TTeam& club) = 0;
    // A player asks for `amount` per matchday. Modes 0 and 1: the wage review asks the club (1 when the
    // club cannot refuse); modes 2 and 3: the renewal asks (3 when it cannot refuse). True: accepted.
    virtual bool AskSalary(TTeam& club, TPlayer& player, std::int32_t amount, int mode) = 0;
    // Another club invites a human coach; true when the person accepts.
    virtual bool Invitation(TCoach& coach, TTeam& club) = 0;
    // The coach's observed list has reached 16 players; the person picks one to drop (nullptr: none).
    virtual TPlayer* ObservedPlayerDrop(TCoach& coach) = 0;
    // An auction that is to be shown (a human seller or bidder, or the option to watch every auction). A
    // port that shows auctions its own way (a windowed port pacing them with a timer and showing the offer
    // panel itself) steps it with NextBidder(), hands every awaited human offer to HumanOffer(), and returns
    // true once it is closed; the computer clubs have bid before. This default returns false: the club
    // rules then step the auction without pause (club/auction: AuctionShown when it opens and when it
    // ends, AuctionOffer for each human offer). The rules are the same either way.
    virtual bool RunAuction(TAuction& /*auction*/) { return false; }
    // The default auction stepping waits for a human bidder's typed offer, in thousands of money units; -1
    // (or any non-number in a dialog) withdraws. `masked` hides the typed digits (the coach's encryptOffers).
    virtual std::int32_t AuctionOffer(TTeam& bidder, TPlayer& player, std::int32_t basePrice,
                                      bool masked) = 0;
    // The default auction stepping shows the auction of `player` by `seller` (true), or its result as it ends
    // (false).
    virtual void AuctionShown(TTeam& seller, TPlayer& player, bool open) = 0;
    // The coach's profile dialog (wage checks, auction behaviour, hidden offers); the profile changes only
    // when the person confirms, and then the answer is true.
    virtual bool EditCoachProfile(TCoach& coach) = 0;
    // A penalty during play for `team`, whose coach is a person: he picks the taker among his players on
    // the field; nullptr (or a player not on the field) lets the rules pick as for a computer club.
    virtual TPlayer* ChoosePenaltyTaker(TGame& game, TTeam& team) = 0;
    // A penalty during play in which a human coach is involved is shown: `taker` of `team` shot, `result`
    // is the kick's code (1 a goal, 2..6 the kinds of miss). The game's clock stands still meanwhile.
    virtual void ShowPenaltyKick(TGame& game, TTeam& team, TPlayer& taker, int result) = 0;
    // A shoot-out that is to be watched. A port that shows it its own way (a window pacing it with a timer)
    // calls Kick() until Finished() and returns true; this default returns false and the rules take every
    // kick at once. The kicks are the same either way.
    virtual bool ShowShootout(TShootout& /*shootout*/) { return false; }
    // The coach of side `side` (0 home, 1 away) of `game` is a person and is asked for a substitution:
    // `reason` 1 his own wish, 2 an injury of `player` (forced), 3 a sending-off of his goalkeeper
    // `player`, 4 half time or before extra time. He acts through the substitution operations of the match,
    // then the call returns. The game's clock stands still meanwhile.
    virtual void RequestSubstitution(TGame& game, int side, int reason, TPlayer* player) = 0;
    // The system's beep (a goal, a card or an injury in a game of a human coach). Never a random draw.
    virtual void PlayBeep();
    // The league tables after `round`; `autoClose` closes the display by itself.
    virtual void ShowClassification(int round, bool autoClose) = 0;
    // A message box with a text and a caption; returns when the person has read it.
    virtual void MessageBox(const std::string& text, const std::string& caption) = 0;
    // The generic list dialog over `objects`: returns the picked object, or nullptr. An empty list returns
    // nullptr without showing anything.
    virtual TKolObject* ShowObjectList(const std::vector<TKolObject*>& objects, const std::string& caption,
                                       std::uint32_t mask, int flags, int selector) = 0;
    // The news of a round (coach changes and the like), shown once with the title of the round's news.
    virtual void ShowRoundNews(const std::vector<TKolObject*>& news, const std::string& title) = 0;
    // A progress display: a title and a range, then positions; `ProgressDone` hides it.
    virtual void ProgressStart(const std::string& title, int range) = 0;
    // A position of -1 keeps the position and only shows the text.
    virtual void ProgressPosition(int position, const std::string& text) = 0;
    virtual void ProgressDone() = 0;
    // A wait window that shows `text` until WaitDone.
    virtual void Wait(const std::string& text) = 0;
    virtual void WaitDone() = 0;
    // The live matchday: shows the round's games and paces the matchday's ticks until it is over.
    virtual void ShowMatchday(TMatchdayTicker& matchday) = 0;

    // ---- Season and career ----
    // The draw of a cup round. A port that shows the draw steps it with DrawNextPair() on its timer and
    // returns true when it is finished; this default returns false, and the rules draw without pause.
    virtual bool RunCupDraw(TCupDraw& /*draw*/) { return false; }
    // The human coaches of a new career: the person types up to six names, the port hands them to
    // enrolment.Enrol() and shows the clubs it gives them. False when no name was given (asked again).
    virtual bool EnrolHumanCoaches(THumanEnrolment& enrolment) = 0;
    // The end of a season: champion, cup winner, prizes and best scorers (the prizes are already paid).
    virtual void ShowEndOfSeason(const TSeasonHonours& honours) = 0;
    // A Yes/No question whose default is No; true for Yes.
    virtual bool AskYesNo(const std::string& text, const std::string& caption) = 0;
    // The text input dialog: `value` holds the proposal and comes back as typed; false when cancelled.
    virtual bool InputText(const std::string& title, const std::string& prompt, std::string& value) = 0;
    // The coach manager, where the person adds and removes human coaches through its operations.
    virtual void CoachManager(TCoachManager& manager) = 0;
};

// A port without windows: every question is answered from a queue of scripted answers, or by a fixed
// autopilot answer when the queue is empty, and every call is recorded as one line of `Calls`, so a
// test can check both what the rules asked and what they did with the answer.
// What the autopilot does at a person's club screen: the automatic line-up, as a computer club picks it. A
// club that has a line-up already keeps it (the choice is only completed, without a draw): that is a club
// screen opened again after a game saved when it closed was loaded, and choosing anew would draw again
// and make the loaded career part from the one that went on without the save.
void AutopilotLineup(TTeam& club);

class TScriptedUserPort : public TUserPort {
public:
    // One line per call, such as "AskSalary 12 4500 0" (club id, amount, mode).
    std::vector<std::string> Calls;

    // Scripted answers, taken from the front; when empty the autopilot answer below is used.
    std::deque<bool> SalaryAnswers;
    std::deque<bool> InvitationAnswers;
    std::deque<std::int32_t> AuctionOffers;
    bool AutoAcceptSalary = true;
    bool AutoAcceptInvitation = false;
    // The autopilot drops the first observed player.
    bool AutoDropFirstObserved = true;
    // What the club screen does; without a hook the autopilot's line-up (AutopilotLineup).
    std::function<void(TTeam&)> ClubScreenHook;
    // What the list dialog returns; without a hook, nullptr.
    std::function<TKolObject*(const std::vector<TKolObject*>&)> ListPickHook;
    // The penalty taker a human coach picks; nullptr (the default) lets the rules pick.
    std::function<TPlayer*(TGame&, TTeam&)> PenaltyTakerHook;
    // What a human coach does when asked for a substitution; without a hook, nothing (the match layer
    // installs its autopilot here).
    std::function<void(TGame&, int, int, TPlayer*)> SubstitutionHook;
    // Whether beeps are recorded in Calls (off: a headless career beeps often and nobody hears).
    bool RecordBeeps = true;
    // The texts of every message box shown, in order.
    std::vector<std::string> Messages;
    // The names typed into the enrolment of human coaches (none: nobody enrols).
    std::vector<std::string> HumanCoachNames;
    // Answers to Yes/No questions (then No) and to text inputs (then cancel).
    std::deque<bool> YesNoAnswers;
    std::deque<std::string> TextInputs;
    // What the person does in the coach manager and sees at the end of a season; without hooks, nothing.
    std::function<void(TCoachManager&)> CoachManagerHook;
    std::function<void(const TSeasonHonours&)> EndOfSeasonHook;

    void ClubScreen(TTeam& club) override;
    bool AskSalary(TTeam& club, TPlayer& player, std::int32_t amount, int mode) override;
    bool Invitation(TCoach& coach, TTeam& club) override;
    TPlayer* ObservedPlayerDrop(TCoach& coach) override;
    std::int32_t AuctionOffer(TTeam& bidder, TPlayer& player, std::int32_t basePrice, bool masked) override;
    void AuctionShown(TTeam& seller, TPlayer& player, bool open) override;
    bool EditCoachProfile(TCoach& coach) override;
    TPlayer* ChoosePenaltyTaker(TGame& game, TTeam& team) override;
    void ShowPenaltyKick(TGame& game, TTeam& team, TPlayer& taker, int result) override;
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
    // Ticks the matchday in a loop, without pause.
    void ShowMatchday(TMatchdayTicker& matchday) override;
    bool EnrolHumanCoaches(THumanEnrolment& enrolment) override;
    void ShowEndOfSeason(const TSeasonHonours& honours) override;
    bool AskYesNo(const std::string& text, const std::string& caption) override;
    bool InputText(const std::string& title, const std::string& prompt, std::string& value) override;
    void CoachManager(TCoachManager& manager) override;
};
