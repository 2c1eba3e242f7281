#include "ui/common/object_list_model.h"

#include "ui/common/row_delegate.h"

#include <QMimeData>

namespace {
constexpr const char* kObjectMime = "application/x-kolbrin-object";
}

void TObjectListModel::SetObjects(std::vector<TKolObject*> objects) {
    beginResetModel();
    objects_ = std::move(objects);
    endResetModel();
}

TKolObject* TObjectListModel::ObjectAt(int row) const {
    return row >= 0 && row < static_cast<int>(objects_.size()) ? objects_[static_cast<std::size_t>(row)]
                                                               : nullptr;
}

int TObjectListModel::RowOf(const TKolObject* object) const {
    for (std::size_t i = 0; i < objects_.size(); ++i)
        if (objects_[i] == object) return static_cast<int>(i);
    return -1;
}

int TObjectListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(objects_.size());
}

QVariant TObjectListModel::data(const QModelIndex& index, int role) const {
    const TKolObject* object = ObjectAt(index.row());
    if (object == nullptr) return {};
    if (role == kRowObjectRole) return QVariant::fromValue(reinterpret_cast<quintptr>(object));
    if ((role == Qt::DisplayRole || role == Qt::AccessibleTextRole) && plainText) return plainText(object);
    if (role == Qt::ToolTipRole && toolTip) return toolTip(object);
    return {};
}

Qt::ItemFlags TObjectListModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags f = QAbstractListModel::flags(index);
    if (!index.isValid()) return f;
    if (dragObjects) f |= Qt::ItemIsDragEnabled;
    if (onDrop) f |= Qt::ItemIsDropEnabled;
    return f;
}

QStringList TObjectListModel::mimeTypes() const {
    return {kObjectMime};
}

QMimeData* TObjectListModel::mimeData(const QModelIndexList& indexes) const {
    if (indexes.isEmpty()) return nullptr;
    auto* data = new QMimeData;
    const auto address = reinterpret_cast<quintptr>(ObjectAt(indexes.first().row()));
    data->setData(kObjectMime, QByteArray::number(static_cast<qulonglong>(address)));
    return data;
}

bool TObjectListModel::canDropMimeData(const QMimeData* data, Qt::DropAction, int, int,
                                       const QModelIndex& parent) const {
    return onDrop && parent.isValid() && data->hasFormat(kObjectMime);
}

bool TObjectListModel::dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                                    const QModelIndex& parent) {
    if (!canDropMimeData(data, action, row, column, parent)) return false;
    // The address is only ever produced by this process's own drag, from a row of a list whose rows can be
    // dragged.
    auto* object =
        reinterpret_cast<TKolObject*>(static_cast<quintptr>(data->data(kObjectMime).toULongLong()));
    onDrop(object, parent.row());
    // The move is done by the drop handler and the lists are refilled; answering false keeps the list the
    // drag came from from removing the row itself.
    return false;
}
