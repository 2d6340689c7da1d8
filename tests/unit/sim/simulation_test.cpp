// Whole games through the engine: every card count and game type plays clean under the checker,
// which catches each kind of broken game.
#include "sim/invariant_checker.h"
#include "sim/runner.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace zandor {
namespace {

TEST(Simulation, EveryCardCountAndGameTypePlaysClean) {
    for (int cards : {1, 2, 3}) {
        for (int type : {0, 1, 2, 3, 8}) {
            const RunResult result = runSimulation({300, cards, type, 7, true, false});
            EXPECT_EQ(result.statistics.games(), 300);
            EXPECT_EQ(result.violations, 0)
                << cards << " cards, type " << type << ": " << result.violationDescriptions.front();
        }
    }
}

// The checker fed by hand: a one-card vertical game where every card holds each column's five
// lowest numbers, so 1 to 5 sit in cells 1 to 5; they are called and the player wins with
// column B. The pool holds only what a fault puts in.
struct HandGame {
    GameState state;
    InvariantChecker checker{1};

    void show(int number) {
        checker.numberShown("B " + std::to_string(number));
        for (CardRecord& card : state.Cards) {
            card.cell[number].mark = card.cell[kFreeCentre].mark = 1;
        }
    }

    // Plays the game, broken by `fault` before the first call and again once the board is clear.
    std::vector<std::string> play(void (*fault)(HandGame&) = [](HandGame&) {}) {
        for (CardRecord& card : state.Cards) {
            for (int cell = 1; cell <= kCellCount; ++cell) {
                card.cell[cell].number = (cell - 1) / 5 * 15 + (cell - 1) % 5 + 1;
            }
        }
        const auto dealt = state.Cards;
        state.maxrecord = kNumberCount;
        checker.gameStarting(state);
        state.gametype = "vertical";
        state.jackpot = 24;
        fault(*this);
        for (int number = 1; number <= 4; ++number) {
            show(number);
            --state.maxrecord;
            checker.eventsProcessed();
        }
        show(5);
        state.whowon = "you";
        state.balance = 78;
        checker.messageShown("We have a winner and it was you, Your Balance is now $78");
        state.Cards = dealt; // the board cleared
        fault(*this);
        checker.gameFinished();
        return checker.descriptions();
    }
};

TEST(SimInvariantChecker, PassesACorrectGameAndCatchesEachKindOfBrokenGame) {
    EXPECT_THAT(HandGame().play(), ::testing::IsEmpty());
    const std::pair<const char*, void (*)(HandGame&)> faults[] = {
        {"card 5 holds 1 in column 1", [](auto& g) { g.state.Cards[5].cell[2].number = 1; }},
        {"card 4 holds 16 in column 1", [](auto& g) { g.state.Cards[4].cell[5].number = 16; }},
        {"2 was called but is still in the pool", [](auto& g) { g.state.NumberPool[7] = 2; }},
        {"1 was called twice", [](auto& g) { g.show(1); }},
        {"card 9 cell 20 is marked 1", [](auto& g) { g.state.Cards[9].cell[20].mark = 1; }},
        {"card 10 cell 13 is still marked", [](auto& g) { g.state.Cards[10].cell[13].mark = 1; }},
        {"balance went from 60 to 102, expected 78", [](auto& g) { g.state.balance = 102; }},
        {"card 1 has a complete line, no winner announced", [](auto& g) { g.show(5); }},
        {"you was announced without a complete line",
         [](auto& g) { g.checker.messageShown("We have a winner and it was you, Your Balance"); }},
        {"card 2 won: its owner is Fred, announced you",
         [](auto& g) { g.state.Cards[1].cell[5].number = 6; }},
    };
    for (const auto& [description, fault] : faults) {
        EXPECT_THAT(HandGame().play(fault), ::testing::Contains(::testing::HasSubstr(description)));
    }
}

} // namespace
} // namespace zandor
