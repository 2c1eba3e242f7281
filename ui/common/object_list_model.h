#pragma once
// The rows of an owner-drawn list: each row is an object, and the row painter asks the object for its row
// text each time it paints, so a list shows the object as it is now. Rows can be dragged to another list of
// the same program and dropped on a row (the drop handler does the move and refills the lists).
#include "foundation/kol_object.h"

#include <QAbstractListModel>
#include <functional>
#include <vector>

class TObjectListModel final : public QAbstractListModel {
public:
    // `object` was dropped on the row `row`; true when it was taken.
    using TDropFn = std::function<bool(TKolObject* object, int row)>;

    explicit TObjectListModel(QObject* parent) : QAbstractListModel(parent) {}

    void SetObjects(std::vector<TKolObject*> objects);
    const std::vector<TKolObject*>& Objects() const { return objects_; }
    TKolObject* ObjectAt(int row) const;
    // The row of `object`, or -1.
    int RowOf(const TKolObject* object) const;

    // The rows can be dragged.
    bool dragObjects = false;
    // Rows take drops when set.
    TDropFn onDrop;
    // The text read out and searched by the keyboard, and the tool tip, of a row's object.
    std::function<QString(const TKolObject*)> plainText;
    std::function<QString(const TKolObject*)> toolTip;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QModelIndexList& indexes) const override;
    Qt::DropActions supportedDragActions() const override { return Qt::MoveAction; }
    Qt::DropActions supportedDropActions() const override { return Qt::MoveAction; }
    bool canDropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                         const QModelIndex& parent) const override;
    bool dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                      const QModelIndex& parent) override;

private:
    std::vector<TKolObject*> objects_;
};
