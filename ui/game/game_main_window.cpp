#include "ui/game/game_main_window.h"

#include "foundation/errors.h"
#include "foundation/file_helpers.h"
#include "foundation/kol_log.h"
#include "foundation/languages.h"
#include "foundation/settings.h"
#include "foundation/texts.h"
#include "ui/common/about_box.h"
#include "ui/common/kol_form.h"
#include "ui/common/qt_text.h"
#include "ui/common/select_lang_dlg.h"
#include "ui/common/trevansoft_wallpaper.h"
#include "ui/game/options_dlg.h"

#include <QApplication>
#include <QEvent>
#include <QGraphicsDropShadowEffect>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QRandomGenerator>
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
constexpr int kLanguageText = 553;

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

TmainWindow::TmainWindow(TSettingsStore& store, QWidget* parent) : QMainWindow(parent), store_(store) {
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
    languageAction_ = kolbrinMenu_->addAction(QString());
    languageAction_->setObjectName("idiomaKolbrin1");
    SetTextTag(languageAction_, kLanguageText);
    languageAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    QAction* about = kolbrinMenu_->addAction(QString());
    about->setObjectName("Acerca2");
    SetTextTag(about, kAboutText);
    kolbrinMenu_->addSeparator();
    QAction* quit = kolbrinMenu_->addAction(QString());
    quit->setObjectName("Sairsemgravar1");
    SetTextTag(quit, kQuitText);
    connect(options, &QAction::triggered, this, [this] { ShowOptionsDialog(store_, this); });
    connect(languageAction_, &QAction::triggered, this, &TmainWindow::ChangeLanguage);
    connect(about, &QAction::triggered, this, [this] { ShowAboutBox(TAboutBox::Mode::Normal, this); });
    connect(quit, &QAction::triggered, this, &QWidget::close);
    setMenuBar(menuBar);

    auto* background = new QWidget(this);
    background->setObjectName("background");
    background->setStyleSheet("#background { background: black; }");
    wallpaper_ = new TTrevansoftWallpaper(background);
    wallpaper_->setObjectName("wallpaper");
    wallpaper_->SetMode(TTrevansoftWallpaper::TMode::Stretch);
    // Which wallpaper is shown only decorates the screen: it is drawn from the interface's own generator,
    // never from the career's.
    const std::string picture =
        PickRandomFile(GameSettings().directory + "/Wallpapers", "bmp", [](std::int32_t n) {
            return static_cast<std::int32_t>(QRandomGenerator::global()->bounded(n));
        });
    if (!picture.empty()) wallpaper_->LoadPicture(picture);
    labelCaption_ = new QLabel(background);
    labelCaption_->setObjectName("labelCaption");
    labelCaption_->setAlignment(Qt::AlignCenter);
    labelCaption_->setStyleSheet("color: #f0c040; font-size: 64px; font-weight: 900; font-style: italic;");
    auto* shadow = new QGraphicsDropShadowEffect(labelCaption_);
    shadow->setOffset(4, 4);
    shadow->setBlurRadius(12);
    shadow->setColor(QColor(0, 0, 0, 220));
    labelCaption_->setGraphicsEffect(shadow);
    labelFooter_ = new QLabel(background);
    labelFooter_->setObjectName("labelFooter");
    SetTextTag(labelFooter_, kFooterText);
    labelFooter_->setAlignment(Qt::AlignCenter);
    labelFooter_->setStyleSheet("color: #f0f0e8; background: rgba(0, 0, 0, 150); font-size: 18px; "
                                "padding: 10px 28px; border-radius: 8px;");

    auto* layout = new QVBoxLayout(background);
    layout->setContentsMargins(0, 0, 0, 36);
    layout->addStretch(3);
    layout->addWidget(labelCaption_);
    layout->addStretch(4);
    layout->addWidget(labelFooter_, 0, Qt::AlignHCenter);
    setCentralWidget(background);

    ApplyTexts();

    for (QWidget* w : {static_cast<QWidget*>(this), background, static_cast<QWidget*>(wallpaper_),
                       static_cast<QWidget*>(labelCaption_), static_cast<QWidget*>(labelFooter_)}) {
        w->setMouseTracking(true);
        if (w != this) w->installEventFilter(this);
    }
}

void TmainWindow::ApplyTexts() {
    ApplyFormTexts(this);
    // The window caption is the program's name in every language.
    setWindowTitle(QCoreApplication::applicationName());
    labelCaption_->setText(windowTitle());
}

void TmainWindow::ChangeLanguage() {
    if (running_) return;
    TGameSettings& settings = GameSettings();
    const std::string code = SelectLanguage(settings.directory, this);
    if (code.empty()) return;
    try {
        StartLanguage(settings.directory, code);
    } catch (const std::exception& e) {
        const bool damaged = dynamic_cast<const EInvalidFile*>(&e) != nullptr;
        QMessageBox::warning(this, QCoreApplication::applicationName(),
                             ToQString(damaged ? LabelsFilePath(settings.directory, code) + ": " + e.what()
                                               : std::string(e.what())));
        // The language in use goes on; it opened at start, so it opens again.
        try {
            StartLanguage(settings.directory, settings.language);
        } catch (const std::exception& again) {
            WriteLog(std::string("Language ") + settings.language +
                     " could not be opened again: " + again.what());
        }
        return;
    }
    FillGameTimeProfiles([](int n) { return GetText(n); });
    settings.language = code;
    WriteSetting(store_, kSettingLanguage, code);
    store_.Flush();
    ApplyTexts();
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
    languageAction_->setEnabled(false);
    // The invitation to start has done its work.
    labelFooter_->hide();
    try {
        careerRoutine_();
    } catch (const std::exception& e) {
        // The career cannot go on: the log keeps what happened and the player is told before the window
        // closes.
        const std::string line = "Exception " + ClassName(e) + ": " + e.what();
        WriteLog(line);
        QMessageBox box(QMessageBox::Critical, QCoreApplication::applicationName(), ToQString(e.what()),
                        QMessageBox::Ok, this);
        box.setObjectName("ExceptionBox");
        box.exec();
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
    // A key starts the career as the mouse does, so it can be played without a mouse. Modifier keys alone
    // (the first half of a shortcut) do not.
    switch (event->key()) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_Meta:
    case Qt::Key_AltGr:
        break;
    default:
        GoOn();
        return;
    }
    QMainWindow::keyPressEvent(event);
}
