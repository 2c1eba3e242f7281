#pragma once
// A window with a title and a bar that follows a long piece of work (loading or saving a game, building
// the world). The work runs on the window thread, so each new position paints the window at once.
#include <QDialog>
#include <string>

class QLabel;
class QProgressBar;

class TProgressDlg final : public QDialog {
    Q_OBJECT
public:
    explicit TProgressDlg(QWidget* parent = nullptr);

    void SetTitle(const QString& title);
    void SetTitle(const std::string& cp1252Title);
    // A range with max below min is taken as empty (min..min).
    void SetRange(int min, int max);
    // Positions outside the range are held at its ends.
    void SetPosition(int position);
    // Shows the window (centred over its parent or the screen) and paints it.
    void Start();
    void Finish();

    QString Title() const;
    int Minimum() const;
    int Maximum() const;
    int Position() const;

private:
    void PaintNow();

    QLabel* title_;
    QProgressBar* bar_;
};
