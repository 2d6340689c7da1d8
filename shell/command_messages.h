// What the player is told after the commands that reach outside the game: a print that went to
// a file or failed, and a System Info that could not start.
#pragma once

#include <QString>

namespace zandor {

struct PrintOutcome;
class SystemInfoLauncher;

// Empty when the page went to the printer: a print there says nothing.
QString printOutcomeMessage(const PrintOutcome& outcome);

// Starts the system-information program; empty when it started, else why nothing came.
QString startSystemInfo(SystemInfoLauncher& launcher);

} // namespace zandor
