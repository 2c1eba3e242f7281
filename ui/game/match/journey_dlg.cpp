#include "ui/game/match/journey_dlg.h"

#include "ui/common/about_box.h"
#include "ui/common/qt_text.h"
#include "ui/game/match/match_pace.h"

#include "match/matchday_runner.h"
#include "season/coach_manager.h"
#include "world/world.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

namespace {

const QColor kPitchGreen(0, 128, 0);
constexpr int kClockSize = 40;

} // namespace

TjourneyDlg::TjourneyDlg(TMatchdayTicker& ticker, TWorld* world, QWidget* parent)
    : QDialog(parent), ticker_(ticker), runner_(dynamic_cast<TMatchdayRunner*>(&ticker)), world_(world) {
    if (world_ == nullptr) runner_ = nullptr;
    setObjectName("TjourneyDlg");
    setWindowTitle(runner_ != nullptr ? ToQString(runner_->Caption()) : QString());
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, kPitchGreen);
    setPalette(pal);

    labelCaption_ = new QLabel(this);
    labelCaption_->setObjectName("labelCaption");
    labelCaption_->setText(windowTitle());
    QFont captionFont = labelCaption_->font();
    captionFont.setBold(true);
    captionFont.setPointSizeF(captionFont.pointSizeF() * 1.5);
    labelCaption_->setFont(captionFont);
    labelCaption_->setStyleSheet("color: yellow;");
    labelCaption_->move(TMatchdayGeometry::kLeft, 6);

    nextGamePageBtn_ = new QPushButton(QStringLiteral("»"), this);
    nextGamePageBtn_->setObjectName("nextGamePageBtn");
    previousGamePageBtn_ = new QPushButton(QStringLiteral("«"), this);
    previousGamePageBtn_->setObjectName("previousGamePageBtn");
    for (QPushButton* b : {nextGamePageBtn_, previousGamePageBtn_}) {
        b->setFixedWidth(b->fontMetrics().horizontalAdvance(QStringLiteral("»")) * 4 + 16);
        b->setFocusPolicy(Qt::NoFocus);
        b->setAutoDefault(false);
    }
    connect(nextGamePageBtn_, &QPushButton::clicked, this, [this] {
        if (runner_ != nullptr) runner_->NextPage();
        UpdatePagesButtons();
        update();
    });
    connect(previousGamePageBtn_, &QPushButton::clicked, this, [this] {
        if (runner_ != nullptr) runner_->PreviousPage();
        UpdatePagesButtons();
        update();
    });

    gameTimer_ = new QTimer(this);
    gameTimer_->setObjectName("GameTimer");
    gameTimer_->setSingleShot(true);
    connect(gameTimer_, &QTimer::timeout, this, &TjourneyDlg::MinutePassed);
    UpdatePagesButtons();
}

void TjourneyDlg::Run() {
    gameTimer_->start(PacedMs(ticker_.TimerInterval()));
    // The whole screen, also where no window manager maximises windows.
    if (const QScreen* screen = parentWidget() != nullptr ? parentWidget()->screen() : this->screen())
        setGeometry(screen->availableGeometry());
    setWindowState(windowState() | Qt::WindowMaximized);
    exec();
    gameTimer_->stop();
}

// The timer is single-shot and started again only after the tick: a tick that opens a dialog (a penalty, a
// substitution, half time) runs that dialog's own event loop, and no second tick may start meanwhile.
void TjourneyDlg::MinutePassed() {
    const bool goesOn = ticker_.Tick();
    UpdatePagesButtons();
    update();
    if (!goesOn) {
        canClose_ = true;
        accept();
        return;
    }
    gameTimer_->start(PacedMs(ticker_.TimerInterval()));
}

void TjourneyDlg::UpdatePagesButtons() {
    const bool visible = runner_ != nullptr && runner_->PageButtonsVisible();
    nextGamePageBtn_->setVisible(visible);
    previousGamePageBtn_->setVisible(visible);
    if (runner_ != nullptr) {
        nextGamePageBtn_->setEnabled(runner_->NextPageEnabled());
        previousGamePageBtn_->setEnabled(runner_->PreviousPageEnabled());
        view_.page = runner_->CurrentPage();
        view_.cupMatchday = runner_->JourneyKind() == 1;
        view_.gamesOnPage = runner_->GamesOnCurrentPage();
    }
}

QPoint TjourneyDlg::ClubNamePoint(int gameIndex, int side) const {
    const int row = GameLineRow(gameIndex, view_.page, view_.cupMatchday);
    if (row < 0) return {-1, -1};
    const TGameLineCells c = CellsOfRow(view_.geometry, row);
    const TLineRect& r = side == 0 ? c.homeName : c.awayName;
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

void TjourneyDlg::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    view_.geometry = TMatchdayGeometry::ForScreen(width(), height());
    const int w = nextGamePageBtn_->width(), h = nextGamePageBtn_->sizeHint().height();
    nextGamePageBtn_->move(width() - w - 5, height() - h - 5);
    previousGamePageBtn_->move(width() - 2 * w - 5, height() - h - 5);
    labelCaption_->adjustSize();
}

void TjourneyDlg::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (runner_ != nullptr)
        PaintJourney(painter, *world_, view_);
    else
        painter.fillRect(rect(), kPitchGreen);
    PaintClock(painter);
}

// A 60-minute dial: the first half fills it from 0, the second half from 45, extra time from 90, in blue,
// red and purple.
void TjourneyDlg::PaintClock(QPainter& painter) {
    if (runner_ == nullptr) return;
    static const QColor phaseColours[] = {Qt::blue, Qt::red, QColor(128, 0, 128)};
    const int phase = runner_->ClockPhase();
    const int minutes = std::clamp(runner_->ClockPosition() - phase * 45, 0, 60);
    const QRect dial(width() - kClockSize - 2, 1, kClockSize, kClockSize);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::black);
    painter.setBrush(Qt::white);
    painter.drawEllipse(dial);
    painter.setBrush(phaseColours[phase]);
    painter.drawPie(dial, 90 * 16, -minutes * 360 * 16 / 60);
    painter.setRenderHint(QPainter::Antialiasing, false);
}

template <class F> void TjourneyDlg::Paused(F&& dialog) {
    const bool running = gameTimer_->isActive();
    gameTimer_->stop();
    if (runner_ != nullptr) runner_->Pause();
    dialog();
    if (runner_ != nullptr) runner_->Resume();
    if (running && !canClose_) gameTimer_->start(PacedMs(ticker_.TimerInterval()));
    update();
}

void TjourneyDlg::mousePressEvent(QMouseEvent* event) {
    if (runner_ == nullptr || canClose_) return;
    const QPoint at = event->position().toPoint();
    if (event->button() == Qt::LeftButton) {
        // The runner pauses the matchday itself while the coach is asked.
        const bool running = gameTimer_->isActive();
        gameTimer_->stop();
        runner_->Click(view_.geometry, at.x(), at.y());
        if (running) gameTimer_->start(PacedMs(ticker_.TimerInterval()));
        update();
    } else if (event->button() == Qt::RightButton) {
        Paused([this] {
            TCoachManager manager(*world_);
            world_->Port().CoachManager(manager);
            // Human clubs may have changed: the pace follows.
            runner_->UpdateTimerIntervall();
        });
    }
}

void TjourneyDlg::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1) {
        Paused([this] { TAboutBox(TAboutBox::Mode::Normal, this).exec(); });
        return;
    }
    if (event->key() == Qt::Key_Escape) return; // the matchday cannot be left before its end
    QDialog::keyPressEvent(event);
}

void TjourneyDlg::closeEvent(QCloseEvent* event) {
    if (!canClose_) {
        event->ignore();
        return;
    }
    gameTimer_->stop();
    QDialog::closeEvent(event);
}

void TjourneyDlg::reject() {
    if (canClose_) QDialog::reject();
}
