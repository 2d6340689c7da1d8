#include "game_test_support.h"

namespace zandor::test {
namespace {

using PlayControls = GameTest;

// Hand marks never win, Auto marks only the calls after the switch, and Pause shows its message
// at once, holding the game until it is closed.
TEST_F(PlayControls, HandMarksNeverWinAutoMarksLaterCallsAndPauseHoldsTheGame) {
    int soundsWhilePaused = -1;
    view.onProcessEvents = [&](int pump) {
        if (pump == 1) {
            for (int cell : {21, 22, 23, 24, 25}) { // the O column, whose numbers never come
                game.Label3_Click(cell);
            }
            view.values[Ctl::automancheck] = 1;
            game.automancheck_Click();
        }
        if (pump == 4) {
            game.pausebutton_Click();
        }
    };
    view.onEntry = [&](const std::string& entry) {
        if (entry == "message GAME PAUSED, Click to continue.") {
            soundsWhilePaused = view.count("sound");
        }
    };
    play(1, 1, dealWithLowCards({1}));
    EXPECT_EQ(soundsWhilePaused, 1);
    EXPECT_EQ(state.whowon, "you");
    EXPECT_EQ(view.count("color Label3(1) FF0000"), 0) << "number 1 came before the switch";
    for (int cell = 2; cell <= 5; ++cell) {
        EXPECT_EQ(view.count("color Label3(" + std::to_string(cell) + ") FF0000"), 1);
    }
}

} // namespace
} // namespace zandor::test
