// Where the program's data (sounds/, pictures/, help/) lives: beside the program in a build
// folder, or when installed in ${CMAKE_INSTALL_DATADIR}/zandor-bingo, found from the program's
// folder ${CMAKE_INSTALL_BINDIR} (share/games/zandor-bingo from games/ by default; the path is
// worked out when the build is configured, see app/CMakeLists.txt).
#pragma once

#include <QString>

namespace zandor {

QString dataFolder(const QString& programFolder);

} // namespace zandor
