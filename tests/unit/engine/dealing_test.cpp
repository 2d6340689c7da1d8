#include "game_test_support.h"

#include <set>

namespace zandor::test {
namespace {

std::vector<int> dealtNumbers(const GameState& state) {
    std::vector<int> numbers;
    for (int cell = 1; cell <= kCellCount; ++cell) {
        numbers.push_back(state.DealtCard[cell].number);
    }
    return numbers;
}

TEST(Draws, TheLargestValueBelowOneDrawsTheLastPositionAndNeverBeyond) {
    for (int n = 1; n <= kNumberCount; ++n) {
        EXPECT_EQ(positionOf(kJustBelowOne, n), n);
    }
    Pcg32 generator(7);
    for (int i = 0; i < 1000000; ++i) {
        ASSERT_LT(generator.nextUnit(), 1.0f);
    }
}

TEST(Draws, ReseedingBeforeEveryDrawStillGivesVariedDraws) {
    // A deal reseeds from the clock 250 times within microseconds.
    ClockReseededRandom random;
    std::set<float> draws;
    for (int i = 0; i < 250; ++i) {
        random.reseed();
        draws.insert(random.next());
    }
    EXPECT_GT(draws.size(), 240U);
}

using Dealing = GameTest;

// Draws of zero deal each column from its lowest numbers; others take their position from the
// column's shrinking pool.
TEST_F(Dealing, EachDrawTakesItsPositionFromTheShrinkingColumnPool) {
    random.script = {drawing(3, 15), drawing(3, 14), drawing(1, 13), drawing(12, 12),
                     drawing(5, 11)};
    game.DealCards();
    EXPECT_EQ(dealtNumbers(state),
              (std::vector<int>{3,  4,  1,  15, 8,  16, 17, 18, 19, 20, 31, 32, 33,
                                34, 35, 46, 47, 48, 49, 50, 61, 62, 63, 64, 65}));
    EXPECT_EQ(random.reseeds, 25);
    EXPECT_EQ(state.lookup, 65);
    EXPECT_EQ(state.generated_number, 1);
}

TEST(SeededDeal, IsPinnedForSeedOne) {
    FakeGameView view;
    SeededRandom random(1);
    Game game(view, random, view, "");
    game.DealCards();
    EXPECT_EQ(dealtNumbers(game.state()),
              (std::vector<int>{5,  15, 1,  6,  14, 26, 29, 23, 20, 21, 35, 32, 37,
                                45, 43, 55, 56, 51, 50, 46, 74, 67, 63, 66, 62}))
        << "the deal pinned for seed 1";
}

} // namespace
} // namespace zandor::test
