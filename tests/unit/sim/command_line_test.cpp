// The command line: a full one parses; anything else gives one error line and exit status 2.
#include "tools/sim/options.h"
#include "tools/sim/sim_main.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sstream>

namespace zandor {
namespace {

TEST(SimCommandLine, TakesEveryOptionSeparateOrAfterAnEqualsSign) {
    const ParsedOptions parsed = parseOptions({"--games", "25", "--cards=3", "--type", "horizontal",
                                               "--seed=18446744073709551615", "--check"});
    const SimOptions& o = parsed.options;
    EXPECT_EQ(parsed.error, "");
    EXPECT_EQ(std::tie(o.games, o.cards, o.gameType, o.check), std::make_tuple(25LL, 3, 2, true));
    EXPECT_EQ(o.seed, 18446744073709551615ULL);
}

TEST(SimCommandLine, BadCommandLineGivesOneErrorLineAndStatusTwo) {
    for (std::string_view bad :
         {"--speed", "games", "--games", "--games=0", "--games=12x", "--cards=x", "--cards=4",
          "--type=Vertical", "--type=9", "--seed=18446744073709551616", "--check=yes"}) {
        std::ostringstream out;
        std::ostringstream err;
        EXPECT_EQ(simMain({bad}, out, err), 2) << bad;
        EXPECT_EQ(out.str(), "");
        EXPECT_THAT(err.str(), ::testing::MatchesRegex("zandor-sim: [^\n]+\n"));
    }
}

} // namespace
} // namespace zandor
