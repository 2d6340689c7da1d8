#include "game_test_support.h"

namespace zandor::test {
namespace {

using PrintCommand = GameTest;

TEST_F(PrintCommand, PrintsFreshCardsInsteadOfCallingThemThenPlaysNormallyAgain) {
    buy(1);
    random.script = dealWithLowCards({1});
    view.log.clear();
    game.mnuFilePrint_Click();
    EXPECT_EQ(std::vector<std::string>(view.log.begin(), view.log.begin() + 3),
              (std::vector<std::string>{"visible GAME1 1", "visible Game2 1", "visible Game3 1"}));
    EXPECT_LT(view.find("caption Label3(13) 0"), view.find("print"));
    EXPECT_EQ(view.log[view.find("print") - 1], "repaint") << "the fresh cards are drawn first";
    EXPECT_EQ(view.count("sound") + view.count("caption CalledNumberDisplay"), 0);
    EXPECT_EQ(state.no_of_games, 0) << "printing is not a game";

    play(1, 1, dealWithLowCards({1}));
    EXPECT_EQ(state.whowon, "you") << "print mode lasts for the printed game only";

    buy(1); // without enough cash nothing is printed and print mode ends
    state.balance = 0;
    game.mnuFilePrint_Click();
    EXPECT_GE(view.find("message You do not have enough cash - try again"), 0);
    EXPECT_EQ(view.count("print"), 1) << "only the first print, not the game after it";
    EXPECT_EQ(state.paper_play, 0);
}

} // namespace
} // namespace zandor::test
