#pragma once
// Why a team cannot be saved: the team's short name as caption, a heading and one line per broken rule,
// in ascending bit order.
#include "ui/common/kol_form.h"

#include <QStringList>
#include <cstdint>
#include <string>

class QLabel;
class QListWidget;
class QPushButton;

class TCantSaveTeamDlg final : public TKolForm {
    Q_OBJECT
public:
    TCantSaveTeamDlg(const std::string& caption, std::uint32_t flags, QWidget* parent = nullptr);

    // The reason texts of the set bits (text 63 filled with the star limit).
    static QStringList ReasonLines(std::uint32_t flags);

    QLabel* Heading() const { return heading_; }
    QListWidget* Reasons() const { return reasons_; }
    QPushButton* OKBtn() const { return okBtn_; }

private:
    QLabel* heading_;
    QListWidget* reasons_;
    QPushButton* okBtn_;
};

// Shows the dialog modally; fits the team check's show function (TShowTeamCheckFn).
void ShowCantSaveTeamDlg(const std::string& caption, std::uint32_t flags, QWidget* parent = nullptr);
