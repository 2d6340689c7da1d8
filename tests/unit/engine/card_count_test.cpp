#include "game_test_support.h"

namespace zandor::test {
namespace {

struct Purchase {
    int balance;
    int cards;
    const char* refusal; // nullptr when the balance covers the stake
};

void PrintTo(const Purchase& p, std::ostream* out) {
    *out << "$" << p.balance << " for " << p.cards << " cards";
}

class CardCount : public GameTest, public ::testing::WithParamInterface<Purchase> {};

TEST_P(CardCount, ShowsTheCardsBoughtOrWarnsWithoutChangingAnything) {
    const Purchase purchase = GetParam();
    state.balance = purchase.balance;
    buy(purchase.cards);
    EXPECT_EQ(state.balance, purchase.balance);
    if (purchase.refusal == nullptr) {
        EXPECT_TRUE(view.messages.empty());
        EXPECT_TRUE(view.visible(Ctl::GAME1));
        EXPECT_EQ(view.visible(Ctl::Game2), purchase.cards >= 2);
        EXPECT_EQ(view.visible(Ctl::Game3), purchase.cards >= 3);
        EXPECT_TRUE(view.enabled(Ctl::StartButton));
        EXPECT_FALSE(view.enabled(Ctl::pausebutton));
    } else {
        EXPECT_EQ(view.messages, std::vector<std::string>{purchase.refusal});
        EXPECT_EQ(view.log, std::vector<std::string>{"message " + std::string(purchase.refusal)});
    }
}

INSTANTIATE_TEST_SUITE_P(
    Stakes, CardCount,
    ::testing::Values(Purchase{18, 3, nullptr},
                      Purchase{17, 3, "You do not have enough cash to play three cards"},
                      Purchase{12, 2, nullptr},
                      Purchase{6, 2, "You do not have enough cash to play two cards."},
                      Purchase{6, 1, nullptr},
                      Purchase{5, 1, "You do not have enough cash, you need to exit and restart."},
                      Purchase{0, 1,
                               "You do not have enough cash, you need to exit and restart."}));

using CardCountChoice = GameTest;

TEST_F(CardCountChoice, ZeroCardsHideEveryFrameAndDisableStart) {
    buy(3);
    buy(0);
    EXPECT_FALSE(view.visible(Ctl::GAME1));
    EXPECT_FALSE(view.visible(Ctl::Game2));
    EXPECT_FALSE(view.visible(Ctl::Game3));
    EXPECT_FALSE(view.enabled(Ctl::StartButton));
    EXPECT_FALSE(view.enabled(Ctl::pausebutton));
}

TEST_F(CardCountChoice, ARefusedChoiceKeepsTheEarlierOneAndStartIsThenRefusedWithAReset) {
    state.balance = 8;
    buy(1);
    buy(2);
    EXPECT_EQ(view.messages.back(), "You do not have enough cash to play two cards.");
    EXPECT_TRUE(view.visible(Ctl::GAME1));
    EXPECT_FALSE(view.visible(Ctl::Game2));
    EXPECT_TRUE(view.enabled(Ctl::StartButton));

    view.log.clear();
    game.StartButton_Click();
    EXPECT_EQ(view.messages.back(), "You do not have enough cash - try again");
    EXPECT_EQ(state.balance, 60);
    EXPECT_EQ(view.count("panel 2"), 0);
    EXPECT_EQ(state.Cards[1].cell[1].number, 0) << "no cards are dealt";
    EXPECT_EQ(view.count("sound"), 0);
    // Back in the choosing state: the refusal's clean-up selects "0" again.
    EXPECT_FALSE(view.enabled(Ctl::StartButton));
    EXPECT_FALSE(view.enabled(Ctl::pausebutton));
    EXPECT_TRUE(view.enabled(Ctl::SelectNoGames));
    EXPECT_TRUE(view.isSelected(Ctl::sel0, 1));
    EXPECT_EQ(state.no_of_games, 1) << "a refused start still counts";
}

TEST_F(CardCountChoice, TheRefusalDisablesTheControlsBeforeTheCleanUpRestoresThem) {
    state.balance = 8;
    buy(1);
    buy(2);
    view.log.clear();
    game.StartButton_Click();
    const int message = view.find("message You do not have enough cash - try again");
    ASSERT_GE(message, 0);
    EXPECT_EQ(view.log[message + 1], "enabled pausebutton 0");
    EXPECT_EQ(view.log[message + 2], "enabled StartButton 0");
    EXPECT_EQ(view.log[message + 3], "enabled SelectNoGames 0");
}

TEST_F(CardCountChoice, OptionsAreIgnoredWhileAGameRuns) {
    bool clicked = false;
    view.onProcessEvents = [&](int) {
        if (!clicked) {
            clicked = true;
            view.log.push_back("-- click sel3");
            game.sel3_Click();
        }
    };
    play(1, 1, dealWithLowCards({5}));
    const int click = view.find("-- click sel3");
    ASSERT_GE(click, 0);
    EXPECT_EQ(view.log[click + 1], "repaint") << "the click changed nothing";
}

} // namespace
} // namespace zandor::test
