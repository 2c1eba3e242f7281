#pragma once
// A small window that shows a message while the program works ("Reading the teams..."), until it is hidden.
// The career runs on the window thread, so showing it paints it at once, before the work starts.
#include <QDialog>
#include <string>

class QLabel;
class QTimer;

class TWaitDlg final : public QDialog {
    Q_OBJECT
public:
    explicit TWaitDlg(QWidget* parent = nullptr);

    // Shows (or updates) the message, centred over the parent or the screen, and paints it now.
    void ShowMessage(const QString& message);
    void ShowMessage(const std::string& cp1252Message);
    void HideMessage();
    QString Message() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QLabel* label_;
    QTimer* spin_;
    int phase_ = 0;
};
