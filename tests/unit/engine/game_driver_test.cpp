#include "game_test_support.h"

#include <climits>
#include <numeric>

namespace zandor::test {
namespace {

using GameDriver = GameTest;

// During a game only Pause and the player's controls work: hand marks never win, Auto marks only
// the calls after the switch, Pause shows its message at once, and a pause between calls is ten
// slices of the slider times 20 ms, a change counting from the next pause.
TEST_F(GameDriver, DuringAGameThePlayersControlsWorkAndTheSliderSetsThePause) {
    view.values[Ctl::Slider1] = 2;
    view.onProcessEvents = [&](int pump) {
        EXPECT_TRUE(view.enabled(Ctl::pausebutton) && !view.enabled(Ctl::StartButton) &&
                    !view.enabled(Ctl::SelectNoGames));
        if (pump == 1) {
            for (int cell : {21, 22, 23, 24, 25}) { // the O column, whose numbers never come
                game.Label3_Click(cell);
            }
            view.values[Ctl::automancheck] = 1;
            game.automancheck_Click();
        }
        if (pump == 4) {
            game.pausebutton_Click();
            EXPECT_EQ(view.log.back(), "message GAME PAUSED, Click to continue.");
        }
        view.values[Ctl::Slider1] = pump == 3 ? 5 : pump == 13 ? 0 : view.value(Ctl::Slider1);
    };
    play(1, 1, dealWithLowCards({1}));
    EXPECT_EQ(view.count("color Label3(1) FF0000"), 0) << "number 1 came before the switch";
    for (int cell = 2; cell <= 5; ++cell) {
        EXPECT_EQ(view.count("color Label3(" + std::to_string(cell) + ") FF0000"), 1);
    }
    EXPECT_EQ(view.count("sleep 40"), 10);
    EXPECT_EQ(view.count("sleep 100"), 10);
    EXPECT_EQ(view.count("sleep"), 20) << "the last two pauses, at 0, never sleep";
    EXPECT_EQ(view.count("events"), 4 * 11) << "four calls before column B wins";
}

// alsoLow: a later card that completes its line on the same call; picture 0: the player's win.
struct Played {
    int balance, cards, typeOption;
    float typeDraw;
    int winningCard, alsoLow;
    const char* winner;
    int picture;
    const char* gametype;
    int jackpot, balanceAfter;
};

// Every cell of the board, the called numbers' and the player's grids.
void eachCell(const std::function<void(Ctl, int)>& f) {
    for (Ctl c : {Ctl::Label1, Ctl::Label3, Ctl::Label4, Ctl::Label5}) {
        for (int i = 1; i <= (c == Ctl::Label1 ? kNumberCount : kCellCount); ++i) {
            f(c, i);
        }
    }
}

class OneGame : public GameTest, public ::testing::WithParamInterface<Played> {};

// One press of Start, over a board left red with numbers the calls bring in every grid: the
// stake, game type and jackpot, the winner paid and announced, then a clean board to choose on.
TEST_P(OneGame, TakesTheStakeSettlesTheWinAndCleansTheBoard) {
    const Played p = GetParam();
    state.balance = p.balance;
    view.values[Ctl::automancheck] = 1;
    eachCell([&](Ctl c, int i) {
        view.setBackColor(c, i, kRed);
        view.setCaption(c, i, std::to_string(i));
    });
    view.log.clear();
    auto draws = dealWithLowCards({p.winningCard, p.alsoLow});
    draws[0] = p.typeDraw;
    buy(p.cards);
    EXPECT_TRUE(view.visible(Ctl::GAME1) && view.enabled(Ctl::StartButton));
    EXPECT_EQ(view.visible(Ctl::Game2) + view.visible(Ctl::Game3), p.cards - 1);
    view.select(Ctl::selgametype, p.typeOption);
    random.script = draws;
    game.StartButton_Click();

    EXPECT_GE(view.find("panel 1 Game = " + std::string(p.gametype)), 0);
    EXPECT_GE(view.find("panel 4 Jackpot = $" + std::to_string(p.jackpot)), 0);
    // The win is heard, then paid and announced, then the balance shown and the display blanked.
    const std::string after = "$" + std::to_string(p.balanceAfter);
    const bool players = p.picture == 0;
    std::vector<std::string> settled{"sound /opt/zandor/sounds/bingo.wav"};
    if (players) {
        settled.push_back("color " + controlName(kPlayersFrames[p.winningCard - 1], 0) + " 8080FF");
        settled.push_back("message We have a winner and it was you, Your Balance is now " + after);
    } else {
        settled.push_back("winners " + std::string(p.winner) + " is the winner.");
    }
    settled.insert(settled.end(), {"panel 2 Balance = " + after, "caption CalledNumberDisplay  "});
    const int bingo = view.find(settled[0]);
    ASSERT_GE(bingo, 0);
    EXPECT_EQ(std::vector<std::string>(view.log.begin() + bingo,
                                       view.log.begin() + bingo + static_cast<int>(settled.size())),
              settled);
    if (!players) { // column B and the centre marked, column O not: the centre shows 0 on red
        const WinnersCard& card = view.winnersCards.at(0);
        EXPECT_EQ(std::make_tuple(card.picture, card.cellColor[5], card.cellNumber[25],
                                  card.cellColor[25], card.cellNumber[13], card.cellColor[13]),
                  std::make_tuple(p.picture, kRed, 65, kWhite, 0, kRed));
    }
    // A screen reader hears the result last, once the board is cleared.
    EXPECT_EQ(view.log.back(), "announce " +
                                   (players ? "You won $" + std::to_string(p.jackpot)
                                            : std::string(p.winner) + " won. Your stake of $" +
                                                  std::to_string(6 * p.cards) + " is lost") +
                                   ". Balance " + after + ".");

    // The clean-up: Print back on, the winner's frame yellow again, the board white and blank.
    EXPECT_GE(view.find("panel 3 Number = 1"), 0);
    EXPECT_TRUE(view.enabled(Ctl::PrintButton));
    for (Ctl frame : kPlayersFrames) {
        EXPECT_EQ(view.backColor(frame, 0), kLightYellow) << controlName(frame, 0);
    }
    eachCell([&](Ctl c, int i) {
        EXPECT_EQ(view.backColor(c, i), kWhite) << controlName(c, i);
        EXPECT_TRUE(c == Ctl::Label1 || view.caption(c, i) == " ") << controlName(c, i);
    });
}

// Ties go to the lowest card, so the player wins them; cards 2 and 3 are Fred's and Bink's
// unless bought; the game-type options 1 to 3 fix the type, the others draw it.
INSTANTIATE_TEST_SUITE_P(
    Games, OneGame,
    ::testing::Values(Played{60, 1, 0, 0.0f, 1, 4, "you", 0, "vertical", 24, 78},
                      Played{60, 1, 0, drawing(2, 3), 2, 0, "Fred", 1, "horizontal", 48, 54},
                      Played{60, 2, 0, kJustBelowOne, 2, 0, "you", 0, "diagonal", 60, 108},
                      Played{12, 2, 1, kJustBelowOne, 3, 0, "Bink", 3, "vertical", 24, 0},
                      Played{60, 3, 3, 0.0f, 3, 0, "you", 0, "diagonal", 60, 102},
                      Played{18, 3, 8, drawing(2, 3), 4, 0, "Kaper", 4, "horizontal", 48, 0},
                      Played{6, 1, 1, 0.0f, 5, 0, "Tron", 5, "vertical", 24, 0},
                      Played{60, 3, 1, 0.0f, 6, 9, "Lute", 6, "vertical", 24, 42},
                      Played{60, 1, 1, 0.0f, 7, 0, "Rucky", 7, "vertical", 24, 54},
                      Played{60, 1, 1, 0.0f, 8, 0, "Broed", 8, "vertical", 24, 54},
                      Played{60, 2, 1, 0.0f, 9, 0, "Sugar", 9, "vertical", 24, 48},
                      Played{60, 3, 1, 0.0f, 10, 0, "Pemby", 2, "vertical", 24, 42},
                      Played{INT_MAX - 10, 1, 1, 0.0f, 1, 0, "you", 0, "vertical", 24, INT_MAX}));

struct ClosingCase {
    const char* during; // the entry logged when the program is told it is ending
    bool print;         // the print command rather than Start
    int balance, winningCard, balanceAfter;
};

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
    EXPECT_EQ(state.balance, closing.balanceAfter);
    for (void (Game::*handler)() :
         {&Game::StartButton_Click, &Game::mnuFilePrint_Click, &Game::sel0_Click, &Game::sel1_Click,
          &Game::sel3_Click, &Game::pausebutton_Click}) {
        (game.*handler)();
    }
    EXPECT_EQ(view.log.size(), logged) << "nothing, not even a click, touches the window after";
}

INSTANTIATE_TEST_SUITE_P(
    Moments, Closing,
    ::testing::Values(ClosingCase{"events", false, 60, 1, 54},
                      ClosingCase{"sound /opt/zandor/sounds/5.wav", false, 60, 1, 54},
                      ClosingCase{"sound /opt/zandor/sounds/bingo.wav", false, 60, 1, 78},
                      ClosingCase{"sound /opt/zandor/sounds/bingo.wav", false, 60, 4, 54},
                      ClosingCase{"message We have a winner", false, 60, 1, 78},
                      ClosingCase{"winners Kaper", false, 60, 4, 54},
                      ClosingCase{"message You do not have enough cash - try", false, 5, 1, 60},
                      ClosingCase{"print", true, 60, 1, 54}));

// The caller's order of work. Which line wins, the column letters and the pool are checked on
// every call of the simulator's checked games (tests/unit/sim), and in the whole games above.
using Caller = GameTest;

TEST_F(Caller, ACallIsShownLitAndHeardBeforeThePlayersCellsAreMarked) {
    buy(1);
    state.maxrecord = kNumberCount;
    std::iota(state.NumberPool.begin() + 1, state.NumberPool.end(), 1);
    view.values[Ctl::automancheck] = 1;
    view.setCaption(Ctl::Label3, 4, "7");
    view.setCaption(Ctl::Label3, 13, "0");
    view.log.clear();
    random.script = {drawing(7, kNumberCount)};
    std::int16_t win = 0;
    game.CallGame(win);
    EXPECT_EQ(view.log, (std::vector<std::string>{
                            "repaint", "caption CalledNumberDisplay  ",
                            "caption CalledNumberDisplay B 7", "color Label1(7) FF0000",
                            "sound /opt/zandor/sounds/7.wav", "color Label3(4) FF0000"}));
}

using CardCount = GameTest;

// A card count the balance does not cover only warns and keeps the earlier choice; Start then
// refuses the stake, resets the balance and opens the choice again. (A covered count shows its
// cards in the whole games above.)
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
