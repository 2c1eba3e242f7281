#include "ui/game/match/penalties_dlg.h"

#include "ui/common/object_list_view.h"
#include "ui/common/qt_text.h"
#include "ui/game/match/match_pace.h"

#include "match/shootout.h"
#include "world/game.h"
#include "world/team.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

namespace {
constexpr int kShootoutText = 436;
constexpr int kCloseDelayMs = 3000;
constexpr int kLineHeight = 22;

QLabel* ClubLabel(QWidget* parent, const TTeam& club, const char* name) {
    auto* label = new QLabel(ToQString(club.Name()), parent);
    label->setObjectName(name);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    label->setMargin(4);
    QPalette pal = label->palette();
    pal.setColor(QPalette::Window, ToQColor(club.BackColor()));
    pal.setColor(QPalette::WindowText, ToQColor(club.TextColor()));
    label->setPalette(pal);
    label->setAutoFillBackground(true);
    return label;
}

} // namespace

TPenaltiesDlg::TPenaltiesDlg(TShootout& shootout, QWidget* parent)
    : TKolForm(kShootoutText, parent), shootout_(shootout) {
    setObjectName("TPenaltiesDlg");
    label1_ = TaggedLabel(this, kShootoutText);
    label1_->setObjectName("Label1");
    QFont big = label1_->font();
    big.setPointSizeF(big.pointSizeF() * 1.5);
    big.setBold(true);
    label1_->setFont(big);
    label1_->setAlignment(Qt::AlignCenter);
    textHomeTeamName_ = ClubLabel(this, *shootout.Game().homeTeam, "textHomeTeamName");
    textAwayTeamName_ = ClubLabel(this, *shootout.Game().awayTeam, "textAwayTeamName");
    static const TCupPenalty prototype;
    listBoxPenalties_ = new TObjectListView(prototype, 0, 0, this);
    listBoxPenalties_->setObjectName("ListBoxPenalties");
    listBoxPenalties_->header->hide();
    listBoxPenalties_->delegate->SetNumbered(true);
    listBoxPenalties_->delegate->SetMinimumRowHeight(kLineHeight);
    listBoxPenalties_->view->setSelectionMode(QAbstractItemView::SingleSelection);
    listBoxPenalties_->setMinimumSize(500, kLineHeight * 8);
    textResult_ = new QLabel(this);
    textResult_->setObjectName("textResult");
    textResult_->setFont(big);
    textResult_->setAlignment(Qt::AlignCenter);
    timer1_ = new QTimer(this);
    timer1_->setObjectName("Timer1");
    timer2_ = new QTimer(this);
    timer2_->setObjectName("Timer2");
    timer2_->setSingleShot(true);
    connect(timer1_, &QTimer::timeout, this, &TPenaltiesDlg::Timer1Timer);
    connect(timer2_, &QTimer::timeout, this, [this] {
        canClose_ = true;
        accept();
    });

    auto* names = new QHBoxLayout;
    names->addWidget(textHomeTeamName_);
    names->addStretch();
    names->addWidget(textAwayTeamName_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label1_);
    layout->addLayout(names);
    layout->addWidget(listBoxPenalties_, 1);
    layout->addWidget(textResult_);
    ApplyTexts();
    ShowLines();
}

void TPenaltiesDlg::Run() {
    timer1_->start(PacedMs(shootout_.KickIntervalMs()));
    exec();
}

void TPenaltiesDlg::Timer1Timer() {
    shootout_.Kick();
    textResult_->setText(QStringLiteral("%1:%2").arg(shootout_.sides[0].goals).arg(shootout_.sides[1].goals));
    ShowLines();
    if (shootout_.Finished()) {
        timer1_->stop();
        timer2_->start(PacedMs(kCloseDelayMs));
    }
}

void TPenaltiesDlg::ShowLines() {
    std::vector<TKolObject*> lines;
    for (TCupPenalty* line : shootout_.lines) lines.push_back(line);
    for (std::size_t i = lines.size(); i < waitingLines_.size(); ++i) lines.push_back(&waitingLines_[i]);
    listBoxPenalties_->model->SetObjects(lines);
    if (shootout_.selectedLine >= 0 && shootout_.selectedLine < static_cast<int>(lines.size()))
        listBoxPenalties_->Select(lines[static_cast<std::size_t>(shootout_.selectedLine)]);
}

void TPenaltiesDlg::closeEvent(QCloseEvent* event) {
    if (!canClose_) {
        event->ignore();
        return;
    }
    TKolForm::closeEvent(event);
}

void TPenaltiesDlg::reject() {
    if (canClose_) TKolForm::reject();
}
