#pragma once
// The people who play a new career: up to six names, each handed a weak club of the fourth league when the
// button is pressed (the club's short name shows beside the name, in the club's colours). Enter moves to
// the next name and from the last one to the button. After the clubs are drawn the names cannot be changed
// and the button goes on; without any name nothing happens. The dialog closes only through its button.
#include "ui/common/kol_form.h"

#include <array>
#include <string>
#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;
class THumanEnrolment;

class TgetTeamsDlg final : public TKolForm {
    Q_OBJECT
public:
    static constexpr int kFields = 6;

    TgetTeamsDlg(THumanEnrolment& enrolment, QWidget* parent = nullptr);

    QLineEdit* PlayerName(int i) const { return playerNames_.at(static_cast<std::size_t>(i)); }
    QLabel* TeamName(int i) const { return teamNames_.at(static_cast<std::size_t>(i)); }
    QPushButton* OKBtn() const { return okBtn_; }
    // True once clubs were drawn for at least one name.
    bool Enrolled() const { return enrolled_; }

    // Only the button closes the dialog.
    void reject() override {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void OKBtnClick();

    THumanEnrolment& enrolment_;
    std::array<QLineEdit*, kFields> playerNames_{};
    std::array<QLabel*, kFields> teamNames_{};
    QPushButton* okBtn_;
    bool enrolled_ = false;
};
