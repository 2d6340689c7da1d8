#include "game_test_support.h"

#include <set>

namespace zandor::test {
namespace {

using Dealing = GameTest;

std::vector<int> dealtNumbers(const GameState& state) {
    std::vector<int> numbers;
    for (int cell = 1; cell <= kCellCount; ++cell) {
        numbers.push_back(state.DealtCard[cell].number);
    }
    return numbers;
}

TEST_F(Dealing, DrawsOfZeroDealEveryColumnFromItsLowestNumbersDownward) {
    random.fallback = 0.0f;
    game.DealCards();
    EXPECT_EQ(dealtNumbers(state),
              (std::vector<int>{1,  2,  3,  4,  5,  16, 17, 18, 19, 20, 31, 32, 33,
                                34, 35, 46, 47, 48, 49, 50, 61, 62, 63, 64, 65}));
    EXPECT_EQ(random.reseeds, 25);
    EXPECT_EQ(state.generated_number, 1);
    EXPECT_EQ(state.lookup, 65);
    EXPECT_EQ(state.ColumnPicks[1], 61);
    EXPECT_EQ(state.ColumnPicks[5], 65);
}

TEST_F(Dealing, DrawsJustBelowOneDealEveryColumnFromItsHighestNumbersDownward) {
    random.fallback = kJustBelowOne;
    game.DealCards();
    EXPECT_EQ(dealtNumbers(state),
              (std::vector<int>{15, 14, 13, 12, 11, 30, 29, 28, 27, 26, 45, 44, 43,
                                42, 41, 60, 59, 58, 57, 56, 75, 74, 73, 72, 71}));
}

TEST_F(Dealing, EachDrawTakesItsPositionFromTheShrinkingColumnPool) {
    random.script = {drawing(3, 15), drawing(3, 14), drawing(1, 13), drawing(12, 12),
                     drawing(5, 11)};
    game.DealCards();
    std::vector<int> b;
    for (int cell = 1; cell <= 5; ++cell) {
        b.push_back(state.DealtCard[cell].number);
    }
    EXPECT_EQ(b, (std::vector<int>{3, 4, 1, 15, 8}));
}

TEST(DealingProperty, EveryDealHoldsFiveDistinctNumbersPerColumnFromItsRange) {
    FakeGameView view;
    SeededRandom random(20261206);
    RecordingSound sound(view);
    view.recording = false;
    Game game(view, random, sound, "");
    for (int deal = 0; deal < 2000; ++deal) {
        game.DealCards();
        for (int column = 0; column < 5; ++column) {
            std::set<int> seen;
            for (int row = 1; row <= 5; ++row) {
                const int number = game.state().DealtCard[column * 5 + row].number;
                ASSERT_GE(number, column * 15 + 1);
                ASSERT_LE(number, column * 15 + 15);
                seen.insert(number);
            }
            ASSERT_EQ(seen.size(), 5U);
        }
    }
}

TEST(DealingProperty, SeedOneDealsThePinnedFirstCard) {
    FakeGameView view;
    SeededRandom random(1);
    RecordingSound sound(view);
    Game game(view, random, sound, "");
    game.DealCards();
    EXPECT_EQ(dealtNumbers(game.state()),
              (std::vector<int>{5,  15, 1,  6,  14, 26, 29, 23, 20, 21, 35, 32, 37,
                                45, 43, 55, 56, 51, 50, 46, 74, 67, 63, 66, 62}));
}

} // namespace
} // namespace zandor::test
