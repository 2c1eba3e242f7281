#pragma once
// A small window with a clock face. It follows the system clock, or shows a time it is given (the time of
// a match, of a countdown) when the caller sets one.
#include <QTime>
#include <QWidget>

class QTimer;

class TClockWindow final : public QWidget {
    Q_OBJECT
public:
    explicit TClockWindow(QWidget* parent = nullptr);

    // Shows this time from now on and stops following the system clock.
    void SetTime(const QTime& time);
    // Follows the system clock again (the default).
    void FollowSystemClock();
    bool FollowsSystemClock() const { return follow_; }
    QTime Time() const { return time_; }
    // A line of text under the face (empty for none).
    void SetCaption(const QString& caption);
    QString Caption() const { return caption_; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void Tick();

    QTimer* timer_;
    QTime time_;
    QString caption_;
    bool follow_ = true;
};
