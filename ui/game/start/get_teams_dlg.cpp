#include "ui/game/start/get_teams_dlg.h"

#include "ui/common/qt_text.h"
#include "world/team.h"
#include "world/user_port.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int kCaptionText = 422;
constexpr int kFirstNameLabel = 416;
constexpr int kDrawText = 423;
constexpr int kGoOnText = 9;
constexpr int kNameLength = 20;
} // namespace

TgetTeamsDlg::TgetTeamsDlg(THumanEnrolment& enrolment, QWidget* parent)
    : TKolForm(kCaptionText, parent), enrolment_(enrolment) {
    setObjectName("TgetTeamsDlg");
    // The field being typed in is yellow, the others white.
    setStyleSheet("QLineEdit { background: white; color: black; }"
                  "QLineEdit:focus { background: #ffff00; }"
                  "QLineEdit[readOnly=\"true\"] { background: #ffff00; border: none; font-weight: bold; }");
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(12);
    for (int i = 0; i < kFields; ++i) {
        QLabel* label = TaggedLabel(this, kFirstNameLabel + i);
        auto* field = new QLineEdit(this);
        field->setObjectName(QString("playerName%1").arg(i + 1));
        field->setMaxLength(kNameLength);
        field->setMinimumWidth(220);
        field->installEventFilter(this);
        label->setBuddy(field);
        auto* team = new QLabel(this);
        team->setObjectName(QString("teamName%1").arg(i + 1));
        team->setMinimumWidth(200);
        team->setMargin(3);
        grid->addWidget(label, i, 0);
        grid->addWidget(field, i, 1);
        grid->addWidget(team, i, 2);
        playerNames_[static_cast<std::size_t>(i)] = field;
        teamNames_[static_cast<std::size_t>(i)] = team;
    }
    okBtn_ = new QPushButton(this);
    okBtn_->setObjectName("OKBtn");
    SetTextTag(okBtn_, kDrawText);
    okBtn_->setDefault(true);
    connect(okBtn_, &QPushButton::clicked, this, &TgetTeamsDlg::OKBtnClick);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 16, 20, 16);
    layout->addLayout(grid);
    layout->addSpacing(10);
    layout->addWidget(okBtn_, 0, Qt::AlignRight);
    ApplyTexts();
    playerNames_[0]->setFocus();
}

void TgetTeamsDlg::OKBtnClick() {
    if (enrolled_) {
        QDialog::accept();
        return;
    }
    std::vector<std::string> names;
    std::vector<int> rows;
    for (int i = 0; i < kFields; ++i) {
        const QString name = playerNames_[static_cast<std::size_t>(i)]->text().trimmed();
        if (name.isEmpty()) continue;
        names.push_back(FromQString(name));
        rows.push_back(i);
    }
    if (names.empty()) {
        playerNames_[0]->setFocus();
        return;
    }
    const std::vector<TTeam*> clubs = enrolment_.Enrol(names);
    for (std::size_t k = 0; k < rows.size() && k < clubs.size(); ++k) {
        const TTeam* club = clubs[k];
        if (club == nullptr) continue;
        QLabel* label = teamNames_[static_cast<std::size_t>(rows[k])];
        label->setText(ToQString(club->ShortName()));
        label->setAutoFillBackground(true);
        QPalette colours = label->palette();
        colours.setColor(QPalette::Window, ToQColor(club->BackColor()));
        colours.setColor(QPalette::WindowText, ToQColor(club->TextColor()));
        label->setPalette(colours);
    }
    enrolled_ = true;
    for (QLineEdit* field : playerNames_) {
        field->setReadOnly(true);
        field->setFrame(false);
        field->style()->unpolish(field);
        field->style()->polish(field);
    }
    SetTextTag(okBtn_, kGoOnText);
    ApplyTexts();
    okBtn_->setFocus();
}

bool TgetTeamsDlg::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            for (int i = 0; i < kFields; ++i)
                if (watched == playerNames_[static_cast<std::size_t>(i)]) {
                    if (i + 1 < kFields)
                        playerNames_[static_cast<std::size_t>(i + 1)]->setFocus();
                    else
                        okBtn_->setFocus();
                    return true;
                }
        }
    }
    return TKolForm::eventFilter(watched, event);
}

void TgetTeamsDlg::closeEvent(QCloseEvent* event) {
    if (result() == Accepted)
        QDialog::closeEvent(event);
    else
        event->ignore();
}
