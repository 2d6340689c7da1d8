// Dealing one card: five numbers per column, drawn without repetition from the column's
// fifteen, each draw from a freshly reseeded generator.
#include "engine/game.h"

namespace zandor {

// A column's pool is held as fifteen 4-bit offsets in one word, position k in nibble k - 1.
// Taking a position out closes the gap and keeps the order of the rest, as a shift of an
// array would, without touching memory.
void Game::DealCards() {
    constexpr int kColumns = 5;
    constexpr int kRows = 5;
    constexpr int kPoolSize = 15;
    constexpr std::uint64_t kFullPool = 0xEDCBA9876543210ULL; // offsets 0..14 in order
    float draws[kColumns * kRows];
    random_.reseededDraws(draws, kColumns * kRows);
    int position = 0;
    int pick = 0;
    for (int column = 0; column < kColumns; ++column) {
        std::uint64_t pool = kFullPool;
        for (int row = 0; row < kRows; ++row) {
            position = positionOf(draws[column * kRows + row], kPoolSize - row);
            const unsigned shift = 4U * static_cast<unsigned>(position - 1);
            pick = column * kPoolSize + static_cast<int>(pool >> shift & 0xFU) + 1;
            const std::uint64_t below = pool & ((1ULL << shift) - 1U);
            pool = below | (pool >> (shift + 4U)) << shift;
            state_.ColumnPicks[row + 1] = static_cast<std::int16_t>(pick);
            state_.DealtCard[column * kRows + row + 1].number = static_cast<std::int16_t>(pick);
        }
    }
    state_.generated_number = static_cast<std::int16_t>(position);
    state_.lookup = static_cast<std::int16_t>(pick);
}

} // namespace zandor
