#include "game_test_support.h"

#include <set>

namespace zandor::test {
namespace {

TEST(Draws, TheLargestValueBelowOneDrawsTheLastPositionAndNeverBeyond) {
    for (int n = 1; n <= kNumberCount; ++n) {
        EXPECT_EQ(positionOf(kJustBelowOne, n), n);
    }
}

// The 250 draws of a deal, and the calls of a fast game, each reseed within microseconds.
TEST(Draws, ReseedingBeforeEveryDrawStillGivesVariedDraws) {
    ClockReseededRandom random;
    float deal[250];
    random.reseededDraws(deal, 250);
    std::set<float> calls;
    for (int i = 0; i < 250; ++i) {
        random.reseed();
        calls.insert(random.next());
    }
    EXPECT_GT(std::set<float>(deal, deal + 250).size(), 240U);
    EXPECT_GT(calls.size(), 240U);
}

// A changed generator or way of dealing shows in the first deal of seed 1.
TEST(SeededDeal, IsPinnedForSeedOne) {
    FakeGameView view;
    SeededRandom random(1);
    Game game(view, random, view, "");
    game.DealCards();
    std::vector<int> numbers;
    for (int cell = 1; cell <= kCellCount; ++cell) {
        numbers.push_back(game.state().DealtCard[cell].number);
    }
    EXPECT_EQ(numbers, (std::vector<int>{5,  15, 1,  6,  14, 26, 29, 23, 20, 21, 35, 32, 37,
                                         45, 43, 55, 56, 51, 50, 46, 74, 67, 63, 66, 62}));
}

} // namespace
} // namespace zandor::test
