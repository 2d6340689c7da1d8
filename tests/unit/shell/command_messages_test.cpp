#include "platform/page_printer.h"
#include "platform/system_info.h"
#include "shell/command_messages.h"

#include <gtest/gtest.h>

namespace zandor {
namespace {

// A print to a file or saved as PDF is told through the real window (form1_test), a printed page
// says nothing (print-cards).
TEST(PrintMessage, SaysSoWhenPrintingFailed) {
    EXPECT_EQ(printOutcomeMessage({PrintOutcome::Kind::Failed, ""}).toStdString(),
              "The cards could not be printed.");
}

struct StartingLauncher final : SystemInfoLauncher {
    bool start() override { return ++calls, true; }
    int calls = 0;
};

TEST(SystemInfo, StartsOnceAndSaysNothingWhenTheProgramStarts) {
    StartingLauncher launcher;
    EXPECT_EQ(startSystemInfo(launcher), QString());
    EXPECT_EQ(launcher.calls, 1);
}

} // namespace
} // namespace zandor
