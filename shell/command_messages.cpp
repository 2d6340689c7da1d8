#include "shell/command_messages.h"

#include "platform/page_printer.h"
#include "platform/system_info.h"

namespace zandor {

QString printOutcomeMessage(const PrintOutcome& outcome) {
    switch (outcome.kind) {
    case PrintOutcome::Kind::Printed:
        return {};
    case PrintOutcome::Kind::PrintedToFile:
        return "Page Setup prints to a file, so the cards were saved as " + outcome.path;
    case PrintOutcome::Kind::SavedAsPdf:
        return "No printer is installed, so the cards were saved as " + outcome.path;
    case PrintOutcome::Kind::Failed:
        break;
    }
    return "The cards could not be printed.";
}

QString startSystemInfo(SystemInfoLauncher& launcher) {
    return launcher.start() ? QString() : "System Information Is Unavailable At This Time";
}

} // namespace zandor
