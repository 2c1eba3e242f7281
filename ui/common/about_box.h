#pragma once
// The About box: the application title and version over a picture of a floodlit pitch drawn by code. At
// start it is a splash that closes by itself after a few seconds, or at a click or a key; on F1 it is a
// dialog with an OK button.
#include "ui/common/kol_form.h"

class QPushButton;
class QTimer;

class TAboutBox final : public TKolForm {
    Q_OBJECT
public:
    enum class Mode { Start, Normal };
    explicit TAboutBox(Mode mode, QWidget* parent = nullptr);

    Mode ShownMode() const { return mode_; }
    QPushButton* OKBtn() const { return okBtn_; }
    // How long the start screen stays when nobody touches it.
    static constexpr int kStartScreenMs = 4000;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    Mode mode_;
    QPushButton* okBtn_ = nullptr;
    QTimer* closeTimer_ = nullptr;
};

// Draws the About picture (pitch, stands, floodlights, ball, title and version) into `rect`.
void PaintAboutPicture(QPainter& painter, const QRect& rect, const QString& title, const QString& version);

// Shows the About box modally in the given mode.
void ShowAboutBox(TAboutBox::Mode mode, QWidget* parent = nullptr);
