#include "game_test_support.h"

#include <climits>

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
    const int stake = 6 * owner.cardsBought;
    if (owner.picture == 0) {
        const Ctl frames[] = {Ctl::GAME1, Ctl::Game2, Ctl::Game3};
        EXPECT_GE(view.find("color " + controlName(frames[owner.winningCard - 1], 0) + " 8080FF"),
                  0);
        EXPECT_TRUE(view.winnersCards.empty());
        EXPECT_EQ(state.balance, 60 - stake + 24);
    } else {
        ASSERT_EQ(view.winnersCards.size(), 1U);
        EXPECT_EQ(view.winnersCards[0].picture, owner.picture);
        EXPECT_EQ(view.winnersCards[0].winnerLine, std::string(owner.winner) + " is the winner.");
        EXPECT_EQ(view.count("color GAME1 8080FF"), 0);
        EXPECT_EQ(state.balance, 60 - stake);
        EXPECT_TRUE(view.messages.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(Cards, CardOwner,
                         ::testing::Values(Ownership{1, 1, "you", 0}, Ownership{1, 2, "Fred", 1},
                                           Ownership{2, 2, "you", 0}, Ownership{2, 3, "Bink", 3},
                                           Ownership{3, 2, "you", 0}, Ownership{3, 3, "you", 0},
                                           Ownership{1, 3, "Bink", 3}, Ownership{1, 4, "Kaper", 4},
                                           Ownership{2, 5, "Tron", 5}, Ownership{3, 6, "Lute", 6},
                                           Ownership{1, 7, "Rucky", 7}, Ownership{1, 8, "Broed", 8},
                                           Ownership{1, 9, "Sugar", 9},
                                           Ownership{3, 10, "Pemby", 2}));

using Settlement = GameTest;

TEST_F(Settlement, ThePlayerWinsATieWithAComputerCard) {
    play(1, 1, dealWithLowCards({4, 1}));
    EXPECT_EQ(state.whowon, "you");
    EXPECT_TRUE(view.winnersCards.empty());
}

TEST_F(Settlement, AmongComputerPlayersTheLowerCardWins) {
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
    EXPECT_EQ(state.balance, 114);
}

TEST_F(Settlement, AComputersWinShowsItsCardWithTheMarksAndTheBalanceUntouched) {
    buy(1);
    state.balance = 54;
    state.jackpot = 48;
    for (int cell = 1; cell <= kCellCount; ++cell) {
        state.Cards[2].cell[cell].number = 100 + cell;
        state.Cards[2].cell[cell].mark = (cell % 5 == 2) ? 1 : 0; // the second row
    }
    view.log.clear();
    game.DeclareWinner(2);
    ASSERT_EQ(view.winnersCards.size(), 1U);
    const WinnersCard& shown = view.winnersCards[0];
    EXPECT_EQ(shown.winnerLine, "Fred is the winner.");
    EXPECT_EQ(shown.picture, 1);
    EXPECT_EQ(shown.cellNumber[1], 101);
    EXPECT_EQ(shown.cellColor[1], kWhite);
    EXPECT_EQ(shown.cellNumber[2], 102);
    EXPECT_EQ(shown.cellColor[2], kRed);
    EXPECT_EQ(shown.cellNumber[13], 0) << "the centre shows 0 on red whatever its number";
    EXPECT_EQ(shown.cellColor[13], kRed);
    EXPECT_EQ(state.balance, 54);
    EXPECT_EQ(view.log.back(), "caption CalledNumberDisplay  ");
    EXPECT_EQ(view.log[view.log.size() - 2], "panel 2 Balance = $54");
}

TEST_F(Settlement, AJackpotBeyondTheLargestBalanceStopsThere) {
    buy(1);
    state.balance = INT_MAX - 10;
    state.jackpot = 60;
    game.DeclareWinner(1);
    EXPECT_EQ(state.balance, INT_MAX);
}

TEST_F(Settlement, OnlyTheTenCardsInPlayCanWin) {
    game.DeclareWinner(0);
    game.DeclareWinner(11);
    EXPECT_TRUE(view.log.empty());
}

} // namespace
} // namespace zandor::test
