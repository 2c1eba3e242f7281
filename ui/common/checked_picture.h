#pragma once
// Every picture the programs show (flags, faces, icons, wallpapers, button pictures) is loaded only when its
// checksum trailer is right; otherwise it counts as missing and the caller draws without it.
#include <QPixmap>
#include <string>

// The picture at `path` ("\" or "/" separators), or a null pixmap when the file is missing, unreadable,
// fails its checksum or is no picture.
QPixmap LoadCheckedPicture(const std::string& path);

// The flag of a country from <dataDir>/flags, loaded as above; a null pixmap when it has none. The one way
// every list and dialog loads a flag.
QPixmap LoadFlag(const std::string& dataDir, const std::string& code);
