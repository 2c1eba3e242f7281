#include "ui/common/column_header.h"

#include "ui/common/qt_text.h"

#include <QStandardItemModel>

QHeaderView* FixedColumnHeader(const TColumnList& columns, QWidget* parent) {
    auto* model = new QStandardItemModel(parent);
    QStringList captions;
    for (const TColumnSpec& c : columns) captions << ToQString(c.caption);
    model->setHorizontalHeaderLabels(captions);
    auto* header = new QHeaderView(Qt::Horizontal, parent);
    header->setModel(model);
    header->setSectionsClickable(false);
    header->setStretchLastSection(true);
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    header->setMinimumSectionSize(0);
    header->setFixedHeight(header->fontMetrics().height() + 8);
    for (int i = 0; i < static_cast<int>(columns.size()); ++i)
        header->resizeSection(i, columns[static_cast<std::size_t>(i)].width);
    return header;
}
