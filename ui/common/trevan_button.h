#pragma once
// A graphic button drawn from pictures: one for the resting state (up), one while pressed (down), one under
// the mouse (over) and one when disabled; it carries a hint. A missing picture falls back to the up picture;
// without any picture the button draws itself with its text.
#include <QAbstractButton>
#include <QPixmap>
#include <string>

class TTrevanButton final : public QAbstractButton {
    Q_OBJECT
public:
    enum class TState { Up, Down, Over, Disabled };

    explicit TTrevanButton(QWidget* parent = nullptr);

    // Loads the pictures from files (each only when its checksum is right); empty paths leave none.
    void LoadPictures(const std::string& up, const std::string& down, const std::string& over,
                      const std::string& disabled);
    void SetPicture(TState state, const QPixmap& picture);
    QPixmap Picture(TState state) const;
    void SetHint(const QString& hint) { setToolTip(hint); }
    QString Hint() const { return toolTip(); }

    // The state the button would be drawn in now.
    TState CurrentState() const;
    // The picture drawn for the current state (null when the button draws itself).
    QPixmap CurrentPicture() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    QPixmap pictures_[4];
    bool hovered_ = false;
};
