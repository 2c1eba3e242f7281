#pragma once
// Fills a window with a picture, tiled, stretched or centred. Placed as a child of the window it covers
// the whole window, follows its size and stays behind the other children. Without a (valid) picture it
// paints a quiet gradient, so a missing wallpaper never leaves the window grey.
#include <QPixmap>
#include <QWidget>
#include <string>

class TTrevansoftWallpaper final : public QWidget {
    Q_OBJECT
public:
    enum class TMode { Tile, Stretch, Center };

    // With a parent, the wallpaper fills the parent and keeps filling it when it is resized.
    explicit TTrevansoftWallpaper(QWidget* parent = nullptr);

    // Loads the picture (only when its checksum is right); false when there is none to show.
    bool LoadPicture(const std::string& path);
    void SetPicture(const QPixmap& picture);
    QPixmap Picture() const { return picture_; }
    bool HasPicture() const { return !picture_.isNull(); }
    void SetMode(TMode mode);
    TMode Mode() const { return mode_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPixmap picture_;
    TMode mode_ = TMode::Tile;
};
