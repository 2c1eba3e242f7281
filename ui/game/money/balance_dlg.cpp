#include "ui/game/money/balance_dlg.h"

#include "foundation/row_markup.h"
#include "ui/common/qt_text.h"
#include "ui/common/row_delegate.h"
#include "ui/game/money/club_caption.h"
#include "world/team.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

namespace {
constexpr int kHeadingText = 414;
constexpr int kCloseText = 96;
} // namespace

TbalanceDlg::TbalanceDlg(TWorld& /*world*/, TTeam& club, QWidget* parent)
    : TKolForm(0, parent), balances_(TThreeBalances::OfClub(club, false)) {
    setObjectName("TbalanceDlg");
    labelHeading_ = TaggedLabel(this, kHeadingText);
    labelHeading_->setObjectName("labelHeading");
    ShowInClubColours(labelHeading_, club);

    listBoxBalance_ = new QListWidget(this);
    listBoxBalance_->setObjectName("ListBoxBalance");
    listBoxBalance_->setItemDelegate(new TRowDelegate(listBoxBalance_));
    listBoxBalance_->setSelectionMode(QAbstractItemView::NoSelection);
    listBoxBalance_->setFocusPolicy(Qt::NoFocus);
    closeBtn_ = new QPushButton(this);
    closeBtn_->setObjectName("closeBtn");
    SetTextTag(closeBtn_, kCloseText);
    closeBtn_->setDefault(true);
    connect(closeBtn_, &QPushButton::clicked, this, &QDialog::reject);

    auto* closing = new QHBoxLayout;
    closing->addStretch();
    closing->addWidget(closeBtn_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 16);
    layout->setSpacing(10);
    layout->addWidget(labelHeading_);
    layout->addWidget(listBoxBalance_);
    layout->addLayout(closing);

    ApplyTexts();
    // The caption is data: the club's full name.
    setWindowTitle(ToQString(club.Name()));
    int width = 0;
    for (int row = 0; row < TThreeBalances::kRows; ++row) {
        const std::string text = balances_.GetListTextEx(0, row);
        auto* item = new QListWidgetItem(listBoxBalance_);
        item->setData(kRowTextRole, QByteArray::fromStdString(text));
        item->setData(Qt::AccessibleTextRole, ToQString(text));
        int rowWidth = 0;
        for (const TRowCell& cell : ParseRowMarkup(text)) rowWidth += cell.width;
        width = std::max(width, rowWidth);
    }
    // Every row shows without scrolling.
    const int rowHeight = listBoxBalance_->sizeHintForRow(0);
    listBoxBalance_->setMinimumSize(width + 2 * listBoxBalance_->frameWidth() + 8,
                                    rowHeight * TThreeBalances::kRows + 2 * listBoxBalance_->frameWidth() +
                                        4);
}

std::vector<std::string> TbalanceDlg::RowTexts() const {
    std::vector<std::string> rows;
    for (int i = 0; i < listBoxBalance_->count(); ++i)
        rows.push_back(listBoxBalance_->item(i)->data(kRowTextRole).toByteArray().toStdString());
    return rows;
}

void ShowBalanceDialog(TWorld& world, TTeam& club, QWidget* parent) {
    TbalanceDlg dlg(world, club, parent);
    dlg.exec();
}
