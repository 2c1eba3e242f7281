#include "ui/game/money/stadium_dlg.h"

#include "club/finance.h"
#include "foundation/format_text.h"
#include "foundation/money_format.h"
#include "foundation/texts.h"
#include "ui/common/qt_text.h"
#include "ui/game/money/club_caption.h"
#include "ui/game/money/loan_dlg.h"
#include "world/team.h"
#include "world/world.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {
constexpr int kCaptionText = 256;
constexpr int kEnlargeText = 257;
constexpr int kCapacityText = 258;
constexpr int kWarningText = 259;
constexpr int kLoanText = 20;
constexpr int kCloseText = 96;
constexpr int kConstructText = 783;
constexpr int kCannotPayText = 784;
constexpr int kLargestText = 785;
constexpr int kSeatsPerClass = 5000;
constexpr std::array<int, 3> kRingParts{6, 8, 10};
} // namespace

std::array<int, 3> StadiumRingParts(int stadiumClass) {
    const int c = std::clamp(stadiumClass, 0, TStadium::MaxSize);
    return {std::min(c, kRingParts[0]), std::clamp(c - kRingParts[0], 0, kRingParts[1]),
            std::clamp(c - kRingParts[0] - kRingParts[1], 0, kRingParts[2])};
}

TStadiumPicture::TStadiumPicture(QWidget* parent) : QWidget(parent) {
    setObjectName("PaintBoxStadium");
    setMinimumSize(260, 180);
}

void TStadiumPicture::SetStadiumClass(int stadiumClass) {
    stadiumClass_ = stadiumClass;
    update();
}

void TStadiumPicture::paintEvent(QPaintEvent* /*event*/) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), QColor(40, 40, 48));
    const QRectF area = QRectF(rect()).adjusted(8, 8, -8, -8);
    // Three rings around the pitch, each as thick as a fifth of the picture's half height.
    const qreal ring = std::min(area.width(), area.height()) / 10.0;
    // The pitch is the largest rectangle inside the inner ring's opening, less a margin.
    const QRectF opening = area.adjusted(3 * ring, 3 * ring, -3 * ring, -3 * ring);
    const qreal fit = 0.70;
    QRectF pitch(0, 0, opening.width() * fit, opening.height() * fit);
    pitch.moveCenter(opening.center());
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(46, 139, 60));
    p.drawRect(pitch);
    p.setPen(QPen(QColor(240, 240, 240), 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawRect(pitch.adjusted(4, 4, -4, -4));
    p.drawLine(QPointF(pitch.center().x(), pitch.top() + 4), QPointF(pitch.center().x(), pitch.bottom() - 4));
    p.drawEllipse(pitch.center(), pitch.height() / 6, pitch.height() / 6);

    const std::array<int, 3> built = StadiumRingParts(stadiumClass_);
    for (int r = 0; r < 3; ++r) {
        const qreal inset = (2 - r) * ring;
        const QRectF outer = area.adjusted(inset, inset, -inset, -inset);
        const QRectF inner = outer.adjusted(ring - 2, ring - 2, -(ring - 2), -(ring - 2));
        const int parts = kRingParts[static_cast<std::size_t>(r)];
        const qreal span = 360.0 / parts;
        for (int k = 0; k < parts; ++k) {
            // Counted clockwise from the top, so a ring fills like a clock hand.
            const qreal start = 90.0 - k * span;
            QPainterPath segment;
            segment.arcMoveTo(outer, start);
            segment.arcTo(outer, start, -span + 1.5);
            segment.arcTo(inner, start - span + 1.5, span - 1.5);
            segment.closeSubpath();
            const bool done = k < built[static_cast<std::size_t>(r)];
            p.setPen(QPen(QColor(120, 120, 130), 1));
            p.setBrush(done ? QColor(200, 200, 210) : QColor(70, 70, 80));
            p.drawPath(segment);
        }
    }
}

TstadiumDlg::TstadiumDlg(TWorld& world, TTeam& club, bool mayAct, QWidget* parent)
    : TKolForm(kCaptionText, parent), world_(world), club_(club), mayAct_(mayAct) {
    setObjectName("TstadiumDlg");
    labelClub_ = new QLabel(ToQString(club.Name()), this);
    labelClub_->setObjectName("labelClub");
    ShowInClubColours(labelClub_, club);
    paintBoxStadium_ = new TStadiumPicture(this);
    textCapacity_ = new QLabel(this);
    textCapacity_->setObjectName("textCapacity");
    QFont bold = textCapacity_->font();
    bold.setBold(true);
    textCapacity_->setFont(bold);
    label1_ = new QLabel(this);
    label1_->setObjectName("Label1");
    labelWarning_ = TaggedLabel(this, kWarningText);
    labelWarning_->setObjectName("labelWarning");
    labelWarning_->setWordWrap(true);
    labelWarning_->hide();
    constructBtn_ = new QPushButton(this);
    constructBtn_->setObjectName("constructBtn");
    SetTextTag(constructBtn_, kConstructText);
    loanBtn_ = new QPushButton(this);
    loanBtn_->setObjectName("loanBtn");
    SetTextTag(loanBtn_, kLoanText);
    loanBtn_->setVisible(mayAct);
    closeBtn_ = new QPushButton(this);
    closeBtn_->setObjectName("closeBtn");
    SetTextTag(closeBtn_, kCloseText);
    for (QPushButton* b : {constructBtn_, loanBtn_}) b->setAutoDefault(false);
    closeBtn_->setDefault(true);
    connect(constructBtn_, &QPushButton::clicked, this, &TstadiumDlg::ConstructBtnClick);
    connect(loanBtn_, &QPushButton::clicked, this, &TstadiumDlg::LoanBtnClick);
    connect(closeBtn_, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(constructBtn_);
    buttons->addWidget(loanBtn_);
    buttons->addStretch();
    buttons->addWidget(closeBtn_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 16);
    layout->setSpacing(10);
    layout->addWidget(labelClub_);
    layout->addWidget(paintBoxStadium_, 1);
    layout->addWidget(textCapacity_);
    layout->addWidget(label1_);
    layout->addWidget(labelWarning_);
    layout->addLayout(buttons);
    setMinimumWidth(420);

    ApplyTexts();
    Refresh();
}

void TstadiumDlg::Refresh() {
    const TStadium& stadium = club_.stadium;
    paintBoxStadium_->SetStadiumClass(stadium.size);
    textCapacity_->setText(ToQString(Format(GetText(kCapacityText), {stadium.Capacity()})));
    // The price the works are booked at, the one the button asks the club to have.
    const std::int32_t cost = HumanStadiumWorksPrice(club_);
    label1_->setText(ToQString(Format(GetText(kEnlargeText), {kSeatsPerClass})) + "\n" +
                     ToQString(FormatMoney(cost, world_.CurrencyRecord.suffix)));
    const bool can = CanEnlargeStadium(club_);
    constructBtn_->setVisible(mayAct_);
    constructBtn_->setEnabled(mayAct_ && can);
    if (stadium.size >= TStadium::MaxSize)
        constructBtn_->setToolTip(ToQString(GetText(kLargestText)));
    else if (!can)
        constructBtn_->setToolTip(ToQString(GetText(kCannotPayText)));
    else
        constructBtn_->setToolTip(ToQString(GetHintText(kConstructText)));
}

void TstadiumDlg::ConstructBtnClick() {
    if (mayAct_ && HumanEnlargeStadium(club_)) labelWarning_->show();
    Refresh();
}

void TstadiumDlg::LoanBtnClick() {
    ShowLoanDialog(world_, club_, this, mayAct_);
    Refresh();
}

void ShowStadiumDialog(TWorld& world, TTeam& club, QWidget* parent) {
    ShowStadiumDialog(world, club, parent, club.IsHumanRun());
}

void ShowStadiumDialog(TWorld& world, TTeam& club, QWidget* parent, bool mayAct) {
    TstadiumDlg dlg(world, club, mayAct, parent);
    dlg.exec();
}
