#include "ui/game/season/sorteio_dlg.h"

#include "foundation/texts.h"
#include "season/cup_draw.h"
#include "season/cup_round.h"
#include "ui/common/column_header.h"
#include "ui/common/qt_text.h"
#include "ui/game/season/draw_game_row_delegate.h"
#include "ui/game/season/draw_team_row_delegate.h"
#include "ui/game/season/season_pace.h"
#include "world/world.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QStandardItemModel>
#include <QTimer>
#include <QVBoxLayout>

namespace {
constexpr int kCupText = 31;
constexpr int kCloseText = 96;
// The columns of a club in the draw's list: name, division and the seeding value.
constexpr int kDrawMask = tcName | tcDivision | tcPrestige;

QHeaderView* ClubHeader(const TTeam& prototype, QWidget* parent) {
    TColumnList columns;
    prototype.SetupColumns(columns, true, kDrawMask, 0);
    // The number cell the set-up adds is followed by the flag's.
    columns.insert(columns.begin() + 1, TColumnSpec{"", TDrawTeamRowDelegate::kFlagWidth});
    return FixedColumnHeader(columns, parent);
}

QListWidget* GamesList(TCupDraw& draw, const char* name, QWidget* parent) {
    auto* list = new QListWidget(parent);
    list->setObjectName(name);
    list->setItemDelegate(new TDrawGameRowDelegate(draw, list));
    list->setUniformItemSizes(true);
    list->setSelectionMode(QAbstractItemView::NoSelection);
    list->setFocusPolicy(Qt::NoFocus);
    return list;
}
} // namespace

TsorteioDlg::TsorteioDlg(TCupDraw& draw, QWidget* parent) : TKolForm(kCupText, parent), draw_(draw) {
    setObjectName("TsorteioDlg");
    TWorld& world = draw_.World();
    labelCaption_ = new QLabel(this);
    labelCaption_->setObjectName("labelCaption");
    QFont big = labelCaption_->font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    big.setBold(true);
    labelCaption_->setFont(big);
    labelCaption_->setAlignment(Qt::AlignCenter);

    listBoxTeams_ = new QListWidget(this);
    listBoxTeams_->setObjectName("ListBoxTeams");
    listBoxTeams_->setItemDelegate(
        new TDrawTeamRowDelegate([this](int row) { return draw_.PotOf(row); }, listBoxTeams_));
    listBoxTeams_->setUniformItemSizes(true);
    listBoxTeams_->setSelectionMode(QAbstractItemView::NoSelection);
    // The keys belong to the draw (Space, Enter, Escape); the lists only scroll.
    listBoxTeams_->setFocusPolicy(Qt::NoFocus);
    static_cast<TRowDelegate*>(listBoxTeams_->itemDelegate())->SetMask(kDrawMask);
    listBoxGames_ = GamesList(draw_, "ListBoxGames", this);
    listBoxHumanGames_ = GamesList(draw_, "listBoxHumanGames", this);

    closeBtn_ = new QPushButton(this);
    closeBtn_->setObjectName("CloseBtn");
    SetTextTag(closeBtn_, kCloseText);
    closeBtn_->setEnabled(false);
    closeBtn_->setMinimumWidth(110);
    connect(closeBtn_, &QPushButton::clicked, this, &QDialog::accept);

    auto* left = new QVBoxLayout;
    left->setSpacing(0);
    if (world.CupTeams.Count() > 0) left->addWidget(ClubHeader(*world.CupTeams[0], this));
    left->addWidget(listBoxTeams_, 1);
    auto* right = new QVBoxLayout;
    right->addWidget(listBoxGames_, 3);
    right->addWidget(listBoxHumanGames_, 1);
    auto* lists = new QHBoxLayout;
    lists->setSpacing(16);
    lists->addLayout(left, 5);
    lists->addLayout(right, 4);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(closeBtn_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 12, 16, 12);
    layout->addWidget(labelCaption_);
    layout->addLayout(lists, 1);
    layout->addLayout(buttons);

    ApplyTexts();
    const TCupRoundShape shape =
        CupRoundShape(world.CupTeams.Count(), world.AllTeams.Count(), world.CurrencyRecord);
    labelCaption_->setText(ToQString(GetText(kCupText) + " - " + CupRoundName(shape)));

    // The clubs in seeding order, as the draw has sorted them.
    for (TTeam* club : world.CupTeams) {
        auto* item = new QListWidgetItem(listBoxTeams_);
        item->setData(kRowObjectRole, QVariant::fromValue(reinterpret_cast<quintptr>(club)));
        item->setText(ToQString(club->ShortName()));
    }
    const int teamsWidth = TDrawTeamRowDelegate::kNumberWidth + TDrawTeamRowDelegate::kFlagWidth + 180 + 130 +
                           60 + 2 * listBoxTeams_->frameWidth() + 24;
    listBoxTeams_->setMinimumWidth(teamsWidth);
    for (const TCupDraw::TPair& pair : draw_.Pairs()) AddPair(static_cast<int>(&pair - &draw_.Pairs()[0]));

    timer_ = new QTimer(this);
    timer_->setInterval(SeasonPacedMs(draw_.IntervalMs()));
    connect(timer_, &QTimer::timeout, this, &TsorteioDlg::Tick);
    if (draw_.Finished()) Finished();

    if (const QScreen* screen = QGuiApplication::primaryScreen()) resize(screen->availableGeometry().size());
}

void TsorteioDlg::showEvent(QShowEvent* event) {
    TKolForm::showEvent(event);
    timer_->start();
}

void TsorteioDlg::hideEvent(QHideEvent* event) {
    timer_->stop();
    TKolForm::hideEvent(event);
}

bool TsorteioDlg::DrawOne() {
    try {
        if (!draw_.DrawNextPair()) return false;
    } catch (...) {
        // A failing rule must not unwind through the window system's event loop: the window closes and
        // the failure is raised again where the draw was asked for.
        failure_ = std::current_exception();
        timer_->stop();
        QDialog::reject();
        return false;
    }
    AddPair(static_cast<int>(draw_.Pairs().size()) - 1);
    if (draw_.Finished()) Finished();
    return true;
}

void TsorteioDlg::AddPair(int index) {
    const TCupDraw::TPair& pair = draw_.Pairs()[static_cast<std::size_t>(index)];
    const auto add = [&](QListWidget* list) {
        auto* item = new QListWidgetItem(ToQString(pair.line), list);
        item->setData(Qt::UserRole, index);
        list->scrollToBottom();
    };
    add(listBoxGames_);
    if (pair.human) add(listBoxHumanGames_);
    listBoxTeams_->viewport()->update();
}

void TsorteioDlg::Finished() {
    closingTicks_ = 0;
    timer_->setInterval(SeasonPacedMs(kClosingIntervalMs));
    closeBtn_->setEnabled(true);
    closeBtn_->setDefault(true);
}

void TsorteioDlg::Tick() {
    if (!draw_.Finished()) {
        DrawOne();
        return;
    }
    if (++closingTicks_ > kClosingTicks) {
        timer_->stop();
        accept();
    }
}

void TsorteioDlg::SkipToEnd() {
    while (!draw_.Finished() && failure_ == nullptr && DrawOne()) {}
}

void TsorteioDlg::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!draw_.Finished()) {
            SkipToEnd();
            return;
        }
        break;
    default:
        break;
    }
    TKolForm::keyPressEvent(event);
}

void TsorteioDlg::reject() {
    // Escape (or the window's close button) ends the show, never the draw.
    SkipToEnd();
    if (failure_ == nullptr) accept();
}

void RunCupDrawDialog(TCupDraw& draw, QWidget* parent) {
    TsorteioDlg dialog(draw, parent);
    dialog.exec();
    if (dialog.Failure() != nullptr) std::rethrow_exception(dialog.Failure());
}
