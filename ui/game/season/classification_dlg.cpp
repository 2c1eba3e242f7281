#include "ui/game/season/classification_dlg.h"

#include "foundation/settings.h"
#include "foundation/texts.h"
#include "season/classification.h"
#include "ui/common/column_header.h"
#include "ui/common/object_list_model.h"
#include "ui/common/qt_text.h"
#include "ui/game/club/plantel_dlg.h"
#include "ui/game/season/classification_row_delegate.h"
#include "ui/game/season/season_pace.h"
#include "world/world.h"

#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QScreen>
#include <QStandardItemModel>
#include <QTimer>
#include <QVBoxLayout>

namespace {
constexpr int kCaptionText = 35;
constexpr int kFirstLeagueText = 144;
constexpr int kCloseText = 96;
constexpr int kTickMs = 1000;
constexpr int kRowMask = tcNameHuman | tcRecord;
constexpr int kLeagueRows = 10;

// The header over a table: the status and flag cells, then the club's own columns.
QHeaderView* TableHeader(const TTeam& prototype, QWidget* parent) {
    TColumnList columns;
    prototype.SetupColumns(columns, false, kRowMask, 0);
    columns.insert(columns.begin(), {TColumnSpec{"", TClassificationRowDelegate::kStatusWidth},
                                     TColumnSpec{"", TClassificationRowDelegate::kFlagWidth}});
    return FixedColumnHeader(columns, parent);
}
} // namespace

TclassificationDlg::TclassificationDlg(TWorld& world, int round, bool autoClose, TTeam* viewerClub,
                                       QWidget* parent)
    : TKolForm(kCaptionText, parent), world_(world), viewerClub_(viewerClub), autoClose_(autoClose) {
    setObjectName("TclassificationDlg");
    labelCaption_ = new QLabel(this);
    labelCaption_->setObjectName("labelCaption");
    QFont big = labelCaption_->font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    big.setBold(true);
    labelCaption_->setFont(big);
    labelCaption_->setAlignment(Qt::AlignCenter);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(24);
    grid->setVerticalSpacing(16);
    for (int d = 0; d < kLeagues; ++d) {
        const TDivision* division = d < world_.Divisions.Count() ? world_.Divisions[d] : nullptr;
        auto* box = new QVBoxLayout;
        box->setSpacing(2);
        QLabel* title = TaggedLabel(this, kFirstLeagueText + d);
        title->setObjectName(QString("labelDivision%1").arg(d + 1));
        QFont bold = title->font();
        bold.setBold(true);
        bold.setPointSizeF(bold.pointSizeF() * 1.2);
        title->setFont(bold);
        box->addWidget(title);

        auto* list = new QListView(this);
        list->setObjectName(QString("ListBoxDivision%1").arg(d + 1));
        auto* model = new TObjectListModel(list);
        std::vector<TKolObject*> rows;
        if (division != nullptr)
            for (TTeam* club : division->teams)
                if (club != nullptr) rows.push_back(club);
        model->SetObjects(rows);
        model->toolTip = [](const TKolObject* o) {
            const auto* club = dynamic_cast<const TTeam*>(o);
            if (club == nullptr) return QString();
            const QString coach = club->coach != nullptr ? ToQString(club->coach->Name()) : QString();
            QString tip = ToQString(club->Name()) + (coach.isEmpty() ? QString() : "\n" + coach);
            return tip;
        };
        list->setModel(model);
        auto* delegate = new TClassificationRowDelegate(GameSettings().directory, list);
        delegate->SetMask(kRowMask);
        list->setItemDelegate(delegate);
        list->setSelectionMode(QAbstractItemView::SingleSelection);
        list->setEditTriggers(QAbstractItemView::NoEditTriggers);
        list->setUniformItemSizes(true);
        list->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        list->installEventFilter(this);
        connect(list, &QListView::doubleClicked, this, [this, d](const QModelIndex& index) {
            if (TTeam* club = ClubAt(d, index.row())) OpenSquadView(*club);
        });
        // Ten rows without a scroll bar.
        const int rowHeight = list->sizeHintForRow(0) > 0 ? list->sizeHintForRow(0) : 22;
        list->setFixedHeight(rowHeight * kLeagueRows + 2 * list->frameWidth() + 2);
        const int width = TClassificationRowDelegate::kStatusWidth + TClassificationRowDelegate::kFlagWidth +
                          140 + 170 + 2 * list->frameWidth() + 8;
        list->setMinimumWidth(width);
        if (!rows.empty()) box->addWidget(TableHeader(*static_cast<TTeam*>(rows.front()), this));
        box->addWidget(list);
        lists_[static_cast<std::size_t>(d)] = list;
        models_[static_cast<std::size_t>(d)] = model;
        grid->addLayout(box, d / 2, d % 2);
    }

    okBtn_ = new QPushButton(this);
    okBtn_->setObjectName("OKBtn");
    SetTextTag(okBtn_, kCloseText);
    okBtn_->setDefault(true);
    okBtn_->setMinimumWidth(110);
    connect(okBtn_, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 16, 24, 16);
    layout->setSpacing(12);
    layout->addWidget(labelCaption_);
    auto* centred = new QHBoxLayout;
    centred->addStretch(1);
    centred->addLayout(grid);
    centred->addStretch(1);
    layout->addStretch(1);
    layout->addLayout(centred);
    layout->addStretch(1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(okBtn_);
    layout->addLayout(buttons);

    ApplyTexts();
    labelCaption_->setText(ToQString(ClassificationCaption(round)));

    timer_ = new QTimer(this);
    timer_->setInterval(SeasonPacedMs(kTickMs));
    connect(timer_, &QTimer::timeout, this, &TclassificationDlg::Tick);

    if (const QScreen* screen = QGuiApplication::primaryScreen()) resize(screen->availableGeometry().size());
}

TTeam* TclassificationDlg::ClubAt(int league, int row) const {
    if (league < 0 || league >= kLeagues) return nullptr;
    return static_cast<TTeam*>(models_[static_cast<std::size_t>(league)]->ObjectAt(row));
}

void TclassificationDlg::showEvent(QShowEvent* event) {
    TKolForm::showEvent(event);
    ticks_ = 0;
    if (autoClose_) timer_->start();
}

void TclassificationDlg::hideEvent(QHideEvent* event) {
    timer_->stop();
    TKolForm::hideEvent(event);
}

void TclassificationDlg::Tick() {
    if (++ticks_ >= kAutoCloseTicks) {
        timer_->stop();
        accept();
    }
}

bool TclassificationDlg::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            for (int d = 0; d < kLeagues; ++d) {
                if (watched != lists_[static_cast<std::size_t>(d)]) continue;
                const QModelIndex current = lists_[static_cast<std::size_t>(d)]->currentIndex();
                if (TTeam* club = current.isValid() ? ClubAt(d, current.row()) : nullptr) {
                    OpenSquadView(*club);
                    return true;
                }
            }
        }
    }
    return TKolForm::eventFilter(watched, event);
}

void TclassificationDlg::OpenSquadView(TTeam& club) {
    // The self-closing timer waits while the person looks at the squad, then runs on from its count.
    timer_->stop();
    ShowSquadView(world_, club, viewerClub_, nullptr, this);
    if (autoClose_ && isVisible()) timer_->start();
    for (QListView* list : lists_) list->viewport()->update();
}

void ShowClassificationDialog(TWorld& world, int round, bool autoClose, QWidget* parent, TTeam* viewerClub) {
    TclassificationDlg dialog(world, round, autoClose, viewerClub, parent);
    dialog.exec();
}
