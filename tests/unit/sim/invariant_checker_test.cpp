// The invariant checker fed by hand: a correct game passes and each kind of broken game is caught.
#include "sim/invariant_checker.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace zandor {
namespace {

// A one-card vertical game played by hand: every card holds each column's five lowest numbers,
// 1 to 5 are called and the player wins with column B. The pool holds only what a fault puts in.
struct Game {
    GameState state;
    InvariantChecker checker{1};

    Game() {
        CardRecord card;
        for (int cell = 1; cell <= kCellCount; ++cell) {
            card.cell[cell].number = (cell - 1) / 5 * 15 + (cell - 1) % 5 + 1;
        }
        card.cell[kFreeCentre].mark = 1;
        state.Cards.fill(card);
        state.maxrecord = kNumberCount;
        checker.gameStarting(state);
        state.gametype = "vertical";
        state.jackpot = 24;
        state.balance -= kStakePerCard;
    }

    void show(int number) {
        checker.numberShown("B " + std::to_string(number));
        for (CardRecord& card : state.Cards) {
            for (CardCell& cell : card.cell) {
                cell.mark |= cell.number == number ? 1 : 0;
            }
        }
    }

    // Plays the game, broken by `fault` before the first call and again once the board is clear.
    std::vector<std::string> play(void (*fault)(Game&) = [](Game&) {}) {
        fault(*this);
        for (int number = 1; number <= 4; ++number) {
            show(number);
            --state.maxrecord;
            checker.eventsProcessed();
        }
        show(5);
        state.whowon = "you";
        state.balance += state.jackpot;
        checker.messageShown("We have a winner and it was you, Your Balance is now $78");
        for (CardRecord& card : state.Cards) {
            for (CardCell& cell : card.cell) {
                cell.mark = 0;
            }
        }
        fault(*this);
        checker.gameFinished();
        return checker.descriptions();
    }
};

TEST(SimInvariantChecker, PassesACorrectGameAndCatchesEachKindOfBrokenGame) {
    EXPECT_THAT(Game().play(), ::testing::IsEmpty());
    const std::pair<const char*, void (*)(Game&)> faults[] = {
        {"card 5 holds 1 in column 1", [](Game& g) { g.state.Cards[5].cell[2].number = 1; }},
        {"card 4 holds 16 in column 1", [](Game& g) { g.state.Cards[4].cell[5].number = 16; }},
        {"2 was called but is still in the pool", [](Game& g) { g.state.NumberPool[7] = 2; }},
        {"1 was called twice", [](Game& g) { g.show(1); }},
        {"card 9 cell 20 is marked 1", [](Game& g) { g.state.Cards[9].cell[20].mark = 1; }},
        {"card 10 cell 13 is still marked", [](Game& g) { g.state.Cards[10].cell[13].mark = 1; }},
        {"balance went from 60 to 102, expected 78", [](Game& g) { g.state.balance = 102; }},
        {"card 1 has a complete line, no winner announced", [](Game& g) { g.show(5); }},
        {"you was announced without a complete line",
         [](Game& g) { g.checker.messageShown("We have a winner and it was you, Your Balance"); }},
        {"card 2 won: its owner is Fred, announced you",
         [](Game& g) { g.state.Cards[1].cell[5].number = 6; }},
    };
    for (const auto& [description, fault] : faults) {
        EXPECT_THAT(Game().play(fault), ::testing::Contains(::testing::HasSubstr(description)));
    }
}

} // namespace
} // namespace zandor
