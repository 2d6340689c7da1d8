// Dealing one card: five numbers per column, drawn without repetition from the column's
// fifteen, each draw from a freshly reseeded generator.
#include "engine/game.h"

namespace zandor {

void Game::DealCards() {
    constexpr int kColumns = 5;
    constexpr int kPoolSize = 15;
    std::int16_t pool[kColumns + 1][kPoolSize + 1];
    for (int column = 1; column <= kColumns; ++column) {
        for (int k = 1; k <= kPoolSize; ++k) {
            pool[column][k] = static_cast<std::int16_t>((column - 1) * kPoolSize + k);
        }
    }
    for (int column = 1; column <= kColumns; ++column) {
        int count = kPoolSize;
        int row = 1;
        for (int cell = (column - 1) * 5 + 1; cell <= column * 5; ++cell) {
            random_.reseed();
            state_.generated_number = static_cast<std::int16_t>(drawPosition(random_, count));
            state_.lookup = pool[column][state_.generated_number];
            state_.ColumnPicks[row] = state_.lookup;
            // Close the gap; the last position keeps its old value, beyond the count.
            for (int k = state_.generated_number; k < kPoolSize; ++k) {
                pool[column][k] = pool[column][k + 1];
            }
            --count;
            state_.DealtCard[cell].number = state_.ColumnPicks[row];
            ++row;
        }
    }
}

} // namespace zandor
