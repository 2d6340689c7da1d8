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

// For each cell, the indexes of up to two lines of a pattern through it (-1: none).
using LinesThrough = std::array<std::array<std::int8_t, 2>, kCellCount + 1>;

template <std::size_t N>
constexpr LinesThrough linesThrough(const Line (&lines)[N]) {
    LinesThrough table{};
    for (auto& entry : table) {
        entry = {-1, -1};
    }
    for (std::size_t i = 0; i < N; ++i) {
        for (int cell : lines[i].cells) {
            auto& entry = table[static_cast<std::size_t>(cell)];
            entry[entry[0] < 0 ? 0 : 1] = static_cast<std::int8_t>(i);
        }
    }
    return table;
}

constexpr LinesThrough kRowsThrough = linesThrough(kRows);
constexpr LinesThrough kColumnsThrough = linesThrough(kColumns);
constexpr LinesThrough kDiagonalsThrough = linesThrough(kDiagonals);

struct Pattern {
    const Line* lines = nullptr;
    int count = 0;
    const LinesThrough* through = nullptr;
};

// The lines of a game type, matched exactly; an unknown word has none, so no card can win.
Pattern patternOf(std::string_view gametype) {
    if (gametype == "horizontal") {
        return {kRows, 5, &kRowsThrough};
    }
    if (gametype == "vertical") {
        return {kColumns, 5, &kColumnsThrough};
    }
    if (gametype == "diagonal") {
        return {kDiagonals, 2, &kDiagonalsThrough};
    }
    return {};
}

// Complete when each of the five cells is marked; tested without branching on each cell.
inline __attribute__((always_inline)) bool isComplete(const CardRecord& card, const Line& line) {
    const auto marked = [&card](int cell) { return static_cast<int>(card.cell[cell].mark == 1); };
    const int* cells = line.cells;
    return (marked(cells[0]) & marked(cells[1]) & marked(cells[2]) & marked(cells[3]) &
            marked(cells[4])) != 0;
}

// The first line of the pattern that is complete on the card, or nullptr.
const Line* completeLine(const CardRecord& card, const Pattern& pattern) {
    for (int line = 0; line < pattern.count; ++line) {
        if (isComplete(card, pattern.lines[line])) {
            return &pattern.lines[line];
        }
    }
    return nullptr;
}

// Whether a line of the pattern through the cell is complete on the card.
bool completeThrough(const CardRecord& card, const Pattern& pattern, int cell) {
    for (std::int8_t line : (*pattern.through)[static_cast<std::size_t>(cell)]) {
        if (line >= 0 && isComplete(card, pattern.lines[line])) {
            return true;
        }
    }
    return false;
}

} // namespace

void Game::hasanyonewon(std::int16_t& win) {
    const Pattern pattern = patternOf(state_.gametype);
    if (pattern.count == 0) {
        return;
    }
    int winner = 0;
    if (callMarks_.active) {
        for (int i = 0; i < callMarks_.count && winner == 0; ++i) {
            const int card = callMarks_.card[i];
            winner = completeThrough(state_.Cards[card], pattern, callMarks_.cell[i]) ? card : 0;
        }
    } else {
        for (int card = 1; card <= kCardCount && winner == 0; ++card) {
            winner = completeLine(state_.Cards[card], pattern) != nullptr ? card : 0;
        }
    }
    if (winner != 0) {
        DeclareWinner(winner);
        win = 1;
    }
}

} // namespace zandor
