#include "foundation/picture_file.h"
#include "ui/common/clock_window.h"
#include "ui/common/kol_label.h"
#include "ui/common/progress_dlg.h"
#include "ui/common/trevan_button.h"
#include "ui/common/trevansoft_wallpaper.h"
#include "ui/common/wait_dlg.h"

#include <QApplication>
#include <QBuffer>
#include <QEnterEvent>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QtTest>

namespace {
QPixmap Solid(const QColor& color, int w = 40, int h = 30) {
    QPixmap p(w, h);
    p.fill(color);
    return p;
}

// Writes a PNG picture with its checksum trailer (or a wrong one) and returns its path.
std::string WritePicture(const QTemporaryDir& dir, const QString& name, const QColor& color,
                         bool validTrailer) {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    QImage image(8, 6, QImage::Format_RGB32);
    image.fill(color);
    image.save(&buffer, "PNG");
    std::vector<std::uint8_t> bytes(png.begin(), png.end());
    std::vector<std::uint8_t> out = AppendPictureChecksum(name.toStdString(), bytes);
    if (!validTrailer) out.back() ^= 0x55;
    const QString path = dir.filePath(name);
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(reinterpret_cast<const char*>(out.data()), static_cast<qint64>(out.size()));
    return path.toStdString();
}

bool Contains(const QImage& image, const QColor& color) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == color) return true;
    return false;
}
} // namespace

class ShellWidgetsTest : public QObject {
    Q_OBJECT
private slots:
    void progressHoldsItsPositionInsideTheRange() {
        TProgressDlg dialog;
        dialog.SetTitle(std::string("Grava\xe7\xe3o"));
        QCOMPARE(dialog.Title(), QString::fromUtf8("Grava\xc3\xa7\xc3\xa3o"));
        dialog.SetRange(0, 20);
        dialog.Start();
        QVERIFY(dialog.isVisible());
        dialog.SetPosition(13);
        QCOMPARE(dialog.Position(), 13);
        dialog.SetPosition(25);
        QCOMPARE(dialog.Position(), 20);
        dialog.SetPosition(-3);
        QCOMPARE(dialog.Position(), 0);
        // A range the wrong way round is empty, not an error.
        dialog.SetRange(10, 5);
        QCOMPARE(dialog.Minimum(), 10);
        QCOMPARE(dialog.Maximum(), 10);
        QCOMPARE(dialog.Position(), 10);
        dialog.Finish();
        QVERIFY(!dialog.isVisible());
    }

    void waitShowsItsMessageUntilHidden() {
        TWaitDlg wait;
        wait.ShowMessage(std::string("A ler as equipas\x85"));
        QVERIFY(wait.isVisible());
        QCOMPARE(wait.Message(), QString::fromUtf8("A ler as equipas\xe2\x80\xa6"));
        wait.ShowMessage(QString("Second"));
        QCOMPARE(wait.Message(), QString("Second"));
        wait.HideMessage();
        QVERIFY(!wait.isVisible());
    }

    void buttonDrawsThePictureOfItsState() {
        TTrevanButton button;
        button.SetPicture(TTrevanButton::TState::Up, Solid(Qt::red));
        button.SetPicture(TTrevanButton::TState::Down, Solid(Qt::blue));
        button.SetHint("Next round");
        QCOMPARE(button.toolTip(), QString("Next round"));
        button.resize(button.sizeHint());
        QCOMPARE(button.size(), QSize(40, 30));
        QCOMPARE(button.grab().toImage().pixelColor(20, 15), QColor(Qt::red));
        button.setDown(true);
        QCOMPARE(button.CurrentState(), TTrevanButton::TState::Down);
        QCOMPARE(button.grab().toImage().pixelColor(20, 15), QColor(Qt::blue));
        button.setDown(false);
        // No picture for the mouse-over state: the up picture stands in.
        QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
        QApplication::sendEvent(&button, &enter);
        QCOMPARE(button.CurrentState(), TTrevanButton::TState::Over);
        QCOMPARE(button.grab().toImage().pixelColor(20, 15), QColor(Qt::red));
        // Disabled without its own picture: the up picture, faded.
        button.setEnabled(false);
        const QColor faded = button.grab().toImage().pixelColor(20, 15);
        QVERIFY(faded != QColor(Qt::red));
        QCOMPARE(faded.red(), 255);
        QVERIFY(faded.green() > 100);
        button.SetPicture(TTrevanButton::TState::Disabled, Solid(Qt::gray));
        QCOMPARE(button.grab().toImage().pixelColor(20, 15), QColor(Qt::gray));
    }

    void picturesLoadOnlyWithAValidChecksum() {
        QTemporaryDir dir;
        const std::string good = WritePicture(dir, "up.png", Qt::green, true);
        const std::string bad = WritePicture(dir, "down.png", Qt::blue, false);
        TTrevanButton button;
        button.LoadPictures(good, bad, "", dir.filePath("missing.png").toStdString());
        QCOMPARE(button.Picture(TTrevanButton::TState::Up).size(), QSize(8, 6));
        QVERIFY(button.Picture(TTrevanButton::TState::Down).isNull());
        QVERIFY(button.Picture(TTrevanButton::TState::Over).isNull());
        QVERIFY(button.Picture(TTrevanButton::TState::Disabled).isNull());

        QWidget window;
        window.resize(60, 40);
        auto* wallpaper = new TTrevansoftWallpaper(&window);
        QVERIFY(!wallpaper->LoadPicture(bad));
        QVERIFY(!wallpaper->HasPicture());
        QVERIFY(wallpaper->LoadPicture(good));
        QCOMPARE(wallpaper->grab().toImage().pixelColor(30, 20), QColor(Qt::green));
    }

    void wallpaperFillsAndFollowsItsWindow() {
        QWidget window;
        window.resize(200, 100);
        auto* wallpaper = new TTrevansoftWallpaper(&window);
        QCOMPARE(wallpaper->geometry(), QRect(0, 0, 200, 100));
        window.show();
        window.resize(300, 150);
        QCOMPARE(wallpaper->geometry(), QRect(0, 0, 300, 150));

        QPixmap tile(2, 2);
        tile.fill(Qt::red);
        {
            QPainter p(&tile);
            p.fillRect(0, 0, 1, 1, Qt::blue);
        }
        wallpaper->SetPicture(tile);
        QImage shot = wallpaper->grab().toImage();
        // Tiled: the pattern repeats every two pixels across the whole window.
        QCOMPARE(shot.pixelColor(0, 0), QColor(Qt::blue));
        QCOMPARE(shot.pixelColor(298, 148), QColor(Qt::blue));
        QCOMPARE(shot.pixelColor(299, 148), QColor(Qt::red));
        wallpaper->SetMode(TTrevansoftWallpaper::TMode::Center);
        shot = wallpaper->grab().toImage();
        QVERIFY(shot.pixelColor(0, 0) != QColor(Qt::blue));
        QCOMPARE(shot.pixelColor(149, 75), QColor(Qt::red));
        // Without a picture: no colour of the old one.
        wallpaper->SetPicture(QPixmap());
        QVERIFY(!Contains(wallpaper->grab().toImage(), QColor(Qt::red)));
    }

    void labelDrawsItsShadowOnlyWhenShadowed() {
        TKolLabel label("Kolbrin", TKolLabel::TStyle::Shadowed);
        label.SetShadowColor(QColor(0, 0, 255));
        label.SetDepth(2);
        label.resize(label.sizeHint());
        QVERIFY(Contains(label.grab().toImage(), QColor(0, 0, 255)));
        label.SetStyle(TKolLabel::TStyle::Plain);
        QVERIFY(!Contains(label.grab().toImage(), QColor(0, 0, 255)));
        label.SetDepth(20);
        QCOMPARE(label.Depth(), 8);
        label.SetDepth(0);
        QCOMPARE(label.Depth(), 1);
        // Raised: the palette's light and dark colours appear around the text.
        QPalette pal = label.palette();
        pal.setColor(QPalette::Light, QColor(0, 255, 0));
        pal.setColor(QPalette::Dark, QColor(255, 0, 255));
        label.setPalette(pal);
        label.SetStyle(TKolLabel::TStyle::Raised);
        const QImage raised = label.grab().toImage();
        QVERIFY(Contains(raised, QColor(0, 255, 0)));
        QVERIFY(Contains(raised, QColor(255, 0, 255)));
    }

    void clockShowsAGivenTimeOrTheSystemClock() {
        TClockWindow clock;
        QVERIFY(clock.FollowsSystemClock());
        clock.SetTime(QTime(10, 8, 30));
        QVERIFY(!clock.FollowsSystemClock());
        QCOMPARE(clock.Time(), QTime(10, 8, 30));
        clock.resize(160, 160);
        // The second hand at 30 seconds points straight down from the centre.
        const QImage shot = clock.grab().toImage();
        const QColor hand = shot.pixelColor(80, 80 + 40);
        QVERIFY2(hand.red() > 150 && hand.green() < 120, qPrintable(hand.name()));
        QVERIFY(shot.pixelColor(80, 80 - 40).red() < 150 || shot.pixelColor(80, 80 - 40).green() > 150);
        clock.FollowSystemClock();
        QVERIFY(clock.FollowsSystemClock());
        QVERIFY(qAbs(clock.Time().secsTo(QTime::currentTime())) < 5);
    }
};

QTEST_MAIN(ShellWidgetsTest)
#include "shell_widgets_test.moc"
