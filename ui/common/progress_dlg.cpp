#include "ui/common/progress_dlg.h"

#include "ui/common/qt_text.h"
#include "ui/common/window_placement.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>

TProgressDlg::TProgressDlg(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), title_(new QLabel(this)),
      bar_(new QProgressBar(this)) {
    setModal(false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 14, 18, 16);
    layout->setSpacing(10);
    QFont f = title_->font();
    f.setBold(true);
    title_->setFont(f);
    title_->setWordWrap(true);
    layout->addWidget(title_);
    bar_->setTextVisible(true);
    bar_->setMinimumWidth(320);
    bar_->setRange(0, 100);
    bar_->setValue(0);
    layout->addWidget(bar_);
}

void TProgressDlg::SetTitle(const QString& title) {
    title_->setText(title);
    setWindowTitle(title);
    PaintNow();
}

void TProgressDlg::SetTitle(const std::string& cp1252Title) {
    SetTitle(ToQString(cp1252Title));
}

void TProgressDlg::SetRange(int min, int max) {
    bar_->setRange(min, std::max(min, max));
    bar_->setValue(min);
    PaintNow();
}

void TProgressDlg::SetPosition(int position) {
    const int held = std::clamp(position, bar_->minimum(), bar_->maximum());
    if (held == bar_->value()) return;
    bar_->setValue(held);
    PaintNow();
}

void TProgressDlg::Start() {
    adjustSize();
    CenterOverParent(this);
    show();
    raise();
    PaintNow();
}

void TProgressDlg::Finish() {
    hide();
}

QString TProgressDlg::Title() const {
    return title_->text();
}
int TProgressDlg::Minimum() const {
    return bar_->minimum();
}
int TProgressDlg::Maximum() const {
    return bar_->maximum();
}
int TProgressDlg::Position() const {
    return bar_->value();
}

void TProgressDlg::PaintNow() {
    if (!isVisible()) return;
    repaint();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}
