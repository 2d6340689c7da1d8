#include "game_test_support.h"

namespace zandor::test {
namespace {

using CardCount = GameTest;

// A card count the balance does not cover only warns and keeps the earlier choice; Start then
// refuses the stake, resets the balance and opens the choice again. (A covered count shows its
// cards in the whole games the driver's tests play.)
TEST_F(CardCount, ARefusedChoiceOnlyWarnsAndStartThenRefusesTheStakeWithAReset) {
    const std::tuple<int, int, const char*> refusals[] = {
        {17, 3, "You do not have enough cash to play three cards"},
        {6, 2, "You do not have enough cash to play two cards."},
        {5, 1, "You do not have enough cash, you need to exit and restart."}};
    state.balance = 8;
    buy(1);
    for (const auto& [balance, cards, refusal] : refusals) {
        state.balance = balance;
        view.log.clear();
        buy(cards);
        EXPECT_EQ(view.log, std::vector<std::string>{"message " + std::string(refusal)});
    }
    EXPECT_TRUE(view.visible(Ctl::GAME1) && !view.visible(Ctl::Game2) &&
                view.enabled(Ctl::StartButton));

    view.log.clear();
    game.StartButton_Click();
    EXPECT_GE(view.find("message You do not have enough cash - try again"), 0);
    EXPECT_EQ(state.balance, 60);
    EXPECT_EQ(view.count("panel 2") + view.count("sound"), 0);
    EXPECT_EQ(state.no_of_games, 1) << "a refused start still counts";
    EXPECT_TRUE(view.enabled(Ctl::SelectNoGames)) << "the clean-up opens the choice again";
    EXPECT_TRUE(view.isSelected(Ctl::sel0, 1));
}

} // namespace
} // namespace zandor::test
