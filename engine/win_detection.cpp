// Win detection: after every call, the first card (lowest number first, so the player wins
// every tie) with a complete line of the game's pattern wins.
#include "engine/game.h"

#include <string_view>

namespace zandor {
namespace {

// A line's cells, and the same cells as a bit set (bit c for cell c).
struct Line {
    int cells[5];
    std::uint32_t mask;
};

constexpr Line line(int a, int b, int c, int d, int e) {
    return {{a, b, c, d, e}, 1U << a | 1U << b | 1U << c | 1U << d | 1U << e};
}

constexpr Line kRows[] = {line(1, 6, 11, 16, 21), line(2, 7, 12, 17, 22), line(3, 8, 13, 18, 23),
                          line(4, 9, 14, 19, 24), line(5, 10, 15, 20, 25)};
constexpr Line kColumns[] = {line(1, 2, 3, 4, 5), line(6, 7, 8, 9, 10), line(11, 12, 13, 14, 15),
                             line(16, 17, 18, 19, 20), line(21, 22, 23, 24, 25)};
constexpr Line kDiagonals[] = {line(1, 7, 13, 19, 25), line(5, 9, 13, 17, 21)};

struct Pattern {
    const Line* lines = nullptr;
    int count = 0;
};

// The lines of a game type, matched exactly; an unknown word has none, so no card can win.
Pattern patternOf(std::string_view gametype) {
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
    for (int cell : line.cells) {
        if (card.cell[cell].mark != 1) {
            return false;
        }
    }
    return true;
}

// The first line of the pattern that is complete on the card and passes through one of the
// cells in `through`, or nullptr.
const Line* completeLine(const CardRecord& card, const Pattern& pattern, std::uint32_t through) {
    for (int line = 0; line < pattern.count; ++line) {
        const Line& candidate = pattern.lines[line];
        if ((candidate.mask & through) != 0 && isComplete(card, candidate)) {
            return &candidate;
        }
    }
    return nullptr;
}

} // namespace

void Game::hasanyonewon(std::int16_t& win) {
    const Pattern pattern = patternOf(state_.gametype);
    const bool afterCall = callMarks_.active;
    for (int card = 1; card <= kCardCount; ++card) {
        // During a call only the lines through the cell it marked on this card can be new.
        const std::uint32_t through = afterCall ? 1U << callMarks_.cell[card] : ~0U;
        if (through == 1U) {
            continue; // this call marked nothing on the card
        }
        if (completeLine(state_.Cards[card], pattern, through) != nullptr) {
            DeclareWinner(card);
            win = 1;
            return;
        }
    }
}

} // namespace zandor
