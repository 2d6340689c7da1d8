// The invariant checker fed by hand: a correctly played game passes, and each way of breaking a
// rule in the state or in the announcements is caught.
#include "tools/sim/invariant_checker.h"

#include <gtest/gtest.h>

namespace zandor {
namespace {

// Plays the engine's part by hand, correctly unless a test breaks something on purpose.
// Card k holds, in each column, the column's numbers k..k+4 counted from its lowest, so
// card 1 has 1-5 in column B and card 2 has 2-6.
class CheckerTest : public ::testing::Test {
protected:
    // A new game; a new checker too when the player holds another number of cards.
    void start(int playerCards, const char* gametype) {
        if (!checker_ || playerCards != playerCards_) {
            earlier_ += checker_ ? checker_->violations() : 0;
            checker_.emplace(playerCards);
            playerCards_ = playerCards;
        }
        state_.balance = 60;
        checker_->gameStarting(state_);
        state_.gametype = gametype;
        state_.jackpot = static_cast<std::int16_t>(jackpotOf(*lineKindOf(gametype)));
        state_.balance -= kStakePerCard * playerCards;
        state_.maxrecord = kNumberCount;
        for (int k = 1; k <= kNumberCount; ++k) {
            state_.NumberPool[k] = static_cast<std::int16_t>(k);
        }
        for (int card = 1; card <= kCardCount; ++card) {
            for (int cell = 1; cell <= kCellCount; ++cell) {
                const int column = (cell - 1) / 5;
                const int row = (cell - 1) % 5 + 1;
                state_.Cards[card].cell[cell] = {column * 15 + (row + card - 2) % 15 + 1, 0};
            }
            state_.Cards[card].cell[kFreeCentre].mark = 1;
        }
    }

    void show(int number) {
        const char letters[] = "BINGO";
        checker_->numberShown(" ");
        checker_->numberShown(std::string(1, letters[(number - 1) / 15]) + " " +
                              std::to_string(number));
        for (auto& card : state_.Cards) {
            for (CardCell& cell : card.cell) {
                if (cell.number == number) {
                    cell.mark = 1;
                }
            }
        }
    }

    // A call that wins nothing: the number leaves the pool and the game yields.
    void call(int number) {
        show(number);
        for (int position = 1; position <= state_.maxrecord; ++position) {
            if (state_.NumberPool[position] == number) {
                state_.NumberPool[position] = state_.NumberPool[state_.maxrecord];
                --state_.maxrecord;
                break;
            }
        }
        checker_->eventsProcessed();
    }

    void callAll(std::initializer_list<int> numbers) {
        for (int number : numbers) {
            call(number);
        }
    }

    void playerWins() {
        state_.whowon = "you";
        state_.balance += state_.jackpot;
        checker_->messageShown("We have a winner and it was you, Your Balance is now $" +
                               std::to_string(state_.balance));
    }

    void computerWins(const std::string& name) {
        state_.whowon = name;
        WinnersCard card;
        card.winnerLine = name + " is the winner.";
        checker_->winnersCardShown(card);
    }

    void playWonGame() {
        callAll({1, 2, 3, 4});
        show(5); // completes column B of card 1
        playerWins();
    }

    void clearMarks() {
        for (auto& card : state_.Cards) {
            for (CardCell& cell : card.cell) {
                cell.mark = 0;
            }
        }
    }

    void finish() {
        clearMarks();
        checker_->gameFinished();
    }

    long long violations() const { return earlier_ + checker_->violations(); }

    bool described(std::string_view text) const {
        for (const std::string& description : checker_->descriptions()) {
            if (description.find(text) != std::string::npos) {
                return true;
            }
        }
        return false;
    }

    GameState state_;
    std::optional<InvariantChecker> checker_;
    int playerCards_ = 0;
    long long earlier_ = 0;
};

TEST_F(CheckerTest, CorrectGamesPassForPlayerAndComputerWinners) {
    start(1, "vertical");
    playWonGame();
    finish();
    start(1, "vertical");
    callAll({2, 3, 4, 5});
    show(6); // completes column B of card 2 only: Fred's card when the player holds one
    computerWins("Fred");
    finish();
    start(2, "diagonal");
    callAll({1, 2 + 15, 4 + 45});
    show(5 + 60); // card 1: cells 1, 7, 19, 25 (with the centre), 1 + 17 + 49 + 65
    playerWins();
    finish();
    EXPECT_EQ(violations(), 0);
}

TEST_F(CheckerTest, CatchesACardWithANumberTwiceInAColumn) {
    start(1, "vertical");
    playWonGame();
    state_.Cards[5].cell[2].number = state_.Cards[5].cell[1].number;
    finish();
    EXPECT_EQ(violations(), 1);
    EXPECT_TRUE(described("card 5 holds 5 in column 1"));
}

TEST_F(CheckerTest, CatchesACardWithANumberOutsideItsColumn) {
    start(1, "vertical");
    playWonGame();
    state_.Cards[3].cell[7].number = 15; // a B number in the I column
    finish();
    EXPECT_EQ(violations(), 1);
    EXPECT_TRUE(described("card 3 holds 15 in column 2"));
}

TEST_F(CheckerTest, CatchesACalledNumberLeftInThePool) {
    start(1, "horizontal");
    show(40);
    state_.NumberPool[41] = state_.NumberPool[75]; // 41 leaves the pool instead of 40
    --state_.maxrecord;
    checker_->eventsProcessed();
    EXPECT_EQ(violations(), 1);
    EXPECT_TRUE(described("40 was called but is still in the pool"));
}

TEST_F(CheckerTest, CatchesANumberCalledTwiceOrShownUnderTheWrongLetter) {
    start(1, "horizontal");
    call(40);
    checker_->numberShown("N 40");
    EXPECT_EQ(violations(), 1);
    checker_->numberShown("I 7");
    checker_->numberShown("B 76");
    EXPECT_EQ(violations(), 3);
}

TEST_F(CheckerTest, CatchesMarksThatDisagreeWithTheNumbersCalled) {
    start(1, "horizontal");
    state_.Cards[9].cell[24].mark = 1;
    call(40);
    EXPECT_EQ(violations(), 1);
}

TEST_F(CheckerTest, CatchesACompleteLineThePlayGoesOnPast) {
    start(3, "vertical");
    callAll({2, 3, 4, 5, 6}); // card 2 has column B complete after 6
    EXPECT_EQ(violations(), 1);
}

TEST_F(CheckerTest, CatchesAWinnerAnnouncedWithoutACompleteLine) {
    start(1, "vertical");
    callAll({1, 2, 3});
    show(4);
    playerWins();
    EXPECT_EQ(violations(), 1);
}

TEST_F(CheckerTest, CatchesALineOfTheWrongGameType) {
    start(1, "horizontal");
    callAll({1, 2, 3, 4});
    show(5); // column B is complete, but no row is
    playerWins();
    EXPECT_EQ(violations(), 1);
}

TEST_F(CheckerTest, CatchesTheWrongOwnerOfTheWinningCard) {
    start(1, "vertical");
    callAll({2, 3, 4, 5});
    show(6); // card 2 is Fred's when the player holds one card
    playerWins();
    EXPECT_EQ(violations(), 1);
    start(2, "vertical");
    callAll({2, 3, 4, 5});
    show(6); // and the player's with two
    computerWins("Fred");
    EXPECT_EQ(violations(), 2);
}

TEST_F(CheckerTest, CatchesATieNotWonByTheLowestCard) {
    start(1, "vertical");
    state_.Cards[4] = state_.Cards[1];
    callAll({1, 2, 3, 4});
    show(5); // cards 1 and 4 complete column B together
    computerWins("Kaper");
    EXPECT_EQ(violations(), 1);
}

TEST_F(CheckerTest, CatchesMarksLeftAfterTheGame) {
    start(1, "vertical");
    playWonGame();
    clearMarks();
    state_.Cards[10].cell[kFreeCentre].mark = 1;
    checker_->gameFinished();
    EXPECT_EQ(violations(), 1);
}

TEST_F(CheckerTest, CatchesABalanceOffByTheJackpot) {
    start(1, "vertical");
    callAll({2, 3, 4, 5});
    show(6);
    computerWins("Fred");
    state_.balance += state_.jackpot; // paid although the player lost
    finish();
    EXPECT_EQ(violations(), 1);
}

TEST_F(CheckerTest, CatchesAGameThatEndsWithoutOneWinner) {
    start(1, "vertical");
    checker_->messageShown("You do not have enough cash - try again");
    state_.balance = 60;
    finish();
    EXPECT_EQ(violations(), 3); // the message, no winner, and the stake given back
}

TEST_F(CheckerTest, KeepsTheFirstDescriptionsAndCountsThemAll) {
    start(1, "horizontal");
    for (int i = 0; i < 30; ++i) {
        checker_->numberShown("X 1");
    }
    EXPECT_EQ(violations(), 30);
    EXPECT_EQ(checker_->descriptions().size(), InvariantChecker::kKeptDescriptions);
    EXPECT_EQ(checker_->descriptions().front(), "game 1: the called-number display shows 'X 1'");
}

} // namespace
} // namespace zandor
