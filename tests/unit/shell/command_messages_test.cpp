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

// A print to a file or saved as PDF is told through the real window (form1_test).
class PrintMessage : public testing::TestWithParam<PrintCase> {};

TEST_P(PrintMessage, SaysWhereAPageWentThatDidNotReachThePrinter) {
    EXPECT_EQ(printOutcomeMessage(GetParam().outcome).toStdString(), GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(
    EachOutcome, PrintMessage,
    testing::Values(
        PrintCase{"Printed", {PrintOutcome::Kind::Printed, ""}, ""},
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

} // namespace
} // namespace zandor
