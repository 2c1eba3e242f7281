#pragma once
// An owner-drawn list with a header: the columns of the rows' objects (their captions and widths as the
// objects set them up) over a list painted by the row painter, one object a row. A click on a header
// section asks for that column's order, a second click on it for the reverse.
#include "foundation/kol_object.h"
#include "ui/common/object_list_model.h"
#include "ui/common/object_row_delegate.h"

#include <QHeaderView>
#include <QListView>
#include <QStandardItemModel>
#include <QWidget>
#include <string>
#include <vector>

class TObjectListView : public QWidget {
public:
    // The columns of `prototype`'s column set `columnSet`; `mask` goes to each row's text.
    TObjectListView(const TKolObject& prototype, int columnSet, int mask, QWidget* parent);

    // Where a column starts in a row and how wide it is, as the row's cells are laid out.
    int ColumnLeft(int section) const;
    int ColumnWidth(int section) const { return columnWidths_.at(static_cast<std::size_t>(section)); }
    const std::string& Caption(int section) const { return captions_.at(static_cast<std::size_t>(section)); }
    // Widens the header's section by `extra` pixels, for a column whose rows draw something of their own
    // in front of it (a flag with room of its own: TObjectRowDelegate::ShowFlags).
    void WidenColumn(int section, int extra);

    // The order a click on `section` asks for: the column's own order the first time, the reverse when
    // the same column is clicked again. The header shows the column and the direction.
    TKolOrder NextOrder(int section, TKolOrder order);
    TKolObject* Current() const { return model->ObjectAt(view->currentIndex().row()); }
    // Selects and shows `object`'s row; nullptr (or an object not listed) clears the selection.
    void Select(const TKolObject* object);

    TObjectListModel* model;
    QListView* view;
    TObjectRowDelegate* delegate;
    QHeaderView* header;
    QStandardItemModel* headerModel;

protected:
    void showEvent(QShowEvent* event) override;

private:
    std::vector<std::string> captions_;
    std::vector<int> widths_;
    std::vector<int> columnWidths_;
    int sortSection_ = -1;
    bool reversed_ = false;
};
