#include "foundation/row_markup.h"
#include "ui/common/print_list_dlg.h"
#include "ui/common/row_delegate.h"

#include <QApplication>
#include <QFile>
#include <QHeaderView>
#include <QListWidget>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QTimer>
#include <QtTest>

namespace {
class TScorer : public TKolObject {
public:
    TScorer(std::string n, int g) : name(std::move(n)), goals(g) {}
    std::string GetListText(int mask) const override {
        TRowMarkup row;
        if (mask & 1) row.Cell(140, name);
        if (mask & 2) row.Cell(kRowAlignRight, 50, std::to_string(goals));
        return row.Text();
    }
    void SetupColumns(TColumnList& header, bool numbered, int a, int b) const override {
        TKolObject::SetupColumns(header, numbered, a, b);
        if (a & 1) AddColumn(header, "Name", 140);
        if (a & 2) AddColumn(header, "Goals", 50);
    }
    std::string name;
    int goals;
};

// Runs `action` on the modal list dialog as soon as it is up.
void OnModalDialog(std::function<void(TPrintListDlg*)> action) {
    QTimer::singleShot(0, [action] {
        auto* dialog = qobject_cast<TPrintListDlg*>(QApplication::activeModalWidget());
        QVERIFY(dialog);

        action(dialog);
    });
}

void DoubleClickRow(TPrintListDlg* dialog, int row) {
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    QListWidget* list = dialog->ListBox();
    const QRect r = list->visualItemRect(list->item(row));
    QVERIFY(!r.isEmpty());
    // An item view takes a double-click only on the row the button went down on.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, r.center());
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, r.center());
}
} // namespace

class PrintListDlgTest : public QObject {
    Q_OBJECT
private:
    TScorer a{"Ana Brito", 12}, b{"Rui Costa\xe7", 7}, c{"Zeca", 0};
    std::vector<TKolObject*> three{&a, &b, &c};

private slots:
    void emptyListReturnsNullWithoutShowing() {
        bool shown = false;
        QTimer::singleShot(0, [&] { shown = QApplication::activeModalWidget() != nullptr; });
        std::vector<TKolObject*> none;
        QCOMPARE(ShowObjectList(none, "Empty", 3, TPrintListDlg::kPickRow), nullptr);
        // A list holding only nil entries is empty once packed.
        TKolList<TScorer> nils;
        nils.Add(nullptr);
        nils.Add(nullptr);
        QCOMPARE(ShowObjectList(nils, "Empty", 3, 0), nullptr);
        QCOMPARE(nils.Count(), 0);
        QCoreApplication::processEvents();
        QVERIFY(!shown);
        TPrintListDlg dialog({}, "Empty", 3, 0, 0);
        QCOMPARE(dialog.Execute(), nullptr);
        QVERIFY(!dialog.isVisible());
    }

    void headerAndRowsComeFromTheObjects() {
        TPrintListDlg dialog(three, "Scorers", 3, 0, 0);
        QCOMPARE(dialog.windowTitle(), QString("Scorers"));
        QCOMPARE(dialog.Header()->count(), 2);
        QCOMPARE(dialog.Header()->sectionSize(0), 140);
        QCOMPARE(dialog.Header()->model()->headerData(1, Qt::Horizontal).toString(), QString("Goals"));
        QCOMPARE(dialog.ListBox()->count(), 3);
        const auto rows = dialog.RowTexts();
        QCOMPARE(rows[0], std::string("\x8c"
                                      "Ana Brito\t\x06\x32"
                                      "12"));
        // The row is asked again when it is painted: a changed object shows its new text.
        c.goals = 4;
        QCOMPARE(dialog.RowTexts()[2], std::string("\x8c"
                                                   "Zeca\t\x06\x32"
                                                   "4"));
        c.goals = 0;
    }

    void numberingAddsTheNumberCellAndColumn() {
        TPrintListDlg dialog(three, "Scorers", 1, TPrintListDlg::kNumbered, 0);
        QCOMPARE(dialog.Header()->count(), 2);
        QCOMPARE(dialog.Header()->sectionSize(0), 25);
        QCOMPARE(dialog.Header()->model()->headerData(0, Qt::Horizontal).toString(), QString());
        const auto rows = dialog.RowTexts();
        QCOMPARE(rows[0], std::string("\x06\x19"
                                      "1\t\x8c"
                                      "Ana Brito"));
        QCOMPARE(rows[2], std::string("\x06\x19"
                                      "3\t\x8c"
                                      "Zeca"));
    }

    void doubleClickPicksTheRowsObject() {
        OnModalDialog([](TPrintListDlg* dialog) {
            // Whatever goes wrong, the dialog must not stay open.
            QTimer::singleShot(5000, dialog, &QDialog::reject);
            QCOMPARE(dialog->ListBox()->viewport()->cursor().shape(), Qt::PointingHandCursor);
            DoubleClickRow(dialog, 1);
        });
        QCOMPARE(ShowObjectList(three, "Pick", 3, TPrintListDlg::kPickRow), &b);
    }

    void doubleClickWithoutThePickFlagPicksNothing() {
        bool stillOpen = false;
        OnModalDialog([&](TPrintListDlg* dialog) {
            QTimer::singleShot(5000, dialog, &QDialog::reject);
            QVERIFY(dialog->ListBox()->viewport()->cursor().shape() != Qt::PointingHandCursor);
            DoubleClickRow(dialog, 1);
            QTimer::singleShot(0, dialog, [&stillOpen, dialog] {
                stillOpen = dialog->isVisible();
                dialog->reject();
            });
        });
        QCOMPARE(ShowObjectList(three, "No pick", 3, 0), nullptr);
        QVERIFY(stillOpen);
    }

    void autoCloseAfterRowsPlusThreeTicks() {
        TPrintListDlg dialog(three, "Auto", 3, TPrintListDlg::kAutoClose, 0);
        dialog.SetTickInterval(5);
        QCOMPARE(dialog.Execute(), nullptr);
        // Closes on the first tick past rows + 3 = 6.
        QCOMPARE(dialog.Ticks(), 7);
    }

    void scrollToLastSelectsTheLastRow() {
        std::vector<TScorer> many;
        for (int i = 0; i < 200; ++i) many.emplace_back("P" + std::to_string(i), i);
        std::vector<TKolObject*> objects;
        for (auto& s : many) objects.push_back(&s);
        int current = -1;
        bool lastVisible = false;
        OnModalDialog([&](TPrintListDlg* dialog) {
            QTimer::singleShot(5000, dialog, &QDialog::reject);
            QTimer::singleShot(50, dialog, [&, dialog] {
                QListWidget* list = dialog->ListBox();
                current = list->currentRow();
                lastVisible = list->viewport()->rect().intersects(list->visualItemRect(list->item(199)));
                dialog->reject();
            });
        });
        ShowObjectList(objects, "Many", 3, TPrintListDlg::kScrollToLast);
        QCOMPARE(current, 199);
        QVERIFY(lastVisible);
    }

    void printsTheRowsToAPdfFile() {
        TPrintListDlg dialog(three, "Top scorers", 3, TPrintListDlg::kNumbered, 0);
        QTextDocument document;
        document.setHtml(dialog.PrintHtml());
        const QString text = document.toPlainText();
        QVERIFY(text.contains("Top scorers"));
        QVERIFY(text.contains("Goals"));
        QVERIFY(text.contains("Ana Brito"));
        QVERIFY(text.contains(QString::fromUtf8("Rui Costa\xc3\xa7")));
        QVERIFY(!text.contains(QChar(0x8c))); // width bytes are not text

        QTemporaryDir dir;
        const QString pdf = dir.filePath("list.pdf");
        QVERIFY(dialog.PrintToPdf(pdf));
        QFile file(pdf);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.read(5) == "%PDF-");
        if (QStandardPaths::findExecutable("pdftotext").isEmpty()) QSKIP("pdftotext is not installed");
        QProcess p;
        p.start("pdftotext", {"-layout", pdf, "-"});
        QVERIFY(p.waitForFinished(20000));
        const QString printed = QString::fromUtf8(p.readAllStandardOutput());
        QVERIFY2(printed.contains("Ana Brito"), qPrintable(printed));
        QVERIFY(printed.contains("Zeca"));
        QVERIFY(printed.contains("12"));
        QVERIFY(!QFileInfo::exists(dir.filePath("missing/x.pdf")) &&
                !dialog.PrintToPdf(dir.filePath("missing/x.pdf")));
    }
};

QTEST_MAIN(PrintListDlgTest)
#include "print_list_dlg_test.moc"
