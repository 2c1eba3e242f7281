#include "ui/common/object_list_view.h"

#include "ui/common/qt_text.h"

#include <QScrollBar>
#include <QVBoxLayout>

TObjectListView::TObjectListView(const TKolObject& prototype, int columnSet, int mask, QWidget* parent)
    : QWidget(parent) {
    model = new TObjectListModel(this);
    view = new QListView(this);
    view->setModel(model);
    delegate = new TObjectRowDelegate(view);
    delegate->SetMask(mask);
    view->setItemDelegate(delegate);
    view->setUniformItemSizes(true);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    header = new QHeaderView(Qt::Horizontal, this);
    headerModel = new QStandardItemModel(this);
    TColumnList columns;
    prototype.SetupColumns(columns, false, columnSet, 0);
    QStringList captions;
    for (const TColumnSpec& c : columns) captions << ToQString(c.caption);
    headerModel->setHorizontalHeaderLabels(captions);
    header->setModel(headerModel);
    header->setSectionsClickable(true);
    header->setSortIndicatorShown(false);
    header->setHighlightSections(false);
    header->setStretchLastSection(true);
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    header->setFixedHeight(header->fontMetrics().height() + 10);
    for (int i = 0; i < static_cast<int>(columns.size()); ++i) {
        // The painter keeps a 2-pixel margin in front of the first cell.
        header->resizeSection(i, columns[static_cast<std::size_t>(i)].width + (i == 0 ? 2 : 0));
        captions_.push_back(columns[static_cast<std::size_t>(i)].caption);
        columnWidths_.push_back(columns[static_cast<std::size_t>(i)].width);
        widths_.push_back(header->sectionSize(i));
    }
    connect(view->horizontalScrollBar(), &QScrollBar::valueChanged, header, &QHeaderView::setOffset);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(header);
    layout->addWidget(view, 1);
}

void TObjectListView::showEvent(QShowEvent* event) {
    // A header that was hidden when its sections were sized lays them out again when first shown.
    QWidget::showEvent(event);
    for (int i = 0; i < static_cast<int>(widths_.size()); ++i)
        header->resizeSection(i, widths_[static_cast<std::size_t>(i)]);
}

void TObjectListView::WidenColumn(int section, int extra) {
    widths_.at(static_cast<std::size_t>(section)) += extra;
    header->resizeSection(section, widths_[static_cast<std::size_t>(section)]);
}

int TObjectListView::ColumnLeft(int section) const {
    int left = 0;
    for (int i = 0; i < section; ++i) left += columnWidths_.at(static_cast<std::size_t>(i));
    return left;
}

TKolOrder TObjectListView::NextOrder(int section, TKolOrder order) {
    reversed_ = section == sortSection_ && !reversed_;
    sortSection_ = section;
    header->setSortIndicatorShown(true);
    header->setSortIndicator(section, reversed_ ? Qt::DescendingOrder : Qt::AscendingOrder);
    if (!reversed_) return order;
    return [order](const TKolObject* x, const TKolObject* y) { return order(y, x); };
}

void TObjectListView::Select(const TKolObject* object) {
    const int row = object ? model->RowOf(object) : -1;
    if (row < 0) {
        view->selectionModel()->clearSelection();
        view->setCurrentIndex(QModelIndex());
        return;
    }
    const QModelIndex index = model->index(row);
    view->setCurrentIndex(index);
    view->selectionModel()->select(index, QItemSelectionModel::ClearAndSelect);
    view->scrollTo(index);
}
