#include "sim/bingo_lines.h"

namespace zandor {
namespace {

constexpr int kSide = 5;

// Cells run down the columns: row and column 1..5 give cell (column - 1) * 5 + row.
constexpr int cellAt(int row, int column) {
    return (column - 1) * kSide + row;
}

bool isCovered(const CardRecord& card, int cell, const CalledNumbers& called) {
    if (cell == kFreeCentre) {
        return true;
    }
    const int number = card.cell[cell].number;
    return number >= 1 && number <= kNumberCount && called[static_cast<std::size_t>(number)];
}

// Whether all five cells (row0 + i * rowStep, column0 + i * columnStep) are covered.
bool lineCovered(const CardRecord& card, const CalledNumbers& called, int row0, int column0,
                 int rowStep, int columnStep) {
    for (int i = 0; i < kSide; ++i) {
        if (!isCovered(card, cellAt(row0 + i * rowStep, column0 + i * columnStep), called)) {
            return false;
        }
    }
    return true;
}

// Whether the card shows a complete line of the kind; the centre counts as covered.
bool hasCompleteLine(const CardRecord& card, LineKind kind, const CalledNumbers& called) {
    switch (kind) {
    case LineKind::Vertical:
        for (int column = 1; column <= kSide; ++column) {
            if (lineCovered(card, called, 1, column, 1, 0)) {
                return true;
            }
        }
        return false;
    case LineKind::Horizontal:
        for (int row = 1; row <= kSide; ++row) {
            if (lineCovered(card, called, row, 1, 0, 1)) {
                return true;
            }
        }
        return false;
    case LineKind::Diagonal:
        return lineCovered(card, called, 1, 1, 1, 1) || lineCovered(card, called, kSide, 1, -1, 1);
    }
    return false;
}

} // namespace

std::optional<LineKind> lineKindOf(std::string_view gametype) {
    if (gametype == "vertical") {
        return LineKind::Vertical;
    }
    if (gametype == "horizontal") {
        return LineKind::Horizontal;
    }
    if (gametype == "diagonal") {
        return LineKind::Diagonal;
    }
    return std::nullopt;
}

int jackpotOf(LineKind kind) {
    switch (kind) {
    case LineKind::Vertical:
        return 24;
    case LineKind::Horizontal:
        return 48;
    case LineKind::Diagonal:
        return 60;
    }
    return 0;
}

int firstCardWithLine(const GameState& state, LineKind kind, const CalledNumbers& called) {
    for (int card = 1; card <= kCardCount; ++card) {
        if (hasCompleteLine(state.Cards[card], kind, called)) {
            return card;
        }
    }
    return 0;
}

} // namespace zandor
