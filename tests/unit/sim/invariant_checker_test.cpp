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

    template <typename F>
    void eachCell(F f) {
        for (CardRecord& card : state.Cards) {
            for (CardCell& cell : card.cell) {
                f(cell);
            }
        }
    }

    void show(int number) {
        checker.numberShown("B " + std::to_string(number));
        eachCell([number](CardCell& cell) { cell.mark |= cell.number == number ? 1 : 0; });
    }

    static void intact(Game&) {}

    // Plays the game, broken by `fault` before the first call or, atEnd, once the board is clear.
    std::vector<std::string> play(void (*fault)(Game&) = intact, bool atEnd = false) {
        (atEnd ? intact : fault)(*this);
        for (int number = 1; number <= 4; ++number) {
            show(number);
            --state.maxrecord;
            checker.eventsProcessed();
        }
        show(5);
        state.whowon = "you";
        state.balance += state.jackpot;
        checker.messageShown("We have a winner and it was you, Your Balance is now $78");
        eachCell([](CardCell& cell) { cell.mark = 0; });
        (atEnd ? fault : intact)(*this);
        checker.gameFinished();
        return checker.descriptions();
    }
};

TEST(SimInvariantChecker, CorrectGamePasses) {
    EXPECT_THAT(Game().play(), ::testing::IsEmpty());
}

TEST(SimInvariantChecker, CatchesEachKindOfBrokenGame) {
    const std::tuple<const char*, bool, void (*)(Game&)> faults[] = {
        {"card 5 holds 1 in column 1", false, [](Game& g) { g.state.Cards[5].cell[2].number = 1; }},
        {"card 4 holds 16 in column 1", false,
         [](Game& g) { g.state.Cards[4].cell[5].number = 16; }},
        {"2 was called but is still in the pool", false,
         [](Game& g) { g.state.NumberPool[7] = 2; }},
        {"1 was called twice", false, [](Game& g) { g.show(1); }},
        {"card 9 cell 20 is marked 1", false, [](Game& g) { g.state.Cards[9].cell[20].mark = 1; }},
        {"card 10 cell 13 is still marked", true,
         [](Game& g) { g.state.Cards[10].cell[13].mark = 1; }},
        {"balance went from 60 to 102, expected 78", false, [](Game& g) { g.state.balance += 24; }},
        {"card 1 has a complete line, no winner announced", false, [](Game& g) { g.show(5); }},
        {"you was announced without a complete line", false,
         [](Game& g) { g.checker.messageShown("We have a winner and it was you, Your Balance"); }},
        {"card 2 won: its owner is Fred, announced you", false,
         [](Game& g) { g.state.Cards[1].cell[5].number = 6; }},
    };
    for (const auto& [description, atEnd, fault] : faults) {
        EXPECT_THAT(Game().play(fault, atEnd),
                    ::testing::Contains(::testing::HasSubstr(description)));
    }
}

} // namespace
} // namespace zandor
