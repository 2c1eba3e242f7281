#include "ui/game/qt_user_port.h"

#include "foundation/kol_log.h"
#include "match/substitutions.h"
#include "season/coach_manager.h"
#include "ui/common/print_list_dlg.h"
#include "ui/common/progress_dlg.h"
#include "ui/common/qt_text.h"
#include "ui/common/wait_dlg.h"
#include "ui/game/start/coach_manager_dlg.h"
#include "ui/game/start/get_teams_dlg.h"
#include "ui/game/start/invite_coach_dlg.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

TQtUserPort::TQtUserPort(QWidget* parent)
    : parent_(parent), autopilot_(std::make_unique<TScriptedUserPort>()) {
    InstallSubstitutionAutopilot(*autopilot_);
    autopilot_->RecordBeeps = false;
}

TQtUserPort::~TQtUserPort() {
    delete progress_.data();
    delete wait_.data();
}

bool TQtUserPort::Invitation(TCoach& coach, TTeam& club) {
    if (world_ == nullptr) return Autopilot().Invitation(coach, club);
    return InviteCoach(*world_, coach, club, parent_);
}

void TQtUserPort::MessageBox(const std::string& text, const std::string& caption) {
    QMessageBox box(QMessageBox::Information, ToQString(caption), ToQString(text), QMessageBox::Ok, parent_);
    box.setObjectName("MessageBox");
    box.setDefaultButton(QMessageBox::Ok);
    box.exec();
}

TKolObject* TQtUserPort::ShowObjectList(const std::vector<TKolObject*>& objects, const std::string& caption,
                                        std::uint32_t mask, int flags, int selector) {
    std::vector<TKolObject*> rows;
    for (TKolObject* object : objects)
        if (object != nullptr) rows.push_back(object);
    return ::ShowObjectList(rows, caption, static_cast<int>(mask), flags, selector, parent_);
}

namespace {
// The progress and wait windows live while the port does; they are created when first needed.
template <class T> T& Lazy(QPointer<T>& window, QWidget* parent) {
    if (!window) window = new T(parent);
    return *window;
}
} // namespace

void TQtUserPort::ProgressStart(const std::string& title, int range) {
    TProgressDlg& progress = Lazy(progress_, parent_);
    progress.SetTitle(title);
    progress.SetRange(0, range);
    progress.SetPosition(0);
    progress.Start();
}
void TQtUserPort::ProgressPosition(int position, const std::string& /*text*/) {
    if (!progress_) return;
    if (position >= 0) progress_->SetPosition(position);
}
void TQtUserPort::ProgressDone() {
    if (progress_) progress_->Finish();
}
void TQtUserPort::Wait(const std::string& text) {
    Lazy(wait_, parent_).ShowMessage(text);
}
void TQtUserPort::WaitDone() {
    if (wait_) wait_->HideMessage();
}

bool TQtUserPort::EnrolHumanCoaches(THumanEnrolment& enrolment) {
    TgetTeamsDlg dialog(enrolment, parent_);
    dialog.exec();
    return dialog.Enrolled();
}

bool TQtUserPort::AskYesNo(const std::string& text, const std::string& caption) {
    QMessageBox box(QMessageBox::Question, ToQString(caption), ToQString(text),
                    QMessageBox::Yes | QMessageBox::No, parent_);
    box.setObjectName("AskYesNo");
    box.setDefaultButton(QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

bool TQtUserPort::InputText(const std::string& title, const std::string& prompt, std::string& value) {
    QInputDialog dialog(parent_);
    dialog.setObjectName("InputText");
    dialog.setWindowTitle(ToQString(title));
    dialog.setLabelText(ToQString(prompt));
    dialog.setTextValue(ToQString(value));
    if (dialog.exec() != QDialog::Accepted) return false;
    value = FromQString(dialog.textValue());
    return true;
}

void TQtUserPort::CoachManager(TCoachManager& manager) {
    ShowCoachManagerDialog(manager, parent_);
}
