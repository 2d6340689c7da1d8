// Win detection: after every call, the first card (lowest number first, so the player wins
// every tie) with a complete line of the game's pattern wins.
#include "engine/game.h"

#include <string_view>

namespace zandor {
namespace {

// A line's five cells.
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

// For each cell, the indexes of up to two lines of a pattern through it (-1: none).
using LinesThrough = std::array<std::array<std::int8_t, 2>, kCellCount + 1>;

template <std::size_t N>
constexpr LinesThrough linesThrough(const Line (&lines)[N]) {
    LinesThrough table{};
    for (auto& entry : table) {
        entry = {-1, -1};
    }
    for (std::size_t i = 0; i < N; ++i) {
        for (int cell : lines[i]) {
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
    const LinesThrough* through = nullptr;
};

// The lines of a game type, matched exactly; an unknown word has none, so no card can win.
Pattern patternOf(std::string_view gametype) {
    if (gametype == "horizontal") {
        return {kRows, &kRowsThrough};
    }
    if (gametype == "vertical") {
        return {kColumns, &kColumnsThrough};
    }
    if (gametype == "diagonal") {
        return {kDiagonals, &kDiagonalsThrough};
    }
    return {};
}

// Complete when each of the five cells is marked; tested without branching on each cell.
inline __attribute__((always_inline)) bool isComplete(const CardRecord& card, const Line& line) {
    const auto marked = [&card](int cell) { return static_cast<int>(card.cell[cell].mark == 1); };
    return (marked(line[0]) & marked(line[1]) & marked(line[2]) & marked(line[3]) &
            marked(line[4])) != 0;
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

// Cards are taken lowest first, as the call listed them. Only lines through a cell the call
// has just marked need a look: no card had a complete line before it.
void Game::hasanyonewon(std::int16_t& win) {
    const int marked = callMarks_.count;
    callMarks_.count = 0;
    const Pattern pattern = patternOf(state_.gametype);
    if (pattern.lines == nullptr) {
        return;
    }
    int winner = 0;
    for (int i = 0; i < marked && winner == 0; ++i) {
        const int card = callMarks_.card[i];
        winner = completeThrough(state_.Cards[card], pattern, callMarks_.cell[i]) ? card : 0;
    }
    if (winner != 0) {
        DeclareWinner(winner);
        win = 1;
    }
}

} // namespace zandor
