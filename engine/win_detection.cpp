// Win detection: after every call, the first card (lowest number first, so the player wins
// every tie) with a complete line of the game's pattern wins.
#include "engine/game.h"

namespace zandor {
namespace {

using Line = std::array<int, 5>;

constexpr Line kRows[] = {{1, 6, 11, 16, 21},
                          {2, 7, 12, 17, 22},
                          {3, 8, 13, 18, 23},
                          {4, 9, 14, 19, 24},
                          {5, 10, 15, 20, 25}};
constexpr Line kColumns[] = {{1, 2, 3, 4, 5},
                             {6, 7, 8, 9, 10},
                             {11, 12, 13, 14, 15},
                             {16, 17, 18, 19, 20},
                             {21, 22, 23, 24, 25}};
constexpr Line kDiagonals[] = {{1, 7, 13, 19, 25}, {5, 9, 13, 17, 21}};

struct Pattern {
    const Line* lines = nullptr;
    int count = 0;
};

// The lines of a game type; an unknown word has none, so no card can win.
Pattern patternOf(const std::string& gametype) {
    if (gametype == "horizontal") {
        return {kRows, 5};
    }
    if (gametype == "vertical") {
        return {kColumns, 5};
    }
    if (gametype == "diagonal") {
        return {kDiagonals, 2};
    }
    return {};
}

bool isComplete(const CardRecord& card, const Line& line) {
    for (int cell : line) {
        if (card.cell[cell].mark != 1) {
            return false;
        }
    }
    return true;
}

} // namespace

void Game::hasanyonewon(std::int16_t& win) {
    const Pattern pattern = patternOf(state_.gametype);
    for (int card = 1; card <= kCardCount; ++card) {
        for (int line = 0; line < pattern.count; ++line) {
            if (isComplete(state_.Cards[card], pattern.lines[line])) {
                DeclareWinner(card);
                win = 1;
                return;
            }
        }
    }
}

} // namespace zandor
