#include "shell/data_folder.h"

#include <QDir>

// From the installed program's folder to its data: ${CMAKE_INSTALL_DATADIR}/zandor-bingo seen
// from ${CMAKE_INSTALL_BINDIR}, worked out when the build is configured.
#ifndef ZANDOR_DATA_FROM_BINDIR
#define ZANDOR_DATA_FROM_BINDIR "../share/games/zandor-bingo"
#endif

namespace zandor {

QString dataFolder(const QString& programFolder) {
    const QDir beside(programFolder);
    if (beside.exists("sounds") || beside.exists("pictures")) {
        return beside.absolutePath();
    }
    const QString installed = beside.absoluteFilePath(QStringLiteral(ZANDOR_DATA_FROM_BINDIR));
    return QDir(installed).exists() ? QDir(installed).absolutePath() : beside.absolutePath();
}

} // namespace zandor
