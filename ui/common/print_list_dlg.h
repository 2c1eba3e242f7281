#pragma once
// The generic list dialog: shows a list of objects, one row each, under a header that the first object
// sets up, painted with the row markup. It can number the rows, close by itself, scroll to the last row,
// let the person pick a row by double-click, and print its rows (to a printer or to a PDF file).
#include "foundation/kol_list.h"
#include "foundation/kol_object.h"
#include "ui/common/kol_form.h"

#include <QString>
#include <string>
#include <vector>

class QHeaderView;
class QListWidget;
class QPrinter;
class QPushButton;
class QStandardItemModel;
class QTimer;
class QToolButton;
class TRowDelegate;

class TPrintListDlg final : public TKolForm {
    Q_OBJECT
public:
    // Display flags.
    static constexpr int kAutoClose = 0x01; // closes itself after (rows + 3) timer ticks
    static constexpr int kNumbered = 0x02;  // 1-based number in front of every row
    static constexpr int kPickRow = 0x04;   // a double-click picks the row's object (hand cursor)
    static constexpr int kScrollToLast = 0x10;

    // `objects` must not hold nullptr (pack the list first); they must outlive the dialog.
    TPrintListDlg(std::vector<TKolObject*> objects, const std::string& caption, int mask, int flags,
                  int selector, QWidget* parent = nullptr);

    // Shows the dialog modally and returns the object picked by double-click, or nullptr. An empty list
    // returns nullptr at once without showing anything.
    TKolObject* Execute();

    // The timer of the self-closing dialog (1 second by default).
    void SetTickInterval(int milliseconds);
    int Ticks() const { return ticks_; }
    // The print button shows an icon; its hint and the close button's caption may be set by the caller
    // (the close button takes its caption from the labels file otherwise).
    void SetButtonTexts(const QString& printHint, const QString& closeCaption);

    QListWidget* ListBox() const { return list_; }
    QHeaderView* Header() const { return header_; }
    TKolObject* Picked() const { return picked_; }

    // The rows as they are painted (row markup, with the number cell when numbered).
    std::vector<std::string> RowTexts() const;
    // The printed document: the caption, the header and every row, as HTML.
    QString PrintHtml() const;
    void PrintTo(QPrinter& printer) const;
    // Prints to a PDF file; false when the file could not be written.
    bool PrintToPdf(const QString& fileName) const;

private:
    void PrintBtnClick();
    void TimerTick();
    void ListBoxDoubleClick(int row);

    std::vector<TKolObject*> objects_;
    int mask_;
    int flags_;
    int selector_;
    int ticks_ = 0;
    TKolObject* picked_ = nullptr;
    QString caption_;
    QHeaderView* header_ = nullptr;
    QStandardItemModel* headerModel_ = nullptr;
    QListWidget* list_ = nullptr;
    TRowDelegate* delegate_ = nullptr;
    QToolButton* printBtn_ = nullptr;
    QPushButton* closeBtn_ = nullptr;
    QTimer* timer_ = nullptr;
};

// Opens the list dialog on `objects` and returns the object the person picked, or nullptr.
TKolObject* ShowObjectList(const std::vector<TKolObject*>& objects, const std::string& caption, int mask,
                           int flags, int selector = 0, QWidget* parent = nullptr);

// The same on a list: packs it first (its nil entries go), then shows its objects.
template <class T>
T* ShowObjectList(TKolList<T>& list, const std::string& caption, int mask, int flags, int selector = 0,
                  QWidget* parent = nullptr) {
    list.Pack();
    std::vector<TKolObject*> objects(list.begin(), list.end());
    return static_cast<T*>(ShowObjectList(objects, caption, mask, flags, selector, parent));
}
