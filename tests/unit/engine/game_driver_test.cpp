#include "game_test_support.h"

#include <climits>

namespace zandor::test {
namespace {

using GameDriver = GameTest;

std::vector<std::string> slice(const std::vector<std::string>& log, int from, int count) {
    return {log.begin() + from, log.begin() + from + count};
}

TEST_F(GameDriver, AGameOpensInTheDescribedOrder) {
    buy(1);
    view.select(Ctl::selgametype, 1);
    random.script = dealWithLowCards({1});
    view.log.clear();
    game.StartButton_Click();
    EXPECT_EQ(slice(view.log, 0, 11),
              (std::vector<std::string>{
                  "panel 3 Number = 1", "enabled pausebutton 1", "enabled StartButton 0",
                  "enabled SelectNoGames 0", "enabled PrintButton 0", "enabled mnuFilePrint 0",
                  "panel 1 Game = vertical", "panel 4 Jackpot = $24", "panel 2 Balance = $54",
                  "caption Label3(1) 1", "caption Label3(2) 2"}));
    EXPECT_EQ(slice(view.log, 33, 8),
              (std::vector<std::string>{"caption Label3(25) 65", "color Label3(13) FF0000",
                                        "color Label4(13) FF0000", "color Label5(13) FF0000",
                                        "caption Label3(13) 0", "caption Label4(13) 0",
                                        "caption Label5(13) 0", "repaint"}));
}

TEST_F(GameDriver, CentresAreMarkedAndThePoolShrinksOnlyOnCallsThatDoNotWin) {
    std::vector<int> poolSizes;
    view.onProcessEvents = [&](int pump) {
        if (pump == 1) {
            for (int card = 1; card <= kCardCount; ++card) {
                EXPECT_EQ(state.Cards[card].cell[kFreeCentre].mark, 1) << "card " << card;
            }
        }
        poolSizes.push_back(state.maxrecord);
    };
    play(1, 1, dealWithLowCards({1})); // calls 1, 2, 3, 4; 5 completes column B
    EXPECT_EQ(poolSizes.front(), 74);
    EXPECT_EQ(state.maxrecord, 71);
    EXPECT_EQ(state.NumberPool[1], 5) << "the winning number stays in the pool";
}

TEST_F(GameDriver, AfterEveryGameTheWindowIsBackToChoosingWithCleanCards) {
    play(2, 1, dealWithLowCards({1}));
    EXPECT_GE(view.find("panel 1 Game = "), 0);
    EXPECT_FALSE(view.visible(Ctl::GAME1) || view.visible(Ctl::Game2));
    EXPECT_FALSE(view.enabled(Ctl::StartButton) || view.enabled(Ctl::pausebutton));
    EXPECT_TRUE(view.enabled(Ctl::SelectNoGames) && view.enabled(Ctl::PrintButton));
    EXPECT_TRUE(view.isSelected(Ctl::sel0, 1));
    EXPECT_EQ(view.count("color Label1"), 5 + kNumberCount) << "five calls lit, all whitened";
    EXPECT_EQ(view.caption(Ctl::Label4, 13), " ");
    for (int card = 1; card <= kCardCount; ++card) {
        for (int cell = 1; cell <= kCellCount; ++cell) {
            EXPECT_EQ(state.Cards[card].cell[cell].mark, 0);
        }
    }
    EXPECT_EQ(state.Cards[1].cell[1].number, 1) << "the numbers stay until the next deal";
    const int lit = view.find("color GAME1 8080FF");
    EXPECT_LT(lit, view.find("color GAME1 FFFF80", lit));
}

struct TypeChoice {
    int option;
    float draw;
    const char* gametype;
    int jackpot;
};

void PrintTo(const TypeChoice& c, std::ostream* out) {
    *out << "option " << c.option << " draw " << c.draw;
}

class GameTypeChoice : public GameTest, public ::testing::WithParamInterface<TypeChoice> {};

TEST_P(GameTypeChoice, FixesThePatternAndJackpot) {
    const TypeChoice choice = GetParam();
    auto draws = dealWithLowCards({1});
    draws[0] = choice.draw;
    play(1, choice.option, draws);
    EXPECT_GE(view.find("panel 1 Game = " + std::string(choice.gametype)), 0);
    EXPECT_GE(view.find("panel 4 Jackpot = $" + std::to_string(choice.jackpot)), 0);
}

INSTANTIATE_TEST_SUITE_P(Options, GameTypeChoice,
                         ::testing::Values(TypeChoice{0, 0.0f, "vertical", 24},
                                           TypeChoice{0, drawing(2, 3), "horizontal", 48},
                                           TypeChoice{0, kJustBelowOne, "diagonal", 60},
                                           TypeChoice{1, kJustBelowOne, "vertical", 24},
                                           TypeChoice{3, 0.0f, "diagonal", 60},
                                           TypeChoice{8, drawing(2, 3), "horizontal", 48}));

struct StakeCase {
    int balance;
    int cards;
    int winningCard;
    int balanceAfter;
};

void PrintTo(const StakeCase& c, std::ostream* out) {
    *out << c.cards << " cards, card " << c.winningCard << " wins";
}

class Stake : public GameTest, public ::testing::WithParamInterface<StakeCase> {};

TEST_P(Stake, CostsSixDollarsACardAndPaysTheJackpotOnlyToThePlayer) {
    const StakeCase stake = GetParam();
    state.balance = stake.balance;
    play(stake.cards, 1, dealWithLowCards({stake.winningCard}));
    EXPECT_EQ(state.balance, stake.balanceAfter);
}

INSTANTIATE_TEST_SUITE_P(Games, Stake,
                         ::testing::Values(StakeCase{60, 1, 4, 54}, StakeCase{60, 3, 4, 42},
                                           StakeCase{60, 1, 1, 78}, StakeCase{60, 3, 3, 66},
                                           StakeCase{6, 1, 4, 0},
                                           StakeCase{INT_MAX - 10, 1, 1, INT_MAX}));

TEST_F(GameDriver, ThePauseIsTenSlicesOfTheSliderValueTimesTwentyMilliseconds) {
    view.setValue(Ctl::Slider1, 3);
    play(1, 1, dealWithLowCards({1}));
    const int pause = view.find("events");
    EXPECT_EQ(view.log[pause + 1], "repaint");
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(slice(view.log, pause + 2 + 2 * i, 2),
                  (std::vector<std::string>{"events", "sleep 60"}));
    }
    EXPECT_EQ(view.log[pause + 22], "repaint") << "the next call follows the pause";
}

TEST_F(GameDriver, ASliderChangeTakesEffectFromTheNextPauseAndZeroOnlyLetsEventsRun) {
    view.setValue(Ctl::Slider1, 2);
    view.onProcessEvents = [&](int pump) {
        view.setValue(Ctl::Slider1, pump == 3 ? 5 : pump == 13 ? 0 : view.value(Ctl::Slider1));
    };
    play(1, 1, dealWithLowCards({1}));
    EXPECT_EQ(view.count("sleep 40"), 10);
    EXPECT_EQ(view.count("sleep 100"), 10);
    EXPECT_EQ(view.count("sleep"), 20) << "the last two pauses, at 0, never sleep";
    EXPECT_EQ(view.count("events"), 4 * 11);
}

TEST_F(GameDriver, ClosingTheProgramStopsTheGameAtItsNextYield) {
    std::size_t logged = 0;
    view.onProcessEvents = [&](int pump) {
        if (pump == 2) {
            game.programEnding();
            logged = view.log.size();
        }
    };
    play(1, 1, dealWithLowCards({1}));
    EXPECT_EQ(view.log.size(), logged) << "nothing touches the window after the close";
    EXPECT_FALSE(game.isPlaying());
    game.StartButton_Click();
    EXPECT_EQ(view.log.size(), logged);
}

TEST_F(GameDriver, StartingStateAtWindowLoad) {
    state.balance = 7;
    state.Cards[10].cell[25] = {75, 1};
    game.loadStartingState();
    EXPECT_EQ(state.balance, 60);
    EXPECT_EQ(state.Cards[10].cell[25].number + state.Cards[10].cell[25].mark, 0);
    EXPECT_EQ(view.log,
              (std::vector<std::string>{"visible GAME1 0", "visible Game2 0", "visible Game3 0",
                                        "enabled StartButton 0", "enabled pausebutton 0",
                                        "enabled SelectNoGames 1"}));
}

} // namespace
} // namespace zandor::test
