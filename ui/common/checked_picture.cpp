#include "ui/common/checked_picture.h"

#include "datafiles/countries.h"
#include "foundation/file_helpers.h"
#include "foundation/picture_file.h"
#include "ui/common/qt_text.h"

#include <QImage>

QPixmap LoadCheckedPicture(const std::string& path) {
    if (path.empty()) return QPixmap();
    const std::string native = ToNativePath(path);
    if (CheckPictureFile(native) != kPictureValid) return QPixmap();
    QImage image;
    if (!image.load(PathToQt(native))) return QPixmap();
    return QPixmap::fromImage(image);
}

QPixmap LoadFlag(const std::string& dataDir, const std::string& code) {
    const TFlagFile flag = FlagFile(dataDir, code);
    return flag.exists ? LoadCheckedPicture(flag.path) : QPixmap();
}
