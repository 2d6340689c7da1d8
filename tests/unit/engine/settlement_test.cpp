#include "game_test_support.h"

namespace zandor::test {
namespace {

struct Ownership {
    int cardsBought;
    int winningCard;
    const char* winner;
    int picture; // 0 for the player
};

void PrintTo(const Ownership& o, std::ostream* out) {
    *out << o.cardsBought << " cards, card " << o.winningCard << " wins";
}

class CardOwner : public GameTest, public ::testing::WithParamInterface<Ownership> {};

TEST_P(CardOwner, DecidesWhoIsAnnouncedAndWhoIsPaid) {
    const Ownership owner = GetParam();
    play(owner.cardsBought, 1, dealWithLowCards({owner.winningCard}));
    EXPECT_EQ(state.whowon, owner.winner);
    // A screen reader hears the result last, once the board is cleared.
    const std::string balance = ". Balance $" + std::to_string(state.balance) + ".";
    EXPECT_EQ(view.log.back(),
              owner.picture == 0
                  ? "announce You won $" + std::to_string(state.jackpot) + balance
                  : "announce " + std::string(owner.winner) + " won. Your stake of $" +
                        std::to_string(6 * owner.cardsBought) + " is lost" + balance);
    if (owner.picture == 0) {
        const char* const frames[] = {"GAME1", "Game2", "Game3"};
        EXPECT_GE(view.find("color " + std::string(frames[owner.winningCard - 1]) + " 8080FF"), 0);
        EXPECT_TRUE(view.winnersCards.empty());
    } else {
        ASSERT_EQ(view.winnersCards.size(), 1U);
        EXPECT_EQ(view.winnersCards[0].picture, owner.picture);
        EXPECT_EQ(view.winnersCards[0].winnerLine, std::string(owner.winner) + " is the winner.");
        EXPECT_TRUE(view.messages.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(Cards, CardOwner,
                         ::testing::Values(Ownership{1, 1, "you", 0}, Ownership{1, 2, "Fred", 1},
                                           Ownership{2, 2, "you", 0}, Ownership{2, 3, "Bink", 3},
                                           Ownership{3, 3, "you", 0}, Ownership{1, 4, "Kaper", 4},
                                           Ownership{2, 5, "Tron", 5}, Ownership{3, 6, "Lute", 6},
                                           Ownership{1, 7, "Rucky", 7}, Ownership{1, 8, "Broed", 8},
                                           Ownership{1, 9, "Sugar", 9},
                                           Ownership{3, 10, "Pemby", 2}));

using Settlement = GameTest;

TEST_F(Settlement, TiesGoToTheLowestCardSoThePlayerWinsThem) {
    play(1, 1, dealWithLowCards({4, 1}));
    EXPECT_EQ(state.whowon, "you");
    play(1, 1, dealWithLowCards({9, 6}));
    EXPECT_EQ(state.whowon, "Lute");
}

TEST_F(Settlement, APlayersWinIsHeardThenPaidThenAnnounced) {
    buy(1);
    state.balance = 54;
    state.jackpot = 60;
    view.log.clear();
    game.DeclareWinner(1);
    EXPECT_EQ(view.log, (std::vector<std::string>{
                            "sound /opt/zandor/sounds/bingo.wav", "color GAME1 8080FF",
                            "message We have a winner and it was you, Your Balance is now $114",
                            "panel 2 Balance = $114", "caption CalledNumberDisplay  "}));
}

TEST_F(Settlement, AComputersWinShowsItsCardWithTheMarksAndTheBalanceUntouched) {
    buy(1);
    state.balance = 54;
    for (int cell = 1; cell <= kCellCount; ++cell) {
        state.Cards[2].cell[cell] = {100 + cell, cell % 5 == 2 ? 1 : 0}; // the second row
    }
    game.DeclareWinner(2);
    ASSERT_EQ(view.winnersCards.size(), 1U);
    const WinnersCard& shown = view.winnersCards[0];
    EXPECT_EQ(shown.winnerLine, "Fred is the winner.");
    EXPECT_EQ(shown.picture, 1);
    EXPECT_EQ(std::make_pair(shown.cellNumber[1], shown.cellColor[1]), std::make_pair(101, kWhite));
    EXPECT_EQ(std::make_pair(shown.cellNumber[2], shown.cellColor[2]), std::make_pair(102, kRed));
    EXPECT_EQ(std::make_pair(shown.cellNumber[13], shown.cellColor[13]), std::make_pair(0, kRed))
        << "the centre shows 0 on red whatever its number";
    EXPECT_EQ(state.balance, 54);
    EXPECT_EQ(view.log[view.log.size() - 2], "panel 2 Balance = $54");
}

} // namespace
} // namespace zandor::test
