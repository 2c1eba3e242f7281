#include "foundation/row_markup.h"
#include "ui/common/object_row_delegate.h"
#include "ui/common/qt_text.h"
#include "ui/common/row_delegate.h"

#include <QApplication>
#include <QImage>
#include <QListWidget>
#include <QPainter>
#include <QtTest>

namespace {
class TColoured : public TKolObject {
public:
    TColoured(TColor text, TColor back, TColor selected) : text_(text), back_(back), selected_(selected) {}
    TColor TextColor() const override { return text_; }
    TColor BackColor() const override { return back_; }
    TColor SelectedBackColor() const override { return selected_; }
    std::string GetListText(int) const override { return TRowMarkup().Cell(100, "Xx").Text(); }

private:
    TColor text_, back_, selected_;
};

const QColor kListBack(Qt::white);
const QColor kListText(Qt::black);

QImage Paint(const std::string& row, const TKolObject* object = nullptr, bool selected = false,
             int number = 0, const TRowCellPicture& picture = {}) {
    QImage image(400, 24, QImage::Format_RGB32);
    image.fill(Qt::magenta); // anything the painter leaves untouched shows up
    QPainter p(&image);
    QFont font("DejaVu Sans");
    font.setPixelSize(13);
    TRowDelegate::PaintRow(p, image.rect(), row, object, selected, number, font, kListBack, kListText,
                           picture);
    return image;
}

// Columns that hold a pixel other than `back` between rows 2 and 21.
QList<int> InkColumns(const QImage& image, const QColor& back, int from = 0, int to = 400) {
    QList<int> columns;
    for (int x = from; x < to; ++x)
        for (int y = 2; y < 22; ++y)
            if (image.pixelColor(x, y) != back) {
                columns << x;
                break;
            }
    return columns;
}

bool HasPixel(const QImage& image, const QColor& color) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == color) return true;
    return false;
}

std::string B(std::initializer_list<int> bytes) {
    std::string s;
    for (int b : bytes) s += static_cast<char>(b);
    return s;
}
// A player-like row without colours of its own: a name and a nationality code.
class TNational : public TKolObject {
public:
    std::string GetListText(int) const override { return TRowMarkup().Cell(40, "Xx").Cell(35, "ARG").Text(); }
};

} // namespace

class RowDelegateTest : public QObject {
    Q_OBJECT
private slots:
    void colourConversionPutsRedInTheLowByte() {
        QCOMPARE(ToQColor(0x0000FF), QColor(255, 0, 0));
        QCOMPARE(ToQColor(0xE8E088), QColor(0x88, 0xE0, 0xE8));
        QCOMPARE(FromQColor(QColor(0x88, 0xE0, 0xE8)), 0xE8E088);
        QCOMPARE(ToQString("\x80"), QString(QChar(0x20AC)));
        QCOMPARE(FromQString(QString(QChar(0x20AC)) + "a"), std::string("\x80"
                                                                        "a"));
    }

    void backgroundCodesFillTheWholeRow() {
        QCOMPARE(Paint(B({0xE4, 50}) + "a").pixelColor(390, 1), QColor(0x88, 0xE0, 0xE8));
        QCOMPARE(Paint(B({0xE5, 50}) + "a").pixelColor(390, 1), QColor(0x80, 0xFF, 0x80));
        QCOMPARE(Paint(B({0xE3, 50}) + "a").pixelColor(390, 23), QColor(Qt::white));
        // A plain row takes the list's background.
        QCOMPARE(Paint(B({50}) + "a").pixelColor(390, 1), kListBack);
    }

    void objectColoursFollowTheSelectionRules() {
        const TColoured plain(0, 0, 0);
        const TColoured green(0x0000FF, 0x00FF00, 0);
        const TColoured ownSelection(0, 0x00FF00, 0xFF0000);
        const TColoured systemBack(0, -2147483643, 0); // a system colour: negative
        // Not selected: the object's back colour when it has one, else the list's.
        QCOMPARE(Paint("", &plain).pixelColor(5, 5), kListBack);
        QCOMPARE(Paint("", &green).pixelColor(5, 5), QColor(0, 255, 0));
        // Selected: light yellow unless the object has a selected colour (or a negative back colour).
        QCOMPARE(Paint("", &plain, true).pixelColor(5, 5), QColor(0xFF, 0xFF, 0x80));
        QCOMPARE(Paint("", &green, true).pixelColor(5, 5), QColor(0xFF, 0xFF, 0x80));
        QCOMPARE(Paint("", &ownSelection, true).pixelColor(5, 5), QColor(0, 0, 255));
        QCOMPARE(Paint("", &systemBack, true).pixelColor(5, 5), ToQColor(-2147483643));
        // The object's text colour is the row's starting colour.
        QVERIFY(HasPixel(Paint(B({60}) + "WWW", &green), QColor(255, 0, 0)));
    }

    void cellsAdvanceByTheirWidthsAndAlign() {
        // Left-aligned: ink starts just after x = 2 + width of the cells before.
        QList<int> ink = InkColumns(Paint(B({80}) + "\t" + B({60}) + "W"), kListBack);
        QVERIFY(!ink.isEmpty());
        QVERIFY2(ink.first() >= 82 && ink.first() <= 85, qPrintable(QString::number(ink.first())));
        // Code 7: flush right with the cell's right edge (2 + 100).
        ink = InkColumns(Paint(B({7, 100}) + "8"), kListBack);
        QVERIFY(!ink.isEmpty());
        QVERIFY2(ink.last() <= 102 && ink.last() >= 97, qPrintable(QString::number(ink.last())));
        QVERIFY(ink.first() > 80);
        // Code 6: ten pixels in from the right edge.
        ink = InkColumns(Paint(B({6, 100}) + "8"), kListBack);
        QVERIFY(!ink.isEmpty());
        QVERIFY2(ink.last() <= 92 && ink.last() >= 87, qPrintable(QString::number(ink.last())));
        // The alignment is the cell's own: the next cell is left-aligned again.
        ink = InkColumns(Paint(B({6, 100}) + "\t" + B({100}) + "8"), kListBack);
        QVERIFY(!ink.isEmpty());
        QVERIFY2(ink.first() >= 102 && ink.first() <= 106, qPrintable(QString::number(ink.first())));
    }

    void aTextTooLongForItsCellStopsShortOfTheNext() {
        // Ten W in a cell of 40, then a cell of its own: the first ends in an ellipsis, three pixels free
        // before the second starts at 2 + 40.
        const QImage image = Paint(B({40}) + "WWWWWWWWWW\t" + B({40}) + "W");
        QVERIFY(!InkColumns(image, kListBack, 2, 39).isEmpty());
        QCOMPARE(InkColumns(image, kListBack, 39, 42), QList<int>());
        QVERIFY(!InkColumns(image, kListBack, 42, 82).isEmpty());
        // The last cell runs on to the end of the row.
        QVERIFY(!InkColumns(Paint(B({40}) + "WWWWWWWWWW"), kListBack, 42, 400).isEmpty());
    }

    void numberCellShiftsTheRowBy25() {
        const QImage numbered = Paint(B({60}) + "W", nullptr, false, 7);
        const QList<int> number = InkColumns(numbered, kListBack, 0, 27);
        QVERIFY(!number.isEmpty());
        QVERIFY(number.last() <= 17); // right-aligned 10 pixels in from 2 + 25
        const QList<int> rest = InkColumns(numbered, kListBack, 27, 400);
        QVERIFY(!rest.isEmpty());
        QVERIFY2(rest.first() >= 27 && rest.first() <= 30, qPrintable(QString::number(rest.first())));
    }

    void textColourCodesLastUntilChanged() {
        const QImage red = Paint(B({0xF9, 60}) + "WW\t" + B({60}) + "WW");
        QVERIFY(HasPixel(red, QColor(255, 0, 0)));
        // The second cell is still red.
        QList<int> redInk;
        for (int x = 62; x < 122; ++x)
            for (int y = 0; y < 24; ++y)
                if (red.pixelColor(x, y) == QColor(255, 0, 0)) redInk << x;
        QVERIFY(!redInk.isEmpty());
        // 0xF8 goes back to the starting colour.
        const QImage back = Paint(B({0xF9, 60}) + "WW\t" + B({0xF8, 60}) + "WW");
        for (int x = 62; x < 122; ++x)
            for (int y = 0; y < 24; ++y) QVERIFY(back.pixelColor(x, y) != QColor(255, 0, 0));
    }

    void marksAreDrawnAsSymbols() {
        QVERIFY(HasPixel(Paint(B({30, 237})), QColor(255, 0, 0)));
        QVERIFY(HasPixel(Paint(B({30, 238})), QColor(255, 255, 0)));
        QVERIFY(HasPixel(Paint(B({30, 239})), QColor(0, 128, 0)));
        // 253: a line across the whole row, 4 pixels above the bottom, in the text colour.
        const QImage line = Paint(B({0xFC, 30, 253}));
        for (int x : {0, 200, 399}) QCOMPARE(line.pixelColor(x, 23 - 4), QColor(0, 0, 255));
        QCOMPARE(line.pixelColor(200, 10), kListBack);
        // Only the line: nothing drawn above it (the mark byte is no character to show).
        const QImage plainLine = Paint(B({30, 253}));
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 400; ++x) QCOMPARE(plainLine.pixelColor(x, y), kListBack);
        const QList<int> dash = InkColumns(Paint(B({30, 254})), kListBack);
        QVERIFY(!dash.isEmpty() && dash.size() < 15);
    }

    void aCellPictureSitsOnTheRowsBackgroundInFrontOfItsCell() {
        QPixmap green(10, 6);
        green.fill(QColor(0, 200, 0));
        const TColoured plain(0, 0, 0);
        // Three cells of 40; the second is red and gets the picture.
        const std::string row = B({40}) + "W\t" + B({0xF9, 40}) + "W\t" + B({0xF8, 40}) + "W";
        const auto firstRed = [](const QImage& image) {
            for (int x = 0; x < image.width(); ++x)
                for (int y = 0; y < image.height(); ++y)
                    if (image.pixelColor(x, y) == QColor(255, 0, 0)) return x;
            return -1;
        };
        // With room of its own (20): the picture at 2 + 40, centred; the red text from 62; the third
        // cell from 2 + 80 + 20.
        QImage room = Paint(row, &plain, false, 0, {40, green, 20});
        QCOMPARE(room.pixelColor(42, 9), QColor(0, 200, 0));
        QCOMPARE(room.pixelColor(51, 14), QColor(0, 200, 0));
        QCOMPARE(room.pixelColor(52, 9), kListBack);
        QCOMPARE(room.pixelColor(42, 8), kListBack); // the row's own background around it, not black
        QVERIFY2(firstRed(room) >= 62 && firstRed(room) <= 65, qPrintable(QString::number(firstRed(room))));
        QList<int> ink = InkColumns(room, kListBack, 63 + 40 - 2, 400);
        QVERIFY2(!ink.isEmpty() && ink.first() >= 102 && ink.first() <= 105,
                 qPrintable(QString::number(ink.first())));
        // Inside its cell: the cell's text after the picture and a gap of 4; the third cell stays at 82.
        QImage inside = Paint(row, &plain, false, 0, {40, green, 0});
        QVERIFY2(firstRed(inside) >= 56 && firstRed(inside) <= 59,
                 qPrintable(QString::number(firstRed(inside))));
        ink = InkColumns(inside, kListBack, 82, 400);
        QVERIFY2(!ink.isEmpty() && ink.first() <= 85, qPrintable(QString::number(ink.first())));
        // A selected row without colours is light yellow around the picture too.
        QCOMPARE(Paint(row, &plain, true, 0, {40, green, 20}).pixelColor(42, 8), QColor(0xFF, 0xFF, 0x80));
        // A numbered row moves the picture with its cell.
        QCOMPARE(Paint(row, &plain, false, 3, {40, green, 20}).pixelColor(67, 9), QColor(0, 200, 0));
    }

    void aCountrysFlagIsDrawnOnTheRowNotOnABlackBox() {
        QListWidget list;
        auto* delegate = new TObjectRowDelegate(&list);
        list.setItemDelegate(delegate);
        delegate->ShowFlags(
            std::string(KOLBRIN_BINARY_DIR) + "/bin", 40,
            [](const TKolObject*) { return std::string("ARG"); }, 26);
        const TNational player;
        auto* item = new QListWidgetItem(&list);
        item->setData(kRowObjectRole, QVariant::fromValue(reinterpret_cast<quintptr>(&player)));
        QImage image(400, 24, QImage::Format_RGB32);
        image.fill(Qt::magenta);
        QPainter painter(&image);
        QStyleOptionViewItem option;
        option.rect = image.rect();
        option.font = QFont("DejaVu Sans");
        option.font.setPixelSize(13);
        option.palette.setColor(QPalette::Base, kListBack);
        option.palette.setColor(QPalette::Text, kListText);
        delegate->paint(&painter, option, list.model()->index(0, 0));
        painter.end();
        // The flag (40 x 28) fits 22 x 18: 22 x 15, from x = 42 and y = 4. Above it, the row's white.
        for (int x = 42; x < 64; ++x) QCOMPARE(image.pixelColor(x, 2), kListBack);
        const QColor flag = image.pixelColor(52, 8);
        QVERIFY2(flag != kListBack && flag != QColor(Qt::black) && flag != QColor(Qt::magenta),
                 qPrintable(flag.name()));
        QCOMPARE(image.pixelColor(64, 8), kListBack);
        // The code keeps its whole column, after the flag's room: from 2 + 40 + 26.
        const QList<int> ink = InkColumns(image, kListBack, 64, 400);
        QVERIFY2(!ink.isEmpty() && ink.first() >= 68 && ink.first() <= 71,
                 qPrintable(QString::number(ink.first())));
        QCOMPARE(delegate->sizeHint(option, list.model()->index(0, 0)).width(), 2 + 40 + 35 + 26);
    }

    void delegateAsksTheItemsObject() {
        QListWidget list;
        auto* delegate = new TRowDelegate(&list);
        list.setItemDelegate(delegate);
        const TColoured object(0, 0, 0);
        auto* withObject = new QListWidgetItem(&list);
        withObject->setData(kRowObjectRole, QVariant::fromValue(reinterpret_cast<quintptr>(&object)));
        withObject->setData(kRowTextRole, QByteArray("stale"));
        auto* plain = new QListWidgetItem(&list);
        plain->setData(kRowTextRole, QByteArray("\x50"
                                                "text"));
        QCOMPARE(delegate->RowText(list.model()->index(0, 0)), std::string("\x64"
                                                                           "Xx"));
        QCOMPARE(delegate->RowText(list.model()->index(1, 0)), std::string("\x50"
                                                                           "text"));
        delegate->SetNumbered(true);
        QStyleOptionViewItem option;
        option.font = list.font();
        QCOMPARE(delegate->sizeHint(option, list.model()->index(0, 0)).width(), 2 + 25 + 100);
    }
};

QTEST_MAIN(RowDelegateTest)
#include "row_delegate_test.moc"
