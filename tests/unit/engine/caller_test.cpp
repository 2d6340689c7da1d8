#include "game_test_support.h"

namespace zandor::test {
namespace {

// A caller poised before its first call: a full pool, zeroed cards, one card bought.
class Caller : public GameTest {
protected:
    Caller() {
        buy(1);
        state.gametype = "vertical";
        state.maxrecord = kNumberCount;
        for (int k = 1; k <= kNumberCount; ++k) {
            state.NumberPool[k] = static_cast<std::int16_t>(k);
        }
        view.log.clear();
    }

    void call(int number) {
        random.script = {drawing(number, state.maxrecord)};
        random.position = 0;
        game.CallGame(win);
    }

    std::int16_t win = 0;
};

struct Announcement {
    int number;
    const char* shown;
};

void PrintTo(const Announcement& a, std::ostream* out) {
    *out << a.shown;
}

class CallerLetters : public Caller, public ::testing::WithParamInterface<Announcement> {};

TEST_P(CallerLetters, ShowsTheColumnLetterBeforeTheNumber) {
    call(GetParam().number);
    EXPECT_EQ(view.caption(Ctl::CalledNumberDisplay, 0), GetParam().shown);
    EXPECT_EQ(view.backColor(Ctl::Label1, GetParam().number), kRed);
}

INSTANTIATE_TEST_SUITE_P(ColumnBorders, CallerLetters,
                         ::testing::Values(Announcement{1, "B 1"}, Announcement{15, "B 15"},
                                           Announcement{16, "I 16"}, Announcement{30, "I 30"},
                                           Announcement{31, "N 31"}, Announcement{45, "N 45"},
                                           Announcement{46, "G 46"}, Announcement{60, "G 60"},
                                           Announcement{61, "O 61"}, Announcement{75, "O 75"}));

TEST_F(Caller, ACallIsShownLitAndHeardBeforeThePlayersCellsAreMarked) {
    view.setValue(Ctl::automancheck, 1);
    view.setCaption(Ctl::Label3, 4, "7");
    view.log.clear();
    call(7);
    EXPECT_EQ(view.log, (std::vector<std::string>{
                            "repaint", "caption CalledNumberDisplay  ",
                            "caption CalledNumberDisplay B 7", "color Label1(7) FF0000",
                            "sound /opt/zandor/sounds/7.wav", "color Label3(4) FF0000"}));
    EXPECT_EQ(random.reseeds, 1);
    EXPECT_EQ(state.random_no_returned, 0);
    EXPECT_EQ(state.indexcount, 75) << "the gap is closed up to the end of the pool";
}

TEST_F(Caller, AutoMarkingWithOneCardLeavesTheOtherGridsAlone) {
    view.setValue(Ctl::automancheck, 1);
    for (Ctl grid : {Ctl::Label3, Ctl::Label4, Ctl::Label5}) {
        view.setCaption(grid, 9, "20");
    }
    view.setCaption(Ctl::Label3, 13, "0");
    call(20);
    EXPECT_EQ(view.backColor(Ctl::Label3, 9), kRed);
    EXPECT_EQ(view.backColor(Ctl::Label4, 9), kWhite);
    EXPECT_EQ(view.backColor(Ctl::Label5, 9), kWhite);
    EXPECT_EQ(view.count("color Label3(13)"), 0) << "the centre shows 0, which is never called";
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
    EXPECT_EQ(view.caption(Ctl::CalledNumberDisplay, 0), "I 30");
    EXPECT_EQ(state.maxrecord, 4);
    EXPECT_EQ(std::vector<int>(state.NumberPool.begin() + 1, state.NumberPool.begin() + 5),
              (std::vector<int>{10, 20, 40, 50}));
}

TEST_F(Caller, WithOneNumberLeftAnyDrawTakesIt) {
    state.maxrecord = 1;
    state.NumberPool[1] = 42;
    random.script = {kJustBelowOne};
    game.CallGame(win);
    EXPECT_EQ(view.caption(Ctl::CalledNumberDisplay, 0), "N 42");
    EXPECT_EQ(state.maxrecord, 0);
}

TEST_F(Caller, TheWinningCallLeavesThePoolAsItWas) {
    for (int cell = 1; cell <= 5; ++cell) {
        state.Cards[6].cell[cell].number = cell;
        state.Cards[6].cell[cell].mark = cell == 5 ? 0 : 1;
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
    EXPECT_EQ(state.maxrecord, 75);
}

TEST_F(Caller, AnEmptyPoolCallsNothing) {
    state.maxrecord = 0;
    game.CallGame(win);
    EXPECT_EQ(win, 0);
    EXPECT_EQ(view.log, std::vector<std::string>{"repaint"});
}

} // namespace
} // namespace zandor::test
