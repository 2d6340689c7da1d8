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

TEST_P(CardCount, ShowsTheCardsBoughtOrOnlyWarns) {
    const Purchase purchase = GetParam();
    state.balance = purchase.balance;
    buy(purchase.cards);
    if (purchase.refusal != nullptr) {
        EXPECT_EQ(view.log, std::vector<std::string>{"message " + std::string(purchase.refusal)});
        return;
    }
    EXPECT_TRUE(view.visible(Ctl::GAME1));
    EXPECT_EQ(view.visible(Ctl::Game2), purchase.cards >= 2);
    EXPECT_EQ(view.visible(Ctl::Game3), purchase.cards >= 3);
    EXPECT_TRUE(view.enabled(Ctl::StartButton));
    EXPECT_FALSE(view.enabled(Ctl::pausebutton));
    EXPECT_EQ(state.balance, purchase.balance) << "the stake is charged at Start";
}

INSTANTIATE_TEST_SUITE_P(
    Stakes, CardCount,
    ::testing::Values(Purchase{18, 3, nullptr},
                      Purchase{17, 3, "You do not have enough cash to play three cards"},
                      Purchase{12, 2, nullptr},
                      Purchase{6, 2, "You do not have enough cash to play two cards."},
                      Purchase{6, 1, nullptr},
                      Purchase{5, 1,
                               "You do not have enough cash, you need to exit and restart."}));

using CardCountChoice = GameTest;

TEST_F(CardCountChoice, ARefusedChoiceKeepsTheEarlierOneAndStartIsThenRefusedWithAReset) {
    state.balance = 8;
    buy(1);
    buy(2);
    EXPECT_TRUE(view.visible(Ctl::GAME1));
    EXPECT_FALSE(view.visible(Ctl::Game2));
    EXPECT_TRUE(view.enabled(Ctl::StartButton));

    view.log.clear();
    game.StartButton_Click();
    const int refusal = view.find("message You do not have enough cash - try again");
    ASSERT_GE(refusal, 0);
    EXPECT_EQ(
        std::vector<std::string>(view.log.begin() + refusal + 1, view.log.begin() + refusal + 4),
        (std::vector<std::string>{"enabled pausebutton 0", "enabled StartButton 0",
                                  "enabled SelectNoGames 0"}));
    EXPECT_EQ(state.balance, 60);
    EXPECT_EQ(view.count("panel 2"), 0);
    EXPECT_EQ(view.count("sound"), 0);
    EXPECT_EQ(state.Cards[1].cell[1].number, 0) << "no cards are dealt";
    EXPECT_EQ(state.no_of_games, 1) << "a refused start still counts";
    EXPECT_TRUE(view.enabled(Ctl::SelectNoGames)) << "the clean-up opens the choice again";
    EXPECT_TRUE(view.isSelected(Ctl::sel0, 1));
}

} // namespace
} // namespace zandor::test
