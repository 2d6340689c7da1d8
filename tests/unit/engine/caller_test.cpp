#include "game_test_support.h"

#include <numeric>

namespace zandor::test {
namespace {

// A caller poised before its first call: a full pool, zeroed cards, one card bought.
class Caller : public GameTest {
protected:
    Caller() {
        buy(1);
        state.gametype = "vertical";
        fillPool();
        view.log.clear();
    }

    void fillPool() {
        state.maxrecord = kNumberCount;
        std::iota(state.NumberPool.begin() + 1, state.NumberPool.end(), 1);
    }

    void call(int position) {
        random.script = {drawing(position, state.maxrecord)};
        random.position = 0;
        game.CallGame(win);
    }

    std::int16_t win = 0;
};

TEST_F(Caller, ShowsTheColumnLetterBeforeTheNumber) {
    const std::pair<int, const char*> borders[] = {{15, "B 15"}, {16, "I 16"}, {30, "I 30"},
                                                   {31, "N 31"}, {45, "N 45"}, {46, "G 46"},
                                                   {60, "G 60"}, {61, "O 61"}, {75, "O 75"}};
    for (const auto& [number, shown] : borders) {
        fillPool();
        call(number);
        EXPECT_EQ(view.caption(Ctl::CalledNumberDisplay, 0), shown);
    }
}

TEST_F(Caller, ACallIsShownLitAndHeardBeforeThePlayersCellsAreMarked) {
    view.values[Ctl::automancheck] = 1;
    view.setCaption(Ctl::Label3, 4, "7");
    view.setCaption(Ctl::Label3, 13, "0");
    view.log.clear();
    call(7);
    EXPECT_EQ(view.log, (std::vector<std::string>{
                            "repaint", "caption CalledNumberDisplay  ",
                            "caption CalledNumberDisplay B 7", "color Label1(7) FF0000",
                            "sound /opt/zandor/sounds/7.wav", "color Label3(4) FF0000"}));
    EXPECT_EQ(random.reseeds, 1);
    EXPECT_EQ(state.random_no_returned, 0);
}

TEST_F(Caller, ARemovedNumberClosesTheGapAndKeepsTheOrder) {
    state.maxrecord = 5;
    const std::int16_t pool[] = {0, 10, 20, 30, 40, 50};
    std::copy(std::begin(pool), std::end(pool), state.NumberPool.begin());
    call(3);
    EXPECT_EQ(state.maxrecord, 4);
    EXPECT_EQ(std::vector<int>(state.NumberPool.begin() + 1, state.NumberPool.begin() + 5),
              (std::vector<int>{10, 20, 40, 50}));
}

struct Marking {
    const char* gametype;
    std::vector<int> marked; // cells of card 5 marked besides the free centre, the last by a call
    bool wins;
};

class WinDetection : public Caller, public ::testing::WithParamInterface<Marking> {};

// Card 5 holds the listed cells marked but the last; the call of that cell's number decides.
TEST_P(WinDetection, OnlyACompleteLineOfTheGamesPatternWinsAndItsNumberStaysInThePool) {
    const Marking marking = GetParam();
    state.gametype = marking.gametype;
    CardRecord& card = state.Cards[5];
    for (int cell = 1; cell <= kCellCount; ++cell) { // as dealt from the columns' lowest numbers
        card.cell[cell].number = (cell - 1) / 5 * 15 + (cell - 1) % 5 + 1;
    }
    card.cell[kFreeCentre].mark = 1;
    for (int cell : marking.marked) {
        card.cell[cell].mark = cell == marking.marked.back() ? 0 : 1;
    }
    const int called = card.cell[marking.marked.back()].number;
    win = 7;
    call(called);
    EXPECT_EQ(card.cell[marking.marked.back()].mark, 1);
    EXPECT_EQ(win, marking.wins ? 1 : 7) << "no win leaves the flag alone";
    EXPECT_EQ(state.whowon, marking.wins ? "Tron" : "");
    EXPECT_EQ(state.maxrecord, marking.wins ? 75 : 74);
    EXPECT_EQ(state.NumberPool[called], called + (marking.wins ? 0 : 1));
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
