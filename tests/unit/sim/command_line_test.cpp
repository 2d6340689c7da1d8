// The simulator's command line: every option in both spellings, and a one-line error with exit
// status 2 for anything it cannot use.
#include "tools/sim/options.h"
#include "tools/sim/sim_main.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <sstream>

namespace zandor {
namespace {

ParsedOptions parse(std::vector<std::string_view> arguments) {
    return parseOptions(arguments);
}

TEST(SimOptions, DefaultsToTenThousandRandomOneCardGamesUnseededUnchecked) {
    const ParsedOptions parsed = parse({});
    ASSERT_EQ(parsed.error, "");
    EXPECT_EQ(parsed.options.games, 10000);
    EXPECT_EQ(parsed.options.cards, 1);
    EXPECT_EQ(parsed.options.gameType, 0);
    EXPECT_FALSE(parsed.options.seed.has_value());
    EXPECT_FALSE(parsed.options.check);
    EXPECT_FALSE(parsed.options.help);
}

TEST(SimOptions, TakesEveryOptionWithItsValueSeparateOrAfterAnEqualsSign) {
    const ParsedOptions parsed = parse({"--games", "25", "--cards=3", "--type", "horizontal",
                                        "--seed=18446744073709551615", "--check"});
    ASSERT_EQ(parsed.error, "");
    EXPECT_EQ(parsed.options.games, 25);
    EXPECT_EQ(parsed.options.cards, 3);
    EXPECT_EQ(parsed.options.gameType, 2);
    EXPECT_EQ(parsed.options.seed, 18446744073709551615ULL);
    EXPECT_TRUE(parsed.options.check);
}

TEST(SimOptions, GameTypeIsANameOrAnOptionIndex) {
    const std::pair<std::string_view, int> cases[] = {
        {"random", 0}, {"vertical", 1}, {"horizontal", 2}, {"diagonal", 3},  {"0", 0},
        {"3", 3},      {"4", 4},        {"8", 8},          {"full-house", 8}};
    for (const auto& [text, index] : cases) {
        const ParsedOptions parsed = parse({"--type", text});
        EXPECT_EQ(parsed.error, "") << text;
        EXPECT_EQ(parsed.options.gameType, index) << text;
    }
}

TEST(SimOptions, RejectsWhatItCannotUse) {
    const std::vector<std::vector<std::string_view>> cases = {{"--games", "0"},
                                                              {"--games", "-5"},
                                                              {"--games", "12x"},
                                                              {"--games", ""},
                                                              {"--cards", "0"},
                                                              {"--cards", "4"},
                                                              {"--type", "9"},
                                                              {"--type", "Vertical"},
                                                              {"--type", "-1"},
                                                              {"--seed", "-1"},
                                                              {"--seed", "1e3"},
                                                              {"--games"},
                                                              {"--check=yes"},
                                                              {"--help=1"},
                                                              {"--speed", "3"},
                                                              {"games"},
                                                              {"--seed", "18446744073709551616"}};
    for (const auto& arguments : cases) {
        EXPECT_NE(parse(arguments).error, "") << arguments.front();
    }
}

int runMain(std::vector<std::string_view> arguments, std::string& out, std::string& err) {
    std::ostringstream outStream;
    std::ostringstream errStream;
    const int status = simMain(arguments, outStream, errStream);
    out = outStream.str();
    err = errStream.str();
    return status;
}

TEST(SimMain, BadCommandLineGivesOneErrorLineAndStatusTwo) {
    std::string out;
    std::string err;
    EXPECT_EQ(runMain({"--cards", "7"}, out, err), 2);
    EXPECT_EQ(out, "");
    EXPECT_EQ(err.rfind("zandor-sim: --cards", 0), 0U) << err;
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1);
}

TEST(SimMain, HelpPrintsUsageAndPlaysNothing) {
    std::string out;
    std::string err;
    EXPECT_EQ(runMain({"--help"}, out, err), 0);
    EXPECT_EQ(out.rfind("usage: zandor-sim", 0), 0U);
    EXPECT_EQ(err, "");
}

TEST(SimMain, CheckedRunReportsEveryFigure) {
    std::string out;
    std::string err;
    EXPECT_EQ(runMain({"--games", "50", "--seed", "3", "--cards", "2", "--check"}, out, err), 0);
    for (const char* figure :
         {"50 games, 2 cards, type random, seed 3, checked",
          "player win rate:", "mean calls per game:", "mean return per game:", "Fred", "Bink",
          "Kaper", "Tron", "Lute", "Rucky", "Broed", "Sugar", "Pemby",
          "games per second:", "restarts:", "invariant violations: 0\n"}) {
        EXPECT_NE(out.find(figure), std::string::npos) << figure << " missing from\n" << out;
    }
}

} // namespace
} // namespace zandor
