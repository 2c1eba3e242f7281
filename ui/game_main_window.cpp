#include "ui/game_main_window.h"

#include "foundation/kol_log.h"
#include "ui/about_box.h"
#include "ui/kol_form.h"
#include "ui/options_dlg.h"
#include "ui/qt_text.h"

#include <QApplication>
#include <QEvent>
#include <QGraphicsDropShadowEffect>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QVBoxLayout>
#include <cstdlib>
#include <exception>
#include <typeinfo>
#ifdef __GNUG__
#include <cxxabi.h>
#endif

namespace {
constexpr int kFooterText = 324;
constexpr int kOptionsText = 332;
constexpr int kQuitText = 333;
constexpr int kAboutText = 334;

// The class name of an exception as the reader knows it.
std::string ClassName(const std::exception& e) {
    const char* raw = typeid(e).name();
#ifdef __GNUG__
    int status = 0;
    char* plain = abi::__cxa_demangle(raw, nullptr, nullptr, &status);
    if (status == 0 && plain) {
        std::string name(plain);
        std::free(plain);
        return name;
    }
    std::free(plain);
#endif
    return raw;
}
} // namespace

TmainWindow::TmainWindow(QWidget* parent) : QMainWindow(parent) {
    setObjectName("mainWindow");
    setWindowFlag(Qt::FramelessWindowHint);
    setStyleSheet("QMainWindow { background: black; }"
                  "QMenuBar { background: #101418; color: #d8d8d8; }"
                  "QMenuBar::item:selected { background: #2a4a2a; }"
                  "QMenu { background: #181c20; color: #e0e0e0; border: 1px solid #3a3a3a; }"
                  "QMenu::item:selected { background: #2f6f35; }");

    auto* menuBar = new QMenuBar(this);
    kolbrinMenu_ = menuBar->addMenu(QCoreApplication::applicationName());
    kolbrinMenu_->setObjectName("kolbrinMenu");
    QAction* options = kolbrinMenu_->addAction(QString());
    options->setObjectName("opcoesKolbrin1");
    SetTextTag(options, kOptionsText);
    QAction* about = kolbrinMenu_->addAction(QString());
    about->setObjectName("Acerca2");
    SetTextTag(about, kAboutText);
    kolbrinMenu_->addSeparator();
    QAction* quit = kolbrinMenu_->addAction(QString());
    quit->setObjectName("Sairsemgravar1");
    SetTextTag(quit, kQuitText);
    connect(options, &QAction::triggered, this, [this] { ShowOptionsDialog(this); });
    connect(about, &QAction::triggered, this, [this] { ShowAboutBox(TAboutBox::Mode::Normal, this); });
    connect(quit, &QAction::triggered, this, &QWidget::close);
    setMenuBar(menuBar);

    wallpaper_ = new QWidget(this);
    wallpaper_->setObjectName("wallpaper");
    wallpaper_->setStyleSheet("#wallpaper { background: qradialgradient(cx:0.5, cy:0.45, radius:0.8, "
                              "fx:0.5, fy:0.45, stop:0 #0d2a12, stop:0.6 #050d07, stop:1 black); }");
    labelCaption_ = new QLabel(wallpaper_);
    labelCaption_->setObjectName("labelCaption");
    labelCaption_->setAlignment(Qt::AlignCenter);
    labelCaption_->setStyleSheet("color: #f0c040; font-size: 64px; font-weight: 900; font-style: italic;");
    auto* shadow = new QGraphicsDropShadowEffect(labelCaption_);
    shadow->setOffset(4, 4);
    shadow->setBlurRadius(12);
    shadow->setColor(QColor(0, 0, 0, 220));
    labelCaption_->setGraphicsEffect(shadow);
    labelFooter_ = new QLabel(wallpaper_);
    labelFooter_->setObjectName("labelFooter");
    SetTextTag(labelFooter_, kFooterText);
    labelFooter_->setAlignment(Qt::AlignCenter);
    labelFooter_->setStyleSheet("color: #a0b0a0; font-size: 16px; padding-bottom: 24px;");

    auto* layout = new QVBoxLayout(wallpaper_);
    layout->addStretch(3);
    layout->addWidget(labelCaption_);
    layout->addStretch(4);
    layout->addWidget(labelFooter_);
    setCentralWidget(wallpaper_);

    ApplyFormTexts(this);
    // The window caption is the program's name in every language.
    setWindowTitle(QCoreApplication::applicationName());
    labelCaption_->setText(windowTitle());

    for (QWidget* w : {static_cast<QWidget*>(this), wallpaper_, static_cast<QWidget*>(labelCaption_),
                       static_cast<QWidget*>(labelFooter_)}) {
        w->setMouseTracking(true);
        if (w != this) w->installEventFilter(this);
    }
}

void TmainWindow::GoOn() {
    if (running_) {
        Trace(1, "Main window: mouse move while the career runs");
        return;
    }
    // ---- The career starts here. ----
    // Until the career routine is plugged in, the window only waits.
    if (!careerRoutine_) return;
    running_ = true;
    try {
        careerRoutine_();
    } catch (const std::exception& e) {
        WriteLog("Exception " + ClassName(e) + ": " + e.what());
    }
    close();
}

bool TmainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseMove) GoOn();
    return QMainWindow::eventFilter(watched, event);
}

void TmainWindow::mouseMoveEvent(QMouseEvent* event) {
    GoOn();
    QMainWindow::mouseMoveEvent(event);
}

void TmainWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1) {
        ShowAboutBox(TAboutBox::Mode::Normal, this);
        return;
    }
    QMainWindow::keyPressEvent(event);
}
