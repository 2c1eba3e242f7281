#include "ui/checked_picture.h"

#include "foundation/file_helpers.h"
#include "foundation/picture_file.h"

#include <QImage>

QPixmap LoadCheckedPicture(const std::string& path) {
    if (path.empty()) return QPixmap();
    const std::string native = ToNativePath(path);
    if (CheckPictureFile(native) != kPictureValid) return QPixmap();
    QImage image;
    if (!image.load(QString::fromStdString(native))) return QPixmap();
    return QPixmap::fromImage(image);
}
