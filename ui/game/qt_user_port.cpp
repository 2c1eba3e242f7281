#include "ui/game/qt_user_port.h"

#include "match/substitutions.h"

TQtUserPort::TQtUserPort(QWidget* parent)
    : parent_(parent), autopilot_(std::make_unique<TScriptedUserPort>()) {
    InstallSubstitutionAutopilot(*autopilot_);
    autopilot_->RecordBeeps = false;
}

TQtUserPort::~TQtUserPort() = default;

bool TQtUserPort::Invitation(TCoach& coach, TTeam& club) {
    return Autopilot().Invitation(coach, club);
}
void TQtUserPort::MessageBox(const std::string& text, const std::string& caption) {
    Autopilot().MessageBox(text, caption);
}
TKolObject* TQtUserPort::ShowObjectList(const std::vector<TKolObject*>& objects, const std::string& caption,
                                        std::uint32_t mask, int flags, int selector) {
    return Autopilot().ShowObjectList(objects, caption, mask, flags, selector);
}
void TQtUserPort::ProgressStart(const std::string& title, int range) {
    Autopilot().ProgressStart(title, range);
}
void TQtUserPort::ProgressPosition(int position, const std::string& text) {
    Autopilot().ProgressPosition(position, text);
}
void TQtUserPort::ProgressDone() {
    Autopilot().ProgressDone();
}
void TQtUserPort::Wait(const std::string& text) {
    Autopilot().Wait(text);
}
void TQtUserPort::WaitDone() {
    Autopilot().WaitDone();
}
bool TQtUserPort::EnrolHumanCoaches(THumanEnrolment& enrolment) {
    return Autopilot().EnrolHumanCoaches(enrolment);
}
bool TQtUserPort::AskYesNo(const std::string& text, const std::string& caption) {
    return Autopilot().AskYesNo(text, caption);
}
bool TQtUserPort::InputText(const std::string& title, const std::string& prompt, std::string& value) {
    return Autopilot().InputText(title, prompt, value);
}
void TQtUserPort::CoachManager(TCoachManager& manager) {
    Autopilot().CoachManager(manager);
}
