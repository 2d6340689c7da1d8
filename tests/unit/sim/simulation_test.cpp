// Whole games through the engine: every card count and game type plays clean under the checker,
// a seed fixes the figures, and a player out of cash restarts with the starting balance.
#include "sim/runner.h"
#include "sim/simulator.h"

#include <gtest/gtest.h>

namespace zandor {
namespace {

RunResult checkedRun(int cards, int type, std::uint64_t seed) {
    return runSimulation({300, cards, type, seed, true, false});
}

TEST(Simulation, EveryCardCountAndGameTypePlaysClean) {
    for (int cards : {1, 2, 3}) {
        for (int type : {0, 1, 2, 3, 8}) {
            const RunResult result = checkedRun(cards, type, 7);
            EXPECT_EQ(result.statistics.games(), 300);
            EXPECT_EQ(result.violations, 0)
                << cards << " cards, type " << type << ": " << result.violationDescriptions.front();
        }
    }
}

TEST(Simulation, TheSeedFixesEveryFigure) {
    const RunResult first = checkedRun(2, 0, 42);
    EXPECT_TRUE(first.statistics == checkedRun(2, 0, 42).statistics);
    EXPECT_TRUE(first.statistics != checkedRun(2, 0, 43).statistics);
}

TEST(Simulation, PlayerOutOfCashRestartsWithTheStartingBalance) {
    SeededRandom random(11);
    Simulator simulator(random, 3, 1); // $18 a game against a $24 jackpot
    for (int game = 0; game < 200; ++game) {
        const int before = simulator.game().state().balance;
        const int change = simulator.playGame().balanceChange;
        EXPECT_EQ(simulator.game().state().balance, (before < 18 ? 60 : before) + change);
    }
    EXPECT_GT(simulator.restarts(), 0);
}

} // namespace
} // namespace zandor
