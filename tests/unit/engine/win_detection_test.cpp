#include "game_test_support.h"

namespace zandor::test {
namespace {

struct Marking {
    const char* gametype;
    std::vector<int> marked; // cells of card 5 marked besides the free centre, the last by a call
    bool wins;
};

void PrintTo(const Marking& m, std::ostream* out) {
    *out << "'" << m.gametype << "' with " << m.marked.size() << " cells marked";
}

// The number a dealt card could hold in a cell: its column's first plus the row.
int numberFor(int cell) {
    return (cell - 1) / 5 * 15 + (cell - 1) % 5 + 1;
}

class WinDetection : public GameTest, public ::testing::WithParamInterface<Marking> {};

// Card 5 holds the listed cells marked but the last; the call of that cell's number decides.
TEST_P(WinDetection, OnlyACompleteLineOfTheGamesPatternWins) {
    const Marking marking = GetParam();
    buy(1);
    state.gametype = marking.gametype;
    state.maxrecord = kNumberCount;
    for (int k = 1; k <= kNumberCount; ++k) {
        state.NumberPool[k] = static_cast<std::int16_t>(k);
    }
    for (int card = 1; card <= kCardCount; ++card) {
        state.Cards[card].cell[kFreeCentre].mark = 1;
    }
    for (int cell = 1; cell <= kCellCount; ++cell) {
        state.Cards[5].cell[cell].number = numberFor(cell);
    }
    for (int cell : marking.marked) {
        state.Cards[5].cell[cell].mark = cell == marking.marked.back() ? 0 : 1;
    }
    const int called = numberFor(marking.marked.back());
    random.script = {drawing(called, kNumberCount)};
    std::int16_t win = 7;
    game.CallGame(win);
    EXPECT_EQ(state.Cards[5].cell[marking.marked.back()].mark, 1);
    EXPECT_EQ(win, marking.wins ? 1 : 7) << "no win leaves the flag alone";
    EXPECT_EQ(state.whowon, marking.wins ? "Tron" : "");
}

INSTANTIATE_TEST_SUITE_P(
    Lines, WinDetection,
    ::testing::Values(
        Marking{"vertical", {1, 2, 3, 4, 5}, true},
        Marking{"vertical", {11, 12, 14, 15}, true}, // through the centre
        Marking{"vertical", {21, 22, 23, 24}, false},
        Marking{"vertical", {1, 6, 11, 16, 21}, false},
        Marking{"horizontal", {5, 10, 15, 20, 25}, true},
        Marking{"horizontal", {3, 8, 18, 23}, true}, Marking{"horizontal", {1, 2, 3, 4, 5}, false},
        Marking{"diagonal", {1, 7, 19, 25}, true}, Marking{"diagonal", {5, 9, 17, 21}, true},
        Marking{"diagonal", {11, 12, 14, 15}, false}, Marking{"Vertical", {1, 2, 3, 4, 5}, false}));

} // namespace
} // namespace zandor::test
