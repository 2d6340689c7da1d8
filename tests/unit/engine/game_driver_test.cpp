#include "game_test_support.h"

#include <climits>
#include <iterator>

namespace zandor::test {
namespace {

using GameDriver = GameTest;

TEST_F(GameDriver, DuringAGameOnlyPauseWorksAndWinsLeaveTheirNumberInThePool) {
    std::vector<int> poolSizes;
    view.onProcessEvents = [&](int pump) {
        if (pump == 1) {
            EXPECT_TRUE(view.enabled(Ctl::pausebutton));
            for (Ctl c :
                 {Ctl::StartButton, Ctl::SelectNoGames, Ctl::PrintButton, Ctl::mnuFilePrint}) {
                EXPECT_FALSE(view.enabled(c)) << controlName(c, 0);
            }
            EXPECT_EQ(view.caption(Ctl::Label3, 1), "1");
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
    const auto eachCell = [](const std::function<void(Ctl, int)>& f) {
        for (int k = 1; k <= kNumberCount; ++k) {
            f(Ctl::Label1, k);
        }
        for (Ctl grid : {Ctl::Label3, Ctl::Label4, Ctl::Label5}) {
            for (int cell = 1; cell <= kCellCount; ++cell) {
                f(grid, cell);
            }
        }
    };
    eachCell([&](Ctl c, int i) { view.setBackColor(c, i, kRed); });
    play(3, 1, dealWithLowCards({1}));
    EXPECT_GE(view.find("panel 1 Game = "), 0);
    EXPECT_GE(view.find("panel 3 Number = 1"), 0);
    EXPECT_FALSE(view.visible(Ctl::GAME1) || view.visible(Ctl::Game2) || view.visible(Ctl::Game3));
    EXPECT_FALSE(view.enabled(Ctl::StartButton) || view.enabled(Ctl::pausebutton));
    EXPECT_TRUE(view.enabled(Ctl::SelectNoGames) && view.enabled(Ctl::PrintButton));
    EXPECT_TRUE(view.isSelected(Ctl::sel0, 1));
    for (Ctl frame : {Ctl::GAME1, Ctl::Game2, Ctl::Game3}) {
        EXPECT_EQ(view.backColor(frame, 0), kLightYellow) << controlName(frame, 0);
    }
    eachCell([&](Ctl c, int i) {
        EXPECT_EQ(view.backColor(c, i), kWhite) << controlName(c, i);
        EXPECT_TRUE(c == Ctl::Label1 || view.caption(c, i) == " ") << controlName(c, i);
    });
    for (int card = 1; card <= kCardCount; ++card) {
        for (int cell = 1; cell <= kCellCount; ++cell) {
            EXPECT_EQ(state.Cards[card].cell[cell].mark, 0);
        }
    }
    EXPECT_EQ(state.Cards[1].cell[1].number, 1) << "the numbers stay until the next deal";
}

class UnboughtGrids : public GameTest, public ::testing::WithParamInterface<int> {};

TEST_P(UnboughtGrids, ShowOnlyTheirFreeCentreDuringAGame) {
    const int cards = GetParam();
    view.setValue(Ctl::automancheck, 1);
    // Numbers the calls bring stand in the unbought grids, so that reading them would show.
    for (Ctl grid : {Ctl::Label4, Ctl::Label5}) {
        for (int cell = 1; cell <= 5; ++cell) {
            view.setCaption(grid, cell, std::to_string(cell));
        }
    }
    view.log.clear();
    play(cards, 1, dealWithLowCards({1, 2, 3}));
    const int cleanUp = view.find("panel 1 Game = ");
    ASSERT_GT(cleanUp, 0);
    for (int grid = cards + 3; grid <= 5; ++grid) { // an unbought grid shows only its centre
        const std::string name = "Label" + std::to_string(grid);
        std::vector<std::string> touched;
        std::copy_if(view.log.begin(), view.log.begin() + cleanUp, std::back_inserter(touched),
                     [&](const std::string& e) { return e.find(name + "(") != std::string::npos; });
        EXPECT_EQ(touched, (std::vector<std::string>{"color " + name + "(13) FF0000",
                                                     "caption " + name + "(13) 0"}));
    }
}

INSTANTIATE_TEST_SUITE_P(CardsBought, UnboughtGrids, ::testing::Values(1, 2));

struct TypeChoice {
    int option;
    float draw;
    const char* gametype;
    int jackpot;
};

class GameTypeChoice : public GameTest, public ::testing::WithParamInterface<TypeChoice> {};

TEST_P(GameTypeChoice, FixesThePatternAndJackpot) {
    const TypeChoice choice = GetParam();
    auto draws = dealWithLowCards({1});
    draws[0] = choice.draw;
    play(1, choice.option, draws);
    EXPECT_GE(view.find("panel 1 Game = " + std::string(choice.gametype)), 0);
    EXPECT_GE(view.find("panel 4 Jackpot = $" + std::to_string(choice.jackpot)), 0);
    EXPECT_EQ(random.drawsWithoutReseed, 0) << "every draw, the game type's too, follows a reseed";
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

TEST_F(GameDriver, APauseIsTenSlicesOfTheSliderTimesTwentyMsAndAChangeCountsFromTheNext) {
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

struct ClosingCase {
    const char* during; // the entry logged when the program is told it is ending
    bool print;         // the print command rather than Start
    int balance;
    int winningCard;
    int balanceAfter;
};

void PrintTo(const ClosingCase& c, std::ostream* out) {
    *out << "closing at '" << c.during << "'";
}

class Closing : public GameTest, public ::testing::WithParamInterface<ClosingCase> {};

// The program may end inside any yield, sound or modal of a game. The game then stops where it
// is, settles a win it has found so that the balance left for the high-score table is right,
// and touches the window no more.
TEST_P(Closing, StopsTheGameSettlesAFoundWinSilentlyAndLeavesTheWindowAlone) {
    const ClosingCase closing = GetParam();
    std::size_t logged = 0;
    view.onEntry = [&](const std::string& entry) {
        if (logged == 0 && entry.rfind(closing.during, 0) == 0) {
            game.programEnding();
            logged = view.log.size();
        }
    };
    state.balance = closing.balance;
    buy(1);
    random.script = dealWithLowCards({closing.winningCard});
    view.select(Ctl::selgametype, 1);
    if (closing.print) {
        game.mnuFilePrint_Click();
    } else {
        game.StartButton_Click();
    }
    ASSERT_GT(logged, 0U);
    EXPECT_EQ(
        std::vector<std::string>(view.log.begin() + static_cast<long>(logged), view.log.end()),
        std::vector<std::string>{})
        << "nothing touches the window after the close";
    EXPECT_EQ(state.balance, closing.balanceAfter);
    EXPECT_EQ(state.random_no_returned, 0);
    EXPECT_FALSE(game.isPlaying());
    for (void (Game::*handler)() :
         {&Game::StartButton_Click, &Game::mnuFilePrint_Click, &Game::sel0_Click, &Game::sel1_Click,
          &Game::sel3_Click, &Game::pausebutton_Click}) {
        (game.*handler)();
    }
    EXPECT_EQ(view.log.size(), logged) << "a click after the close does nothing";
}

INSTANTIATE_TEST_SUITE_P(
    Moments, Closing,
    ::testing::Values(ClosingCase{"events", false, 60, 1, 54},
                      ClosingCase{"sound /opt/zandor/sounds/3.wav", false, 60, 1, 54},
                      ClosingCase{"sound /opt/zandor/sounds/bingo.wav", false, 60, 1, 78},
                      ClosingCase{"sound /opt/zandor/sounds/bingo.wav", false, 60, 4, 54},
                      ClosingCase{"message We have a winner", false, 60, 1, 78},
                      ClosingCase{"winners Kaper", false, 60, 4, 54},
                      ClosingCase{"message You do not have enough cash - try", false, 5, 1, 60},
                      ClosingCase{"print", true, 60, 1, 54}));

} // namespace
} // namespace zandor::test
