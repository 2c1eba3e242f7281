#include "ui/game/club/referee_aid_dlg.h"

#include "datafiles/referee_attr.h"
#include "foundation/settings.h"
#include "foundation/texts.h"
#include "ui/common/checked_picture.h"
#include "ui/common/qt_text.h"
#include "ui/common/trevan_button.h"
#include "world/game.h"
#include "world/records.h"
#include "world/team.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

#include <algorithm>

namespace {
constexpr int kCaptionText = 198;
constexpr int kCloseText = 96;

// The scales' measures in pixels.
constexpr int kStandHeight = 105;
constexpr int kBeamHalf = 110;
constexpr int kPanHalfWidth = 25;
constexpr int kPanDepth = 30;
constexpr int kNameBelow = 45;
constexpr int kTiltPerFavour = 3;
// The beam never tips further than its pans can hang inside the picture.
constexpr int kMaxTilt = 60;

QLabel* ClubName(QWidget* parent, const TTeam* club, const char* name) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignCenter);
    label->setMargin(6);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    if (club != nullptr) {
        label->setText(ToQString(club->Name()));
        QPalette palette = label->palette();
        palette.setColor(QPalette::Window, ToQColor(club->BackColor()));
        palette.setColor(QPalette::WindowText, ToQColor(club->TextColor()));
        label->setPalette(palette);
        label->setAutoFillBackground(true);
    }
    return label;
}

QLabel* Face(QWidget* parent, const std::string& gameDir, int favour, const char* name) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignCenter);
    const QPixmap picture = LoadCheckedPicture(gameDir + "/Icons/" + FavourPicture(favour));
    if (picture.isNull())
        label->hide();
    else
        label->setPixmap(picture);
    return label;
}
} // namespace

std::string FavourPicture(int favour) {
    if (favour >= 10) return "happy1.bmp";
    if (favour >= 7) return "happy2.bmp";
    if (favour >= 4) return "happy3.bmp";
    return "happy4.bmp";
}

int PanFillPercent(int favour) {
    return std::clamp(favour * 100 / 15, 0, 100);
}

TRefereeScales::TRefereeScales(int homeFavour, int awayFavour, QString homeName, QString awayName,
                               QWidget* parent)
    : QWidget(parent), homeFavour_(homeFavour), awayFavour_(awayFavour), homeName_(std::move(homeName)),
      awayName_(std::move(awayName)) {
    setObjectName("paintBoxLira");
    setMinimumSize(2 * kBeamHalf + 220, kStandHeight + kMaxTilt / 2 + 50);
}

void TRefereeScales::paintEvent(QPaintEvent* /*event*/) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QPen blue(QColor(0, 0, 255), 3);
    const int pivotX = width() / 2;
    const int baseY = height() - 10;
    const int pivotY = baseY - kStandHeight;
    // The favoured side goes down.
    const int tilt = std::clamp(kTiltPerFavour * (homeFavour_ - awayFavour_), -kMaxTilt, kMaxTilt);
    const QPoint homeEnd(pivotX - kBeamHalf, pivotY + tilt / 2);
    const QPoint awayEnd(pivotX + kBeamHalf, pivotY - tilt / 2);

    p.setPen(blue);
    p.drawLine(pivotX, baseY, pivotX, pivotY);
    p.drawLine(pivotX - 30, baseY, pivotX + 30, baseY);
    p.drawLine(homeEnd, awayEnd);

    QFont small("Arial");
    small.setPointSize(8);
    const struct {
        QPoint end;
        int favour;
        const QString& name;
    } pans[] = {{homeEnd, homeFavour_, homeName_}, {awayEnd, awayFavour_, awayName_}};
    for (const auto& pan : pans) {
        // A triangle hanging from the beam's end, filled line by line from its bottom edge up to the share
        // of its area that the favour gives.
        const int bottom = pan.end.y() + kPanDepth;
        const qreal wanted = PanFillPercent(pan.favour) / 100.0 * kPanHalfWidth * kPanDepth;
        qreal filled = 0;
        p.setPen(QPen(QColor(255, 220, 0), 1));
        for (int depth = kPanDepth; depth > 0 && filled < wanted; --depth) {
            const qreal half = static_cast<qreal>(kPanHalfWidth) * depth / kPanDepth;
            p.drawLine(QPointF(pan.end.x() - half, pan.end.y() + depth),
                       QPointF(pan.end.x() + half, pan.end.y() + depth));
            filled += 2 * half;
        }
        p.setPen(blue);
        p.setBrush(Qt::NoBrush);
        const QPoint triangle[] = {pan.end, QPoint(pan.end.x() - kPanHalfWidth, bottom),
                                   QPoint(pan.end.x() + kPanHalfWidth, bottom)};
        p.drawPolygon(triangle, 3);
        p.setFont(small);
        p.setPen(palette().color(QPalette::WindowText));
        // Each name keeps to its own half of the picture.
        const int half = std::min(pan.end.x(), width() - pan.end.x()) - 4;
        const QRect nameBox(pan.end.x() - half, pan.end.y() + kNameBelow - 2, 2 * half,
                            p.fontMetrics().height() + 4);
        p.drawText(nameBox, Qt::AlignHCenter | Qt::AlignTop,
                   p.fontMetrics().elidedText(pan.name, Qt::ElideRight, nameBox.width()));
    }
}

TRefereeAidDlg::TRefereeAidDlg(TGame& game, const std::string& gameDir, QWidget* parent)
    : TKolForm(kCaptionText, parent) {
    setObjectName("TRefereeAidDlg");
    labelCaption_ = new QLabel(this);
    labelCaption_->setObjectName("labelCaption");
    labelCaption_->setAlignment(Qt::AlignCenter);
    SetHeadingFont(labelCaption_);
    textHomeTeam_ = ClubName(this, game.homeTeam, "textHomeTeam");
    textAwayTeam_ = ClubName(this, game.awayTeam, "textAwayTeam");
    pictureHome_ = Face(this, gameDir, game.homeFavour, "pictureHome");
    pictureAway_ = Face(this, gameDir, game.awayFavour, "pictureAway");
    auto* panelLira = new QFrame(this);
    panelLira->setObjectName("panelLira");
    panelLira->setFrameShape(QFrame::StyledPanel);
    paintBoxLira_ = new TRefereeScales(
        game.homeFavour, game.awayFavour, game.homeTeam ? ToQString(game.homeTeam->Name()) : QString(),
        game.awayTeam ? ToQString(game.awayTeam->Name()) : QString(), panelLira);
    auto* panelLayout = new QVBoxLayout(panelLira);
    panelLayout->addWidget(paintBoxLira_);
    closeBtn_ = new TTrevanButton(this);
    closeBtn_->setObjectName("TrevanButton1");
    closeBtn_->setText(ToQString(GetCaptionText(kCloseText)));
    closeBtn_->setMinimumWidth(100);
    closeBtn_->setFocusPolicy(Qt::StrongFocus);
    connect(closeBtn_, &TTrevanButton::clicked, this, &QDialog::reject);

    auto* clubs = new QGridLayout;
    clubs->addWidget(textHomeTeam_, 0, 0);
    clubs->addWidget(textAwayTeam_, 0, 1);
    clubs->addWidget(pictureHome_, 1, 0);
    clubs->addWidget(pictureAway_, 1, 1);
    clubs->setColumnStretch(0, 1);
    clubs->setColumnStretch(1, 1);
    auto* closing = new QHBoxLayout;
    closing->addStretch();
    closing->addWidget(closeBtn_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 16);
    layout->setSpacing(10);
    layout->addWidget(labelCaption_);
    layout->addLayout(clubs);
    layout->addWidget(panelLira, 1);
    layout->addLayout(closing);

    ApplyTexts();
    labelCaption_->setText(game.referee != nullptr && game.referee->attr
                               ? ToQString(game.referee->attr->Name())
                               : ToQString(GetCaptionText(kCaptionText)));
}

void TRefereeAidDlg::keyPressEvent(QKeyEvent* event) {
    // The picture button is no default button of the dialog: Enter closes it as Escape does.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        reject();
        return;
    }
    TKolForm::keyPressEvent(event);
}

void ShowRefereeAid(TWorld& /*world*/, TGame& game, QWidget* parent) {
    TRefereeAidDlg dlg(game, GameSettings().directory, parent);
    dlg.exec();
}
