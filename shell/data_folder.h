// Where the program's data (sounds/, pictures/) lives: beside the program in a build folder,
// or in share/zandor-bingo/ next to its bin/ when installed.
#pragma once

#include <QString>

namespace zandor {

QString dataFolder(const QString& programFolder);

} // namespace zandor
