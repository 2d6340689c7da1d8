#include "platform/page_printer.h"
#include "platform/system_info.h"
#include "shell/command_messages.h"

#include <gtest/gtest.h>

namespace zandor {
namespace {

struct PrintCase {
    const char* name;
    PrintOutcome outcome;
    const char* message;
};

void PrintTo(const PrintCase& printCase, std::ostream* out) {
    *out << printCase.name;
}

class PrintMessage : public testing::TestWithParam<PrintCase> {};

TEST_P(PrintMessage, SaysWhereAPageWentThatDidNotReachThePrinter) {
    EXPECT_EQ(printOutcomeMessage(GetParam().outcome).toStdString(), GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(
    EachOutcome, PrintMessage,
    testing::Values(
        PrintCase{"Printed", {PrintOutcome::Kind::Printed, ""}, ""},
        PrintCase{"PrintedToFile",
                  {PrintOutcome::Kind::PrintedToFile, "/tmp/cards.pdf"},
                  "Page Setup prints to a file, so the cards were saved as /tmp/cards.pdf"},
        PrintCase{"SavedAsPdf",
                  {PrintOutcome::Kind::SavedAsPdf, "/home/p/Zandor Bingo cards.pdf"},
                  "No printer is installed, so the cards were saved as /home/p/Zandor Bingo "
                  "cards.pdf"},
        PrintCase{"Failed", {PrintOutcome::Kind::Failed, ""}, "The cards could not be printed."}),
    [](const auto& info) { return std::string(info.param.name); });

struct FakeLauncher final : SystemInfoLauncher {
    explicit FakeLauncher(bool starts) : starts(starts) {}
    bool start() override { return ++calls, starts; }
    bool starts;
    int calls = 0;
};

TEST(SystemInfo, StartsOnceAndSaysNothingWhenTheProgramStarts) {
    FakeLauncher launcher(true);
    EXPECT_EQ(startSystemInfo(launcher), QString());
    EXPECT_EQ(launcher.calls, 1);
}

TEST(SystemInfo, SaysItIsUnavailableWhenNoProgramStarts) {
    FakeLauncher launcher(false);
    EXPECT_EQ(startSystemInfo(launcher).toStdString(),
              "System Information Is Unavailable At This Time");
    EXPECT_EQ(launcher.calls, 1);
}

} // namespace
} // namespace zandor
