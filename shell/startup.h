// The program's start: the splash, then the main window.
#pragma once

#include "shell/program.h"

#include <QString>
#include <memory>

namespace zandor {

// How long the splash stays up.
inline constexpr int kSplashMilliseconds = 1500;

// Shows the splash for the given time, building the program and loading its main window hidden
// meanwhile, then removes the splash and shows the main window. When the player closed the splash
// meanwhile, the window is closed at once instead (the shut-down sequence runs) and the result is
// null.
std::unique_ptr<Program> Main(const QString& programFolder,
                              int splashMilliseconds = kSplashMilliseconds);

} // namespace zandor
