// Where MYGAME.INI lives: beside the program, as it always has, or in the player's own data
// folder when the program's folder cannot be written (an installed copy, a read-only folder).
#pragma once

#include <QString>

namespace zandor {

// programFolder: the folder of the binary; installed: its data is in share/, not beside it;
// userDataFolder: the per-user data folder (QStandardPaths::AppDataLocation), made when it is
// chosen and missing. Reading and writing both use the path returned.
QString highScoreFilePath(const QString& programFolder, bool installed,
                          const QString& userDataFolder);

} // namespace zandor
