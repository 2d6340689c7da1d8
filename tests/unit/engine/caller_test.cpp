#include "game_test_support.h"

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
        for (int k = 1; k <= kNumberCount; ++k) {
            state.NumberPool[k] = static_cast<std::int16_t>(k);
        }
    }

    void call(int position) {
        random.script = {drawing(position, state.maxrecord)};
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
        random.position = 0;
        call(number);
        EXPECT_EQ(view.caption(Ctl::CalledNumberDisplay, 0), shown);
    }
}

TEST_F(Caller, ACallIsShownLitAndHeardBeforeThePlayersCellsAreMarked) {
    view.setValue(Ctl::automancheck, 1);
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

TEST_F(Caller, ManualModeLeavesTheScreenButMarksEveryCardRecord) {
    view.setCaption(Ctl::Label3, 9, "20");
    state.Cards[1].cell[9].number = 20;
    state.Cards[7].cell[9].number = 20;
    state.Cards[7].cell[10].number = 21;
    call(20);
    EXPECT_EQ(view.backColor(Ctl::Label3, 9), kWhite);
    EXPECT_EQ(state.Cards[1].cell[9].mark, 1);
    EXPECT_EQ(state.Cards[7].cell[9].mark, 1);
    EXPECT_EQ(state.Cards[7].cell[10].mark, 0);
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

TEST_F(Caller, TheWinningCallLeavesThePoolAsItWas) {
    for (int cell = 1; cell <= 5; ++cell) {
        state.Cards[6].cell[cell] = {cell, cell == 5 ? 0 : 1};
    }
    call(5);
    EXPECT_EQ(win, 1);
    EXPECT_EQ(state.whowon, "Lute");
    EXPECT_EQ(state.maxrecord, 75);
    EXPECT_EQ(state.NumberPool[5], 5);
}

TEST_F(Caller, InPrintModeTheFirstCallPrintsAndEndsTheGameWithoutANumber) {
    state.paper_play = 1;
    game.CallGame(win);
    EXPECT_EQ(win, 1);
    EXPECT_EQ(view.log, (std::vector<std::string>{"repaint", "print"}));
    EXPECT_EQ(random.reseeds, 0);
}

} // namespace
} // namespace zandor::test
