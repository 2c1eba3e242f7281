#include "ui/game/market/game_folder.h"

#include "ui/common/qt_text.h"

#include <QCoreApplication>
#include <QDir>

std::string GameFolderOfProgram() {
    const QStringList args = QCoreApplication::arguments();
    for (int i = 1; i < args.size(); ++i) {
        if (args[i] == "--data-dir" && i + 1 < args.size())
            return PathFromQt(QDir(args[i + 1]).absolutePath());
        if (args[i].startsWith("--data-dir=")) return PathFromQt(QDir(args[i].mid(11)).absolutePath());
    }
    return PathFromQt(QCoreApplication::applicationDirPath());
}
