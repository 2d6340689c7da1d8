// Whole games through the engine: every card count and game type plays clean under the checker,
// a seed fixes the figures, and the simulated player restarts when the cash runs out.
#include "tools/sim/players.h"
#include "tools/sim/runner.h"
#include "tools/sim/simulator.h"

#include <gtest/gtest.h>
#include <set>

namespace zandor {
namespace {

SimOptions seededRun(int cards, int gameType, std::uint64_t seed, long long games) {
    SimOptions options;
    options.games = games;
    options.cards = cards;
    options.gameType = gameType;
    options.seed = seed;
    options.check = true;
    return options;
}

class EveryCardCountAndGameType : public ::testing::TestWithParam<std::tuple<int, int>> {};

TEST_P(EveryCardCountAndGameType, PlaysWithoutViolations) {
    const auto [cards, gameType] = GetParam();
    const RunResult result = runSimulation(seededRun(cards, gameType, 7, 300));
    EXPECT_EQ(result.violations, 0)
        << (result.violationDescriptions.empty() ? "" : result.violationDescriptions.front());
    const Statistics& s = result.statistics;
    long long wins = s.playerWins();
    for (std::size_t i = 0; i < kComputerPlayers.size(); ++i) {
        wins += s.computerWins(i);
    }
    EXPECT_EQ(wins, 300); // every game has exactly one known winner
    EXPECT_GT(s.playerWins(), 0);
    EXPECT_GE(s.meanCalls(), 4.0);
}

INSTANTIATE_TEST_SUITE_P(Sim, EveryCardCountAndGameType,
                         ::testing::Combine(::testing::Values(1, 2, 3),
                                            ::testing::Values(0, 1, 2, 3, 8)));

TEST(Simulation, TheSeedFixesEveryFigure) {
    const RunResult first = runSimulation(seededRun(2, 0, 42, 500));
    const RunResult again = runSimulation(seededRun(2, 0, 42, 500));
    const RunResult other = runSimulation(seededRun(2, 0, 43, 500));
    EXPECT_TRUE(first.statistics == again.statistics);
    EXPECT_EQ(first.restarts, again.restarts);
    EXPECT_TRUE(first.statistics != other.statistics);
}

TEST(Simulation, ComputerPlayersWinOnlyWithCardsThePlayerDidNotBuy) {
    const RunResult one = runSimulation(seededRun(1, 0, 5, 2000));
    const RunResult three = runSimulation(seededRun(3, 0, 5, 2000));
    EXPECT_GT(one.statistics.computerWins(0), 0);   // Fred
    EXPECT_GT(one.statistics.computerWins(1), 0);   // Bink
    EXPECT_EQ(three.statistics.computerWins(0), 0); // cards 2 and 3 are the player's
    EXPECT_EQ(three.statistics.computerWins(1), 0);
    EXPECT_GT(three.statistics.playerWinRate(), one.statistics.playerWinRate());
}

TEST(Simulation, PlayerWhoRunsOutOfCashRestartsWithTheStartingBalance) {
    SeededRandom random(11);
    Simulator simulator(random, 3, 1); // $18 a game against a $24 jackpot
    std::set<int> changes;
    for (int game = 0; game < 200; ++game) {
        const long long restartsBefore = simulator.restarts();
        const int before = simulator.game().state().balance;
        const GameOutcome outcome = simulator.playGame();
        const bool restarted = simulator.restarts() > restartsBefore;
        EXPECT_EQ(restarted, before < 18);
        EXPECT_EQ(simulator.game().state().balance,
                  (restarted ? 60 : before) + outcome.balanceChange);
        changes.insert(outcome.balanceChange);
    }
    EXPECT_GT(simulator.restarts(), 0);
    EXPECT_EQ(changes, (std::set<int>{-18, -18 + 24}));
}

TEST(Simulation, ClockReseededRunPlaysClean) {
    SimOptions options = seededRun(1, 0, 0, 200);
    options.seed.reset();
    const RunResult result = runSimulation(options);
    EXPECT_EQ(result.violations, 0);
    EXPECT_EQ(result.statistics.games(), 200);
}

} // namespace
} // namespace zandor
