#include "shell/data_folder.h"

#include <QDir>

namespace zandor {

QString dataFolder(const QString& programFolder) {
    const QDir beside(programFolder);
    if (beside.exists("sounds") || beside.exists("pictures")) {
        return beside.absolutePath();
    }
    const QString installed = beside.absoluteFilePath("../share/zandor-bingo");
    return QDir(installed).exists() ? QDir(installed).absolutePath() : beside.absolutePath();
}

} // namespace zandor
